// Reading a learner's own text of a megabyte from its file and cutting it into exercises: the
// window waits for it after "Abrir texto", so it must take no time a learner notices.
#include "OwnTexts.h"
#include "TextImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

// A book's page after page, in UTF-8 with curly quotes and dashes to replace, wrapped at a fixed
// width with blank lines between paragraphs.
QByteArray bookText(qsizetype size)
{
    const QByteArray paragraph = QStringLiteral("—¿Vendrás mañana? —preguntó la cigüeña, y el ñandú dijo\n"
                                                "que sí, que «claro», que iría a las diez… Después\n"
                                                "se fueron los dos por el camino del río.\n\n")
                                     .toUtf8();
    QByteArray text;
    text.reserve(size + paragraph.size());
    while (text.size() < size) {
        text += paragraph;
    }
    return text;
}

void readAndCutOneMegabyte(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("libro.txt")));
    file.open(QIODevice::WriteOnly);
    file.write(bookText(1024 * 1024));
    file.close();
    qsizetype exercises = 0;
    for (auto _ : state) {
        exercises = TextImport::fromFile(file.fileName()).exercises.size();
        benchmark::DoNotOptimize(exercises);
    }
    state.counters["exercises"] = double(exercises);
}
BENCHMARK(readAndCutOneMegabyte)->Unit(benchmark::kMillisecond);

// Keeping those exercises in "Mis textos", each file written whole or not at all.
void storeOneMegabyte(benchmark::State &state)
{
    const QStringList exercises = TextImport::fromPastedText(QString::fromUtf8(bookText(1024 * 1024))).exercises;
    for (auto _ : state) {
        QTemporaryDir dir;
        OwnTexts texts(dir.filePath(QStringLiteral("Textos/Ana")));
        benchmark::DoNotOptimize(texts.add(exercises));
    }
}
BENCHMARK(storeOneMegabyte)->Unit(benchmark::kMillisecond);

} // namespace
