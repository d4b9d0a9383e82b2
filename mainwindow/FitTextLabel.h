#pragma once

#include <QFont>
#include <QHash>
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
    void changeEvent(QEvent *event) override;

private:
    // The fitted fonts of the texts shown so far, at the label's font and fittedWidth: the next
    // character takes turns among a few texts, one on every key, and measuring one costs a shaping.
    QHash<QString, QFont> fittedFonts;
    int fittedWidth = -1;
};
