#include "simulator/flash_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sim {
namespace {

constexpr uint16_t kConfigPageWord = 0x2700;
constexpr uint16_t kMouseSlot0Word = kConfigPageWord + 114;

// Reads at most one byte beyond the expected size, enough to tell a too-long file.
bool ReadImageBytes(FILE* file, std::vector<uint8_t>* bytes) {
  bytes->resize(kFlashImageBytes + 1);
  const size_t n = std::fread(bytes->data(), 1, bytes->size(), file);
  bytes->resize(n);
  return std::ferror(file) == 0;
}

ImageLoad LoadExisting(const std::string& path, FILE* file, FlashWords* words, std::string* error) {
  std::vector<uint8_t> bytes;
  const bool ok = ReadImageBytes(file, &bytes);
  std::fclose(file);
  if (!ok) {
    *error = path + ": cannot read the flash image";
    return ImageLoad::kFailed;
  }
  if (bytes.size() != kFlashImageBytes) {
    *error = path + ": flash image has " + (bytes.size() > kFlashImageBytes ? "more than " : "") +
             std::to_string(bytes.size()) + " bytes, expected " + std::to_string(kFlashImageBytes);
    return ImageLoad::kFailed;
  }
  words->assign(kFlashImageBytes / 2, 0);
  for (size_t k = 0; k < words->size(); ++k) {
    (*words)[k] = static_cast<uint16_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8));
  }
  return ImageLoad::kLoaded;
}

bool IsCompleteImage(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::vector<uint8_t> bytes;
  const bool ok = ReadImageBytes(file, &bytes);
  std::fclose(file);
  return ok && bytes.size() == kFlashImageBytes;
}

}  // namespace

FlashWords FactoryFlash(const Scenario& scenario) {
  FlashWords words(kFlashImageBytes / 2, kErasedWord);
  if (scenario.generation == 104) {
    words[kGenerationWord] = 0xA400;
  } else {
    words[kGenerationWord] = kUnmarkedGenerationWord;
    if (scenario.generation >= 0 && scenario.generation < 100) {
      const int g = scenario.generation;
      words[kGenerationFallbackWord] = static_cast<uint16_t>(0xA400 | ((g / 10) << 4) | (g % 10));
    }
  }
  if (scenario.mouseSlot0Fresh) {
    words[kMouseSlot0Word] = 0x00EE;
    words[kMouseSlot0Word + 1] = 0xEEEE;
  }
  return words;
}

ImageLoad LoadFlashImage(const std::string& path, FlashWords* words, std::string* error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file) return LoadExisting(path, file, words, error);
  if (errno != ENOENT) {
    *error = path + ": cannot open the flash image (" + std::strerror(errno) + ")";
    return ImageLoad::kFailed;
  }
  const std::string pending = path + ".tmp";
  if (!IsCompleteImage(pending) || std::rename(pending.c_str(), path.c_str()) != 0) {
    return ImageLoad::kMissing;
  }
  file = std::fopen(path.c_str(), "rb");
  if (!file) {
    *error = path + ": cannot open the flash image (" + std::strerror(errno) + ")";
    return ImageLoad::kFailed;
  }
  return LoadExisting(path, file, words, error);
}

bool SaveFlashImage(const std::string& path, const FlashWords& words, std::string* error) {
  std::vector<uint8_t> bytes(kFlashImageBytes);
  for (size_t k = 0; k < words.size() && 2 * k + 1 < bytes.size(); ++k) {
    bytes[2 * k] = static_cast<uint8_t>(words[k] & 0xFF);
    bytes[2 * k + 1] = static_cast<uint8_t>(words[k] >> 8);
  }
  const std::string pending = path + ".tmp";
  FILE* file = std::fopen(pending.c_str(), "wb");
  if (!file) {
    *error = pending + ": cannot create the flash image (" + std::strerror(errno) + ")";
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(pending.c_str());
    *error = pending + ": cannot write the flash image";
    return false;
  }
  // Windows' rename refuses an existing target: remove it first. A crash in between leaves the
  // complete "<path>.tmp", which LoadFlashImage takes over.
  if (std::rename(pending.c_str(), path.c_str()) != 0 &&
      (std::remove(path.c_str()) != 0 || std::rename(pending.c_str(), path.c_str()) != 0)) {
    *error = path + ": cannot replace the flash image (" + std::strerror(errno) + ")";
    return false;
  }
  return true;
}

}  // namespace sim
