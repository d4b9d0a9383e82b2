#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>

// The application icon for the desktop's icon theme: PNGs at the sizes menus and docks ask for,
// and a scalable SVG, in the hicolor layout (hicolor/48x48/apps/<app id>.png ...).
namespace AppIcons
{

// The name the desktop finds the icon under: the application's id.
inline const QString IconName = QStringLiteral("io.github.teclora.Teclora");
// The sizes drawn as PNG, in pixels.
inline const QList<int> Sizes = {48, 64, 128, 256};

// The SVG document of the icon.
QByteArray svg();

// Writes every icon under iconDir, creating folders as needed, and logs each file written with
// its size. Returns the relative paths that could not be written.
QStringList writeAll(const QDir &iconDir, QTextStream &log);

} // namespace AppIcons
