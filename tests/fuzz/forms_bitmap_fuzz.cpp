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
  uint16_t bits;
  uint32_t compression, imageSize;
  std::memcpy(&width, contents->info.data() + 4, 4);
  std::memcpy(&bits, contents->info.data() + 14, 2);
  std::memcpy(&compression, contents->info.data() + 16, 4);
  std::memcpy(&imageSize, contents->info.data() + 20, 4);
  if (width != contents->width) std::abort();
  // What GDI reads from bitsOffset on, given this header: run-length data of biSizeImage bytes, or
  // whole rows. It must all be in the file.
  const uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} * bits + 31) / 32 * 4;
  const uint64_t pixelBytes = compression == 1 || compression == 2 ? imageSize : rowBytes * contents->height;
  if (pixelBytes == 0 || pixelBytes > bytes.size() - contents->bitsOffset) std::abort();
  return 0;
}
