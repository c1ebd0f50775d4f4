// A picture file as the forms layer checks it before handing it to GDI: whatever it accepts must lie
// inside the file, and the header it builds must describe what it accepted.
#include <cstdlib>
#include <cstring>
#include <string>

#include "forms/core/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto contents = forms::ParseBmp(bytes);
  if (!contents) return 0;
  if (contents->bitsOffset >= bytes.size() || contents->width <= 0 || contents->height <= 0 ||
      contents->info.size() < 40) {
    std::abort();
  }
  int32_t width;
  std::memcpy(&width, contents->info.data() + 4, 4);
  if (width != contents->width) std::abort();
  return 0;
}
