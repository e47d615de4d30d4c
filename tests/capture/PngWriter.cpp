#include "PngWriter.h"

#include <algorithm>
#include <array>

namespace pgtest {
namespace {

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::size_t kBytesPerPixel = 3;
constexpr std::size_t kMaxStoredBlock = 0xFFFF; // LEN of a stored block is 16 bits

std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendLittleEndian16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Length, type, data, and a CRC over type and data.
void AppendChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
                 const std::vector<std::uint8_t>& data)
{
    AppendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    AppendBigEndian32(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

std::vector<std::uint8_t> ImageHeader(int width, int height)
{
    std::vector<std::uint8_t> header;
    AppendBigEndian32(header, static_cast<std::uint32_t>(width));
    AppendBigEndian32(header, static_cast<std::uint32_t>(height));
    header.push_back(8); // bits per channel
    header.push_back(kColourTypeRgb);
    header.push_back(0); // compression: deflate
    header.push_back(0); // filter method: adaptive, every row uses filter type 0 here
    header.push_back(0); // no interlace
    return header;
}

// Each row starts with its filter type byte; 0 (None) keeps the bytes as they are.
std::vector<std::uint8_t> FilteredRows(int width, int height, const std::vector<std::uint8_t>& rgb)
{
    const std::size_t rowBytes = static_cast<std::size_t>(width) * kBytesPerPixel;
    std::vector<std::uint8_t> rows;
    rows.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto rowStart = rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * y);
        rows.push_back(0);
        rows.insert(rows.end(), rowStart, rowStart + static_cast<std::ptrdiff_t>(rowBytes));
    }
    return rows;
}

// A zlib stream (RFC 1950) of stored deflate blocks (RFC 1951, BTYPE 00).
std::vector<std::uint8_t> StoredZlibStream(const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> stream = {0x78, 0x01}; // 32K window, no dictionary, check bits
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, data.size() - offset);
        const bool last = offset + length == data.size();
        stream.push_back(last ? 1 : 0); // BFINAL, then BTYPE 00; the rest of the byte pads
        AppendLittleEndian16(stream, static_cast<std::uint16_t>(length));
        AppendLittleEndian16(stream, static_cast<std::uint16_t>(~length));
        stream.insert(stream.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                      data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < data.size());
    AppendBigEndian32(stream, Adler32(data.data(), data.size()));
    return stream;
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size)
{
    constexpr std::uint32_t kModulus = 65521;
    // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the reduction.
    constexpr std::size_t kRun = 5552;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    while (size > 0) {
        const std::size_t run = std::min(size, kRun);
        for (std::size_t i = 0; i < run; ++i) {
            a += data[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
        data += run;
        size -= run;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodeRgbPng(int width, int height, const std::vector<std::uint8_t>& rgb)
{
    // Two positive ints times three cannot overflow 64 bits.
    const std::uint64_t expectedSize =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * kBytesPerPixel;
    if (width <= 0 || height <= 0 || rgb.size() != expectedSize) {
        return {};
    }
    std::vector<std::uint8_t> png(std::begin(kSignature), std::end(kSignature));
    AppendChunk(png, "IHDR", ImageHeader(width, height));
    AppendChunk(png, "IDAT", StoredZlibStream(FilteredRows(width, height, rgb)));
    AppendChunk(png, "IEND", {});
    return png;
}

} // namespace pgtest
