#pragma once

#include <QImage>

// The flags beside the language list, one for each language's community. They are drawn at
// twice the size they are shown, so they stay crisp on high-density screens.
namespace FlagPainter
{

QImage spain();
QImage catalonia();
QImage galicia();
QImage basqueCountry();
QImage unitedKingdom();

} // namespace FlagPainter
