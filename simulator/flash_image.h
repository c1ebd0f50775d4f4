// The receiver's flash as words, its factory content, and its image file: 131,072 bytes, word k at
// bytes 2k (low) and 2k+1 (high).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "simulator/scenario.h"

namespace sim {

using FlashWords = std::vector<uint16_t>;  // always 65,536 words

constexpr size_t kFlashImageBytes = 131072;
constexpr uint16_t kErasedWord = 0xFFFF;
constexpr uint16_t kGenerationWord = 0x058F;          // high byte 0xA4 marks generation 104
constexpr uint16_t kGenerationFallbackWord = 0x2701;  // 0xA4 then the generation's two decimal digits
constexpr uint16_t kUnmarkedGenerationWord = 0x1234;  // any high byte but 0xA4 at 0x058F

// Erased flash carrying the scenario's generation words and, if asked for, the 0xEEEEEE that fresh
// receivers hold in mouse slot 0 (configuration page words 114 and 115).
FlashWords FactoryFlash(const Scenario& scenario);

enum class ImageLoad { kLoaded, kMissing, kFailed };

// kMissing when the file does not exist (words untouched); kFailed with a message naming the file
// when it cannot be read or has the wrong size. A complete "<path>.tmp" left by a save interrupted
// between its two renames is taken over as the image.
ImageLoad LoadFlashImage(const std::string& path, FlashWords* words, std::string* error);

// Writes "<path>.tmp" completely, then renames it over the image, so that the image on disk is always
// either the old or the new content.
bool SaveFlashImage(const std::string& path, const FlashWords& words, std::string* error);

}  // namespace sim
