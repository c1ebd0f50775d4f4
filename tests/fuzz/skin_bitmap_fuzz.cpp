// A skin file as the skin's loader checks it, and the fallback decision every control makes from it:
// whatever the layout accepts lies inside the file, and every kind of control and fill style gets a
// decision.
#include <cstdlib>
#include <optional>
#include <string>

#include "skin/core/bitmap_file.h"
#include "skin/core/skin_fallback.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto layout = skin::ParseBitmapFile(bytes)) {
    if (layout->pixelOffset >= bytes.size() || layout->infoOffset + layout->infoSize > bytes.size() ||
        layout->width <= 0 || layout->height <= 0) {
      std::abort();
    }
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
