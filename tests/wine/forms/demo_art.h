// Pictures for the forms tests, written as .bmp files: a background whose every pixel is known (so a
// screenshot can be checked pixel by pixel), and damaged files.
#pragma once
#include <windows.h>

#include <string>

namespace demo {

inline constexpr int kBackgroundWidth = 480;
inline constexpr int kBackgroundHeight = 320;

// The background's pixel at (x, y).
COLORREF BackgroundPixel(int x, int y);
// 24-bit bottom-up file of kBackgroundWidth x kBackgroundHeight.
bool WriteBackground(const std::wstring& path);
// Writes raw bytes (for damaged files).
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// A valid 24-bit file header that promises more pixel data than the file holds.
std::string TruncatedBitmap();

}  // namespace demo
