#include "skin/win32/shape_window.h"

#include "skin/win32/bitmap_outline.h"
#include "skin/win32/region_builder.h"

namespace skin {

int ShapeWindowFromImage(HWND window, HWND image) {
  if (!IsWindow(window) || !IsWindow(image)) return 0;
  auto picture = reinterpret_cast<HBITMAP>(SendMessageW(image, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (picture == nullptr) return 0;
  RECT client = {};
  GetClientRect(image, &client);
  HRGN region = RegionFromOutline(OutlineOfBitmap(picture, Size{client.right, client.bottom}));
  if (region == nullptr) return 0;
  const int result = SetWindowRgn(window, region, TRUE);
  if (result == 0) DeleteObject(region);  // the window took ownership only on success
  return result;
}

}  // namespace skin
