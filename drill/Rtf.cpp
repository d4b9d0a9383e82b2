#include "Rtf.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

RtfStyle styleOf(const QTextCharFormat &format, qreal defaultPoints)
{
    const qreal points = format.fontPointSize() > 0 ? format.fontPointSize() : defaultPoints;
    // An unset foreground brush is black, which is what the pane shows.
    return {format.foreground().color().rgb(), format.fontWeight() > QFont::Medium, std::max(1, qRound(points * 2))};
}

} // namespace

namespace Rtf
{

QByteArray write(const QTextDocument &document)
{
    const qreal fontPoints = document.defaultFont().pointSizeF();
    const qreal defaultPoints = fontPoints > 0 ? fontPoints : 12;
    RtfWriter writer(document.characterCount());
    // Reading a format's properties costs far more than looking up the few formats of a history.
    QHash<int, RtfStyle> styles;
    const QTextBlock first = document.begin();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block != first) {
            writer.addLineBreak();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            auto style = styles.constFind(fragment.charFormatIndex());
            if (style == styles.cend()) {
                style = styles.insert(fragment.charFormatIndex(), styleOf(fragment.charFormat(), defaultPoints));
            }
            writer.setStyle(style.value());
            writer.addText(fragment.text());
        }
    }
    return writer.document();
}

void read(const QByteArray &rtf, QTextDocument &document)
{
    // A loaded file is where editing starts, not a step to undo; keeping the undo record of a
    // large history would also double its memory.
    const bool undoEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    if (rtf.startsWith("{\\rtf")) {
        RtfReader::readRtf(rtf, cursor);
    } else {
        RtfReader::readPlainText(rtf, cursor);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoEnabled);
}

} // namespace Rtf
