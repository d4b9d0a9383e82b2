#include "FitTextLabel.h"

#include <QEvent>
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
    if (room.width() != fittedWidth) {
        fittedFonts.clear();
        fittedWidth = room.width();
    }
    auto fitted = fittedFonts.constFind(text());
    if (fitted == fittedFonts.constEnd()) {
        fitted = fittedFonts.insert(text(), fittedFont(font(), text(), room.width()));
    }
    painter.setFont(*fitted);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, static_cast<int>(alignment()), text());
}

void FitTextLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        fittedFonts.clear();
    }
    QLabel::changeEvent(event);
}
