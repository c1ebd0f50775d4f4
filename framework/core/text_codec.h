// Byte <-> UTF-16 conversions for the text files the suite reads. A std::wstring always holds UTF-16
// code units, also where wchar_t is 32 bits wide, so texts compare the same on every platform.
#pragma once
#include <string>

namespace framework {

// Decodes a byte string of the system's 8-bit code page. IniFile takes one of these so that tests can
// pin the code page; production passes SystemCodePageToWide (file_io.h).
using AnsiDecoder = std::wstring (*)(const std::string& bytes);

// UTF-8 to UTF-16; ill-formed sequences become U+FFFD, characters above U+FFFF surrogate pairs.
std::wstring DecodeUtf8(const std::string& bytes);
// True when the bytes are well-formed UTF-8 (no overlong forms, no encoded surrogates).
bool IsWellFormedUtf8(const std::string& bytes);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(const std::wstring& text);
// Windows-1252; the five bytes it leaves undefined map to the C1 controls of the same value, as
// Windows' own table does.
std::wstring DecodeCp1252(const std::string& bytes);

// The whole content of a text file: UTF-16LE or UTF-16BE with a byte-order mark, UTF-8 with a BOM,
// well-formed UTF-8 without one, else the system code page through `ansi`. The BOM is not part of the
// result. A trailing odd byte of a UTF-16 file is dropped.
std::wstring DecodeTextFile(const std::string& bytes, AnsiDecoder ansi);

}  // namespace framework
