#pragma once
// The world map picture (a JPEG of 798 x 717 pixels) compiled into the program.

#include <cstddef>

/// The JPEG file's bytes, exactly as the map tool wrote them.
extern const unsigned char kWorldMapJpeg[];
/// Number of bytes in kWorldMapJpeg.
extern const size_t kWorldMapJpegSize;
