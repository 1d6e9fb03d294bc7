// How large a picture file is, asked of Qt's image readers.
#pragma once

#include "SkinFramework.h"

namespace orrinvale {

// The picture's width and height from its header (an SVG's from its
// document), without decoding its pixels; nothing when no reader knows it.
std::optional<PictureSize> readPictureSize(const std::string& path);

} // namespace orrinvale
