// Files an installation or a user profile can hold that no program of the suite wrote: for tests
// that start a real program on them and expect it to show what it could read and write nothing.
#pragma once
#include <cstdint>
#include <string>

namespace driver {

// `size` bytes of noise, the same for the same seed.
std::string NoiseBytes(size_t size, uint32_t seed);
// Adds a line of about 1 MB with zeros inside it to a language file, in the file's own encoding
// (UTF-16 when it starts with a byte-order mark, bytes otherwise), under `key`.
bool AddHugeLine(const std::wstring& path, const std::string& key);
// Cuts the pixel data of a run-length bitmap to a third and leaves its header as it was, so the
// runs it promises reach past the end of the file.
bool CutRunLengthData(const std::wstring& path);

}  // namespace driver
