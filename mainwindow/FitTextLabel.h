#pragma once

#include <QLabel>

// A one-line label that writes a text too wide for it in smaller type instead of cutting it: the
// next character is shown in 40-point type, and the word for the space bar ("Espacio") would
// otherwise lose its first and last letters.
class FitTextLabel : public QLabel
{
public:
    explicit FitTextLabel(QWidget *parent = nullptr);

    // font, made just small enough for text to fit width pixels.
    static QFont fittedFont(const QFont &font, const QString &text, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};
