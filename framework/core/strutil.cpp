#include "framework/core/strutil.h"

#include <algorithm>
#include <limits>

namespace framework {
namespace {

bool IsBlank(wchar_t c) { return static_cast<uint32_t>(c) <= 0x20; }

std::wstring AsciiLower(std::wstring text) {
  for (auto& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

std::optional<int32_t> ToInt32(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

// Strict decimal: optional sign, at least one digit, nothing else; must fit 32 bits.
std::optional<int32_t> ParseDecimal(const std::wstring& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > (int64_t{1} << 32)) return std::nullopt;  // out of range already; stops overflow
  }
  return ToInt32(negative ? -value : value);
}

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

std::wstring TrimBlanks(const std::wstring& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring GetField(const std::wstring& text, wchar_t separator, int index) {
  std::wstring field;
  int number = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool last = i + 1 == text.size();
    const bool atSeparator = text[i] == separator;
    if (!atSeparator || last) field.push_back(text[i]);
    if (atSeparator || last) {
      if (number == index) return TrimBlanks(field);
      ++number;
      field.clear();
    }
  }
  return {};
}

std::optional<Rect> ParseRect(const std::wstring& text) {
  const std::wstring value = AsciiLower(TrimBlanks(text));
  const std::wstring kind = GetField(value, L',', 0);
  if (kind != L"rectp" && kind != L"rectwh") return Rect{};

  int64_t n[4];
  for (int k = 0; k < 4; ++k) {
    const auto parsed = ParseDecimal(GetField(value, L',', k + 1));
    if (!parsed) return std::nullopt;
    n[k] = *parsed;
  }
  if (kind == L"rectwh") {
    n[2] = n[2] + n[0] - 1;
    n[3] = n[3] + n[1] - 1;
  }
  Rect rect;
  const auto right = ToInt32(n[2]);
  const auto bottom = ToInt32(n[3]);
  if (!right || !bottom) return std::nullopt;
  rect.left = static_cast<int32_t>(n[0]);
  rect.top = static_cast<int32_t>(n[1]);
  rect.right = *right;
  rect.bottom = *bottom;
  return rect;
}

std::optional<uint32_t> ParseColor(const std::wstring& text) {
  const std::wstring value = AsciiLower(TrimBlanks(text));
  if (GetField(value, L',', 0) != L"rgb") return 0u;
  uint32_t color = 0;
  for (int k = 0; k < 3; ++k) {
    const auto part = ParseDecimal(GetField(value, L',', k + 1));
    if (!part) return std::nullopt;
    color |= (static_cast<uint32_t>(*part) & 0xFF) << (8 * k);
  }
  return color;
}

std::wstring IntToHexText(uint32_t value, int minDigits) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  const size_t width = static_cast<size_t>(std::clamp(minDigits, 1, 32));
  std::wstring digits;
  do {
    digits.push_back(kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (digits.size() < width) digits.append(width - digits.size(), L'0');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

uint32_t HexTextToInt(const std::wstring& text) {
  uint32_t value = 0;
  for (const wchar_t c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint32_t>(digit);  // high digits beyond 8 shift out
  }
  return value;
}

}  // namespace framework
