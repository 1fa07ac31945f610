// Checks that a picture file is whole before it is decoded: decoders pad a cut-off
// stream with zeros and report success, while the program must treat such a file as
// unreadable.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qs::tk::headless {

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Bmp };

// The format named by the file's signature.
PictureFormat SniffPictureFormat(const std::uint8_t* data, std::size_t size);

// True when the structure of the file is complete: a JPEG's end marker after its
// scan, a PNG's IEND chunk, a GIF's first image with all its data blocks, a BMP's
// pixel array. Reads nothing past `size`.
bool PictureLooksComplete(PictureFormat format, const std::uint8_t* data, std::size_t size);

} // namespace qs::tk::headless
