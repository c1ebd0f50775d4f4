#include "tests/wine/driver/png_writer.h"

#include <windows.h>

#include <algorithm>

namespace driver {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutU32(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutU32(out, Crc32(out.data() + typeAt, data.size() + 4));
}

}  // namespace

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
  // Raw scanlines: filter byte 0, then R, G, B.
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      raw.push_back(static_cast<uint8_t>(p >> 16));
      raw.push_back(static_cast<uint8_t>(p >> 8));
      raw.push_back(static_cast<uint8_t>(p));
    }
  }
  // zlib stream of stored blocks of at most 65535 bytes.
  std::vector<uint8_t> zlib = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t length = std::min<size_t>(65535, raw.size() - at);
    const bool last = at + length == raw.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(static_cast<uint8_t>(length));
    zlib.push_back(static_cast<uint8_t>(length >> 8));
    zlib.push_back(static_cast<uint8_t>(~length));
    zlib.push_back(static_cast<uint8_t>(~length >> 8));
    zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + length);
    at += length;
  } while (at < raw.size());
  PutU32(zlib, Adler32(raw.data(), raw.size()));

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutU32(header, static_cast<uint32_t>(width));
  PutU32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace driver
