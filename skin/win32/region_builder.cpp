#include "skin/win32/region_builder.h"

#include <algorithm>
#include <vector>

namespace skin {

HRGN RegionFromOutline(const Outline& outline) {
  if (outline.empty()) return CreateRectRgn(0, 0, 0, 0);
  // RGNDATA header followed by the rectangles, in storage aligned for RECT.
  const size_t headerRects = (sizeof(RGNDATAHEADER) + sizeof(RECT) - 1) / sizeof(RECT);
  std::vector<RECT> storage(headerRects + outline.size());
  auto* data = reinterpret_cast<RGNDATA*>(storage.data());
  RECT* rects = reinterpret_cast<RECT*>(data->Buffer);
  size_t count = 0;
  RECT bounds = {outline[0].left, outline[0].y, outline[0].right, outline.back().y + 1};
  for (const RowSpan& span : outline) {
    // Rows that repeat the span above extend its rectangle: the same region in fewer rectangles.
    RECT* last = count > 0 ? &rects[count - 1] : nullptr;
    if (last != nullptr && last->bottom == span.y && last->left == span.left && last->right == span.right) {
      last->bottom = span.y + 1;
    } else {
      rects[count++] = {span.left, span.y, span.right, span.y + 1};
    }
    bounds.left = std::min<LONG>(bounds.left, span.left);
    bounds.right = std::max<LONG>(bounds.right, span.right);
  }
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  data->rdh.rcBound = bounds;
  const DWORD bytes = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  return ExtCreateRegion(nullptr, bytes, data);
}

}  // namespace skin
