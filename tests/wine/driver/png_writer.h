// A minimal PNG encoder: 8-bit RGB, deflate "stored" blocks (no compression), so no zlib is needed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace driver {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);

// `pixels` holds width * height values 0x00RRGGBB, rows top-down. Returns the file's bytes.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace driver
