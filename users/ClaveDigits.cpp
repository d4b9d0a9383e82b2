#include "ClaveDigits.h"

#include <algorithm>

int ClaveDigits::digit(int index) const
{
    return digits.at(index);
}

void ClaveDigits::step(int index)
{
    const int from = touched.at(index) ? digits.at(index) : 0;
    const int lowest = index == 0 ? 1 : 0;
    digits.at(index) = from == 9 ? lowest : from + 1;
    touched.at(index) = true;
}

bool ClaveDigits::accepts(int index, int value)
{
    return value >= (index == 0 ? 1 : 0) && value <= 9;
}

bool ClaveDigits::set(int index, int value)
{
    if (!accepts(index, value)) {
        return false;
    }
    digits.at(index) = value;
    touched.at(index) = true;
    return true;
}

bool ClaveDigits::isChosen() const
{
    return std::ranges::any_of(touched, [](bool set) {
        return set;
    });
}

QString ClaveDigits::text() const
{
    QString clave;
    for (const int digit : digits) {
        clave += QString::number(digit);
    }
    return clave;
}
