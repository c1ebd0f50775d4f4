// What the fuzz targets share: cutting one input into several files, and a private scratch folder
// for targets whose code under test reads files by path.
#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

// Parts of an input that stands for several files are separated by this marker (the dictionaries
// hold it, so the fuzzer moves it around as one piece).
inline const std::string kPartMarker = std::string("\0\0==PART==\0\0", 12);

// The input cut at each marker; always exactly `count` parts (missing ones empty, the last takes
// the rest).
inline std::vector<std::string> SplitParts(const uint8_t* data, size_t size, size_t count) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  size_t start = 0;
  while (parts.size() + 1 < count) {
    const size_t at = all.find(kPartMarker, start);
    if (at == std::string::npos) break;
    parts.push_back(all.substr(start, at - start));
    start = at + kPartMarker.size();
  }
  parts.push_back(all.substr(std::min(start, all.size())));
  parts.resize(count);
  return parts;
}

// A folder of this process, made once and reused by every run (ends with '/').
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/suite-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
  }();
  return folder;
}

// Writes (or, for nullptr, removes) the file at ScratchFolder() + relativePath; folders on the way
// must exist.
inline void PutFile(const std::string& relativePath, const std::string* bytes) {
  const std::string path = ScratchFolder() + relativePath;
  if (!bytes) {
    std::remove(path.c_str());
    return;
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes->data(), 1, bytes->size(), f);
  std::fclose(f);
}

inline std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace fuzz
