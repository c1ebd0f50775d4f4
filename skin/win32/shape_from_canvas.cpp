// GraphicEngine::ShapeFromCanvas: runs on every paint of a shaped control, mouse moves included, so
// the outline is read straight from the canvas's pixels and a region is only built when it changed.
#include "skin/win32/graphic_engine.h"
#include "skin/win32/bitmap_outline.h"
#include "skin/win32/region_builder.h"

namespace skin {

bool GraphicEngine::ShapeFromCanvas(HWND window, Outline& cached, const DibBitmap& canvas) {
  Outline outline = OutlineOfDib(canvas);
  if (outline == cached) return false;
  HRGN region = RegionFromOutline(outline);
  if (region == nullptr) return false;
  // On success the window owns the region; it frees it when it gets another or is destroyed.
  if (SetWindowRgn(window, region, TRUE) == 0) {
    DeleteObject(region);
    return false;
  }
  cached = std::move(outline);
  return true;
}

}  // namespace skin
