// A minimal PNG writer (8-bit RGB, stored deflate blocks) for screenshots of what the skin drew.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace skintest {

// rgb holds width * height * 3 bytes, rows top to bottom. False when the file cannot be written.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace skintest
