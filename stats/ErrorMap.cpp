#include "ErrorMap.h"

#include "KeyboardWidget.h"
#include "StatsTexts.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace
{

QString percent(double rate)
{
    return QString::number(std::lround(rate * 100)) + QStringLiteral(" %");
}

} // namespace

ErrorMap::ErrorMap(const QString &dataFolder, Clock &clock, const QStringList &texts, QWidget *parent)
    : QWidget(parent)
    , drawnKeyboard(new KeyboardWidget(dataFolder, clock, logicalDpiX(), this))
    , texts(texts)
    , legendHeight(fontMetrics().height() * 3)
{
    drawnKeyboard->setAccessibleName(texts.value(StatsTexts::ErrorMapTitle));
    drawnKeyboard->installEventFilter(this);
    setFixedSize(drawnKeyboard->width(), drawnKeyboard->height() + legendHeight);
}

const KeyboardWidget &ErrorMap::keyboard() const
{
    return *drawnKeyboard;
}

void ErrorMap::showRates(const KeyErrorRates::Rates &rates)
{
    shown = rates;
    for (int key = 0; key < KeyboardLayout::KeyCount; ++key) {
        const KeyErrorRates::KeyRate &rate = rates[key];
        const bool typed = rate.typed > 0;
        drawnKeyboard->setKeyColour(key, typed ? KeyErrorRates::tint(rate.rate()) : KeyErrorRates::noDataColour());
        // The frame carries the tint too: Shift and Enter show pictures on their faces.
        drawnKeyboard->setFrameColour(
            KeyboardKeys::frameOf(key), typed ? KeyErrorRates::tint(rate.rate()) : QColor(Qt::white));
    }
    update();
}

bool ErrorMap::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != drawnKeyboard || event->type() != QEvent::ToolTip) {
        return QWidget::eventFilter(watched, event);
    }
    const QPoint position = static_cast<QHelpEvent *>(event)->pos();
    for (int key = 0; key < KeyboardLayout::KeyCount; ++key) {
        const KeyErrorRates::KeyRate &rate = shown[key];
        if (drawnKeyboard->keyRect(key).contains(position)) {
            const QString tip = rate.typed == 0
                ? texts.value(StatsTexts::LegendNoData)
                : texts.value(StatsTexts::TypedColumn) + QStringLiteral(": ") + QString::number(rate.typed)
                    + QStringLiteral(", ") + texts.value(StatsTexts::ErrorsColumn) + QStringLiteral(": ")
                    + QString::number(rate.wrong) + QStringLiteral(" (") + percent(rate.rate()) + u')';
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, drawnKeyboard);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

void ErrorMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int top = drawnKeyboard->height() + line / 2;
    const QString noData = texts.value(StatsTexts::LegendNoData);

    // The no-data swatch at the left, the colour scale filling the rest.
    const QRect swatch(0, top, line, line);
    painter.fillRect(swatch, KeyErrorRates::noDataColour());
    painter.setPen(Qt::black);
    painter.drawRect(swatch);
    painter.drawText(swatch.right() + line / 2, top + metrics.ascent(), noData);

    const int scaleLeft = swatch.right() + line + metrics.horizontalAdvance(noData) + 2 * line;
    const QRect scale(scaleLeft, top, width() - scaleLeft - 1, line);
    QLinearGradient gradient(scale.topLeft(), scale.topRight());
    for (const double stop : {0.0, 0.5, 1.0}) {
        gradient.setColorAt(stop, KeyErrorRates::tint(stop * KeyErrorRates::ScaleTop));
    }
    painter.fillRect(scale, gradient);
    painter.drawRect(scale);
    const int below = scale.bottom() + metrics.ascent() + 2;
    painter.drawText(scale.left(), below, texts.value(StatsTexts::LegendFew) + QStringLiteral(" (0 %)"));
    const QString many = texts.value(StatsTexts::LegendMany) + QStringLiteral(" (") + percent(KeyErrorRates::ScaleTop)
        + QStringLiteral(" +)");
    painter.drawText(scale.right() - metrics.horizontalAdvance(many), below, many);
}
