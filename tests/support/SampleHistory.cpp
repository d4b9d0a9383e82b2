#include "SampleHistory.h"

#include <QTextCursor>
#include <QTextDocument>

namespace SampleHistory
{

void appendDrills(QTextDocument &document, int drills)
{
    QTextCharFormat right;
    right.setFontWeight(QFont::Bold);
    right.setForeground(QColor(0, 0, 255));
    QTextCharFormat afterWrong = right;
    afterWrong.setForeground(QColor(255, 0, 255));
    QTextCharFormat result;
    result.setForeground(QColor(0, 0, 0));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (int drill = 0; drill < drills; ++drill) {
        cursor.insertText(QStringLiteral("Ñandú "), right);
        cursor.insertText(QStringLiteral("j"), afterWrong);
        cursor.insertText(QStringLiteral("f"), right);
        cursor.insertText(QStringLiteral(" ** 231(p/m) - 41 s. - 2(Err.) - 158(c.) ** - Castellano\\17 Frases\\3 - "
                                         "Precisión 98 %"),
            result);
        cursor.insertBlock();
    }
}

} // namespace SampleHistory
