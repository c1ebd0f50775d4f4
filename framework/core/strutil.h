// Small text helpers: comma-separated fields, the rectangle and colour values of the UI layout files,
// and hexadecimal text of device identifiers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace framework {

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const Rect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// Field `index` (from 0) of `text` split at `separator`, trimmed of blanks (characters up to ' ').
// The last character always belongs to the last field, even when it is the separator: field 1 of
// "a,b," is "b,". A field past the end, or a negative index, gives "".
std::wstring GetField(const std::wstring& text, wchar_t separator, int index);

// "rectp,left,top,right,bottom" or "rectwh,left,top,width,height" (kind case-insensitive, decimal
// numbers). rectwh gives right = left + width - 1, bottom = top + height - 1. Any other kind gives the
// empty rectangle. nullopt when a number is missing, not decimal or outside 32 bits (also a computed
// right/bottom): the caller then keeps what it had.
std::optional<Rect> ParseRect(const std::wstring& text);

// "rgb,red,green,blue" as a COLORREF (red in the low byte); each part keeps its low 8 bits. Any other
// kind gives 0 (black). nullopt when a part is missing, not decimal or outside 32 bits.
std::optional<uint32_t> ParseColor(const std::wstring& text);

// Upper-case hexadecimal, zero-padded to minDigits (clamped to 1..32); more digits when needed.
std::wstring IntToHexText(uint32_t value, int minDigits);

// Hexadecimal digits up to the first other character ("12G4" gives 0x12). With more than 8 digits
// the value keeps its low 32 bits, i.e. the last 8 digits read. No digit at all gives 0.
uint32_t HexTextToInt(const std::wstring& text);

// Delphi-style Trim: removes leading and trailing characters up to and including ' '.
std::wstring TrimBlanks(const std::wstring& text);

}  // namespace framework
