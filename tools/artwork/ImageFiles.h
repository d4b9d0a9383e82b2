#pragma once

#include <QByteArray>
#include <QImage>

// Picture files whose bytes depend on the picture alone, so regenerating the artwork leaves
// the committed files untouched.
namespace ImageFiles
{

QByteArray png(const QImage &image);

// At one fixed quality, high enough that flat colours keep clean edges.
QByteArray jpeg(const QImage &image);

} // namespace ImageFiles
