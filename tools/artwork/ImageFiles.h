#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Picture files whose bytes depend on the picture alone, so regenerating the artwork leaves
// the committed files untouched.
namespace ImageFiles
{

QByteArray png(const QImage &image);

// At one fixed quality, high enough that flat colours keep clean edges.
QByteArray jpeg(const QImage &image);

// Writes a generated file whole or not at all, creating its folders. False when content is
// empty (nothing was made) or cannot be written.
bool save(const QString &path, const QByteArray &content);

} // namespace ImageFiles
