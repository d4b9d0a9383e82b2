#include "ClaveDigits.h"

namespace ClaveDigits
{

QString step(int index, int &counter)
{
    if (counter == 9) {
        counter = index == 0 ? 0 : -1;
    }
    const QString caption = QString::number(counter + 1);
    ++counter;
    return caption;
}

} // namespace ClaveDigits
