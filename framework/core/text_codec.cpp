#include "framework/core/text_codec.h"

#include <cstdint>

namespace framework {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::wstring& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<wchar_t>(cp));
  }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, or 0 when it is ill-formed.
size_t DecodeUtf8Sequence(const std::string& bytes, size_t i, char32_t& cp) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  size_t length;
  char32_t min;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, min = 0x80, cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, min = 0x800, cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

std::wstring DecodeUtf16(const std::string& bytes, size_t start, bool bigEndian) {
  std::wstring out;
  out.reserve((bytes.size() - start) / 2);
  for (size_t i = start; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<uint8_t>(bytes[bigEndian ? i + 1 : i]);
    const auto hi = static_cast<uint8_t>(bytes[bigEndian ? i : i + 1]);
    out.push_back(static_cast<wchar_t>(lo | (hi << 8)));
  }
  return out;
}

bool StartsWith(const std::string& bytes, const char* prefix, size_t length) {
  return bytes.compare(0, length, prefix, length) == 0;
}

}  // namespace

std::wstring DecodeUtf8(const std::string& bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(bytes, i, cp);
    if (length == 0) {
      AppendUtf16(out, kReplacement);
      ++i;  // resynchronise on the next byte
    } else {
      AppendUtf16(out, cp);
      i += length;
    }
  }
  return out;
}

bool IsWellFormedUtf8(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size();) {
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(bytes, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string EncodeUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = static_cast<char32_t>(text[i]) & 0xFFFF;  // one UTF-16 unit per wchar_t
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::wstring DecodeCp1252(const std::string& bytes) {
  // 0x80-0x9F; 0 marks the undefined bytes, which keep their own value.
  static const char16_t kHigh[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::wstring out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    const char16_t mapped = (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : 0;
    out.push_back(static_cast<wchar_t>(mapped ? mapped : b));
  }
  return out;
}

std::wstring DecodeTextFile(const std::string& bytes, AnsiDecoder ansi) {
  if (StartsWith(bytes, "\xFF\xFE", 2)) return DecodeUtf16(bytes, 2, false);
  if (StartsWith(bytes, "\xFE\xFF", 2)) return DecodeUtf16(bytes, 2, true);
  if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) return DecodeUtf8(bytes.substr(3));
  if (IsWellFormedUtf8(bytes)) return DecodeUtf8(bytes);
  return ansi ? ansi(bytes) : DecodeCp1252(bytes);
}

}  // namespace framework
