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

QByteArray write(const QTextDocument &document, int from)
{
    const qreal fontPoints = document.defaultFont().pointSizeF();
    const qreal defaultPoints = fontPoints > 0 ? fontPoints : 12;
    RtfWriter writer(document.characterCount());
    // Reading a format's properties costs far more than looking up the few formats of a history.
    QHash<int, RtfStyle> styles;
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        // The line break that ends the block before, when it lies in the part written.
        if (block.position() > from) {
            writer.addLineBreak();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int skipped = from - fragment.position();
            if (skipped >= fragment.length()) {
                continue;
            }
            auto style = styles.constFind(fragment.charFormatIndex());
            if (style == styles.cend()) {
                style = styles.insert(fragment.charFormatIndex(), styleOf(fragment.charFormat(), defaultPoints));
            }
            writer.setStyle(style.value());
            writer.addText(QStringView(fragment.text()).mid(std::max(0, skipped)));
        }
    }
    return writer.document();
}

void read(const QByteArray &rtf, QTextDocument &document)
{
    document.clear();
    append(rtf, document);
}

void append(const QByteArray &rtf, QTextDocument &document)
{
    // A loaded file is where editing starts, not a step to undo; keeping the undo record of a
    // large history would also double its memory.
    const bool undoEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
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
