// How long the learner waits for the certificate of a timed test: a ten-minute test on a text of
// 3,000 characters with an error every 25 keys, written to a one-page PDF. Once the type has to
// shrink for the text to fit, the fitting lays the text out several times.
#include "Certificate.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

Certificate::Content longTest()
{
    Certificate::Content content;
    content.learner = QStringLiteral("Ana");
    content.when = QDateTime(QDate(2026, 12, 6), QTime(10, 30));
    content.minutes = 10;
    content.penalty = 10;
    content.title = QStringLiteral("El puerto");
    const QString sentence = QStringLiteral("El 14/02/2025 Ángel pagó 1.275,40 € por el tejado (factura n.º 88). ");
    while (content.text.size() < 3000) {
        content.text += sentence;
        if (content.text.size() % 7 == 0) {
            content.text += QStringLiteral("\r\n");
        }
    }
    content.reached = int(content.text.size()) + 1;
    for (int position = 1; position < content.text.size(); position += 25) {
        if (content.text.at(position - 1) != QLatin1Char('\r') && content.text.at(position - 1) != QLatin1Char('\n')) {
            content.mistakes.append({position, QLatin1Char('x')});
        }
    }
    content.figures = ExamRules::figures(
        content.text.size() + content.mistakes.size(), content.mistakes.size(), 600'000, content.penalty);
    return content;
}

void writeCertificate(benchmark::State &state)
{
    const Certificate::Content content = longTest();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Informes/certificado.pdf"));
    for (auto _ : state) {
        if (!Certificate::write(path, content)) {
            state.SkipWithError("the certificate could not be written");
            break;
        }
    }
}
BENCHMARK(writeCertificate)->Unit(benchmark::kMillisecond);

} // namespace
