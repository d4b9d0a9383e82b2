#include "FitTextLabel.h"

#include <QFontMetricsF>
#include <QPainter>

FitTextLabel::FitTextLabel(QWidget *parent)
    : QLabel(parent)
{
}

QFont FitTextLabel::fittedFont(const QFont &font, const QString &text, int width)
{
    QFont fitted = font;
    const qreal needed = QFontMetricsF(font).horizontalAdvance(text);
    if (needed > width && width > 0) {
        fitted.setPointSizeF(font.pointSizeF() * width / needed);
    }
    return fitted;
}

void FitTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect room = contentsRect();
    painter.setFont(fittedFont(font(), text(), room.width()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, static_cast<int>(alignment()), text());
}
