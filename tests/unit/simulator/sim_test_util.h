// Helpers shared by the simulator tests: sending commands and files in a scratch folder.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "simulator/receiver.h"

namespace simtest {

inline bool Send(sim::Receiver& r, uint16_t wValue, uint16_t wIndex, uint16_t wLength = 1) {
  std::vector<uint8_t> reply(wLength + 1u);
  uint16_t n = 0;
  return r.ControlIn(wValue, wIndex, wLength, reply.data(), &n);
}

inline bool ReadRecord(sim::Receiver& r, uint16_t selector, std::array<uint8_t, 8>* record) {
  uint16_t n = 0;
  return r.ControlIn(0xB600, selector, 8, record->data(), &n) && n == 8;
}

inline std::array<uint8_t, 8> Status(sim::Receiver& r) {
  std::array<uint8_t, 8> record{};
  EXPECT_TRUE(ReadRecord(r, 6, &record));
  return record;
}

// Loads the two bytes of a word into buffer positions 0 and 1 and programs it as a single word.
inline bool ProgramWord(sim::Receiver& r, uint16_t address, uint16_t value) {
  return Send(r, 0xB504, static_cast<uint16_t>(0 | (value & 0xFF) << 8)) &&
         Send(r, 0xB504, static_cast<uint16_t>(1 | (value & 0xFF00))) &&
         Send(r, 0xB500, address & 0x7FFF);
}

inline bool ProgramBlock(sim::Receiver& r, uint16_t address, const std::array<uint16_t, 32>& words) {
  for (int i = 0; i < 32; ++i) {
    Send(r, 0xB504, static_cast<uint16_t>(2 * i | (words[i] & 0xFF) << 8));
    Send(r, 0xB504, static_cast<uint16_t>((2 * i + 1) | (words[i] & 0xFF00)));
  }
  return Send(r, 0xB500, address | 0x8000);
}

// A file name in the temporary folder that no other test run uses; removes its files afterwards.
class ScratchFiles {
 public:
  ScratchFiles() {
    std::random_device random;
    prefix_ = testing::TempDir() + "simtest_" + std::to_string(random()) + "_";
  }
  ~ScratchFiles() {
    for (const std::string& path : made_) std::remove(path.c_str());
  }
  std::string Path(const std::string& name) {
    const std::string path = prefix_ + name;
    made_.push_back(path);
    made_.push_back(path + ".tmp");
    return path;
  }
  // The bare name, as a scenario beside these files refers to them.
  std::string Name(const std::string& name) const {
    return (prefix_ + name).substr(prefix_.find_last_of("/\\") + 1);
  }

 private:
  std::string prefix_;
  std::vector<std::string> made_;
};

inline void WriteFile(const std::string& path, const std::string& content) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, f) << path;
  std::fwrite(content.data(), 1, content.size(), f);
  std::fclose(f);
}

inline std::string ReadFile(const std::string& path) {
  std::string content;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return content;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) content.append(chunk, n);
  std::fclose(f);
  return content;
}

inline bool FileExists(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

inline uint16_t WordInImage(const std::string& image, uint16_t address) {
  return static_cast<uint16_t>(static_cast<uint8_t>(image[2 * address]) |
                               static_cast<uint8_t>(image[2 * address + 1]) << 8);
}

}  // namespace simtest
