// A PNG encoder without a compression library: the image data goes into stored (uncompressed)
// deflate blocks, which every PNG reader accepts. Screenshots of test windows are small, so the
// missing compression costs nothing that matters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pgtest {

// CRC-32 as PNG chunks and zip files use it (polynomial 0xEDB88320, initial and final XOR ~0).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

// The zlib stream checksum.
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// The complete file image of an 8-bit RGB PNG. rgb holds width * height * 3 bytes, top row
// first, red first in each pixel. Returns an empty vector when the size is not a valid image
// size or does not match the data.
std::vector<std::uint8_t> EncodeRgbPng(int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace pgtest
