#include "SystemClock.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

SystemClock::SystemClock()
    : generator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
}

QString SystemClock::shortDate() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

double SystemClock::random()
{
    return generator.generateDouble();
}
