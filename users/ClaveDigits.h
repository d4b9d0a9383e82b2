#pragma once

#include <QString>

#include <array>

// The four digits of a clave, as numbers. Each click on a digit's button steps it: the first
// digit runs 1 to 9 and back to 1 (a clave never starts with 0), the others 1 to 9, then 0, then
// 1 again. A typed digit takes its place directly.
class ClaveDigits
{
public:
    static constexpr int Count = 4;

    int digit(int index) const;
    // A click on the button of the digit at index.
    void step(int index);
    // Whether the digit at index can be value: 1 to 9 first, 0 to 9 after.
    static bool accepts(int index, int value);
    // The typed value takes the place of the digit at index; a value the place cannot take is
    // refused (false) and nothing changes.
    bool set(int index, int value);
    // Whether the learner has set any digit, by clicking or typing; until then the clave is the
    // one the buttons start with.
    bool isChosen() const;
    // The four digits left to right, as the clave file holds them.
    QString text() const;

private:
    // What the buttons show before any click.
    std::array<int, Count> digits {1, 0, 0, 0};
    // A digit nobody has touched steps as if from 0, so the first click on the first button
    // leaves its 1 and the first click on the others shows 1.
    std::array<bool, Count> touched {};
};
