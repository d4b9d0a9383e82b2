#pragma once

#include <QImage>

// A pale paper that tiles without seams, for the typing window's background.
namespace PaperTexture
{

QImage tile();

} // namespace PaperTexture
