#include "Certificate.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextOption>

namespace Certificate
{

namespace
{

const QString Red = QStringLiteral("#d00000");
constexpr int Dpi = 300;
// The typed text's type: as large as fits the page, between these.
constexpr double LargestPoints = 12;
constexpr double SmallestPoints = 3;
constexpr double PointStep = 0.25;

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td><b>") + label + QStringLiteral("</b></td><td>") + value.toHtmlEscaped()
        + QStringLiteral("</td></tr>");
}

QString heading(const Content &c)
{
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const ExamRules::Figures &f = c.figures;
    return QStringLiteral("<h2>Certificado de examen de mecanografía</h2>"
                          "<table cellspacing=\"0\" cellpadding=\"3\">")
        + row(QStringLiteral("Nombre:"), c.learner.isEmpty() ? QStringLiteral("sin registrar") : c.learner)
        + row(QStringLiteral("Fecha:"), spanish.toString(c.when, QStringLiteral("d 'de' MMMM 'de' yyyy, HH:mm")))
        + row(QStringLiteral("Duración:"), QStringLiteral("%1 min (%2 s. usados)").arg(c.minutes).arg(f.secondsUsed))
        + row(QStringLiteral("Texto:"), c.title)
        + row(QStringLiteral("Pulsaciones brutas:"), QStringLiteral("%1 p/m").arg(f.grossPerMinute))
        + row(QStringLiteral("Errores:"),
            QStringLiteral("%1 (cada uno resta %2 pulsaciones)").arg(f.errors).arg(c.penalty))
        + row(QStringLiteral("Pulsaciones netas:"), QStringLiteral("%1 p/m").arg(f.netPerMinute))
        + row(QStringLiteral("Precisión:"), QStringLiteral("%1 %").arg(f.accuracy))
        + QStringLiteral("</table><p>Texto tecleado. En rojo, cada error: el carácter esperado y, entre "
                         "corchetes, lo que se tecleó en su lugar.</p>");
}

// The text up to where the learner got, each error in red after the character it stood for.
QString typedText(const Content &c)
{
    QMap<int, QString> instead;
    for (const ExamModel::Mistake &mistake : c.mistakes) {
        instead[mistake.position] += mistake.typed;
    }
    // An error left standing when time ran out is shown at the character it missed.
    const int last = std::min<int>(c.text.size(), std::max(c.reached - 1, instead.isEmpty() ? 0 : instead.lastKey()));
    QString html = QStringLiteral("<p style=\"white-space: pre-wrap\">");
    for (int position = 1; position <= last; ++position) {
        const QChar character = c.text.at(position - 1);
        if (character == QLatin1Char('\r')) {
            html += QStringLiteral("<br>");
            ++position;
        } else if (const auto wrong = instead.constFind(position); wrong != instead.constEnd()) {
            html += QStringLiteral("<span style=\"color:%1; text-decoration: underline\"><b>%2</b>[%3]</span>")
                        .arg(Red, QString(character).toHtmlEscaped(), wrong->toHtmlEscaped());
        } else {
            html += QString(character).toHtmlEscaped();
        }
    }
    return html + QStringLiteral("</p>");
}

void prepare(QTextDocument &document, QPaintDevice &device, double width, double points)
{
    document.documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    document.setDefaultFont(font);
    // A run of wrong keys without a space must still break at the page's edge.
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrapping);
    document.setTextWidth(width);
}

// The largest type, in steps, at which the typed text fits the height; the smallest otherwise.
double fittingPoints(QTextDocument &document, QPaintDevice &device, double width, double height)
{
    int low = 0;
    int high = static_cast<int>((LargestPoints - SmallestPoints) / PointStep);
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        prepare(document, device, width, SmallestPoints + middle * PointStep);
        if (document.size().height() <= height) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return SmallestPoints + low * PointStep;
}

} // namespace

QString fileName(const QString &learner, const QDateTime &when)
{
    QString name = QStringLiteral("Examen ") + (learner.isEmpty() ? QStringLiteral("sin registrar") : learner)
        + QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    for (QChar &character : name) {
        if (character.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(character)) {
            character = QLatin1Char('_');
        }
    }
    return name + QStringLiteral(".pdf");
}

bool write(const QString &path, const Content &content)
{
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(Dpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Certificado de examen de mecanografía"));
        writer.setCreator(QStringLiteral("Teclora"));
        const double width = writer.width();
        QTextDocument head;
        head.setHtml(heading(content));
        prepare(head, writer, width, 11);
        QTextDocument typed;
        typed.setHtml(typedText(content));
        const double room = writer.height() - head.size().height();
        prepare(typed, writer, width, fittingPoints(typed, writer, width, room));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        head.drawContents(&painter);
        painter.translate(0, head.size().height());
        typed.drawContents(&painter);
        painter.end();
    }
    return file.commit();
}

} // namespace Certificate
