// A skin file as the skin's loader checks it, and the fallback decision every control makes from it:
// whatever the layout accepts lies inside the file, and every kind of control and fill style gets a
// decision.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "skin/core/bitmap_file.h"
#include "skin/core/skin_fallback.h"

namespace {

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
  return v;
}

uint64_t PixelBytesGdiReads(const std::string& bytes, const skin::BitmapFileLayout& layout) {
  const bool core = U32(bytes, 14) == 12;
  const uint32_t bits = core ? static_cast<uint8_t>(bytes[24]) | static_cast<uint8_t>(bytes[25]) << 8
                             : (U32(bytes, 28) & 0xFFFF);
  const uint32_t compression = core ? 0 : U32(bytes, 30);
  if (compression == 1 || compression == 2) {
    const uint32_t imageSize = U32(bytes, 34);
    return imageSize == 0 ? UINT64_MAX : imageSize;  // 0: the decoder runs until its end mark
  }
  return (uint64_t{static_cast<uint32_t>(layout.width)} * bits + 31) / 32 * 4 * layout.height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto layout = skin::ParseBitmapFile(bytes)) {
    if (layout->pixelOffset >= bytes.size() || layout->infoOffset + layout->infoSize > bytes.size() ||
        layout->width <= 0 || layout->height <= 0) {
      std::abort();
    }
    // GDI is handed the file's own header: it reads biSizeImage bytes of run-length data, or whole
    // rows otherwise, from the pixel offset on. All of them must be in the file.
    if (PixelBytesGdiReads(bytes, *layout) > bytes.size() - layout->pixelOffset) std::abort();
  }
  const std::optional<std::string> file = bytes;
  for (int kind : {int{skin::kKindButton}, int{skin::kKindCheckBox}, int{skin::kKindRadioButton},
                   int{skin::kKindComboBox}, 7}) {
    for (skin::FillStyle fill : {skin::FillStyle::Stretch, skin::FillStyle::NineGrid, skin::FillStyle::Plain,
                                 skin::FillStyle::NineGridWithTextColour, skin::FillStyle::Unknown}) {
      skin::SkinFaultName(skin::ControlSkinFaultOfFile(file, kind, fill));
    }
  }
  return 0;
}
