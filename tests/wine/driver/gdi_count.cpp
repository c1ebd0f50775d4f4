#include "tests/wine/driver/gdi_count.h"

#include <windows.h>

namespace driver {

GdiCounts CountGdiObjects() {
  GdiCounts counts;
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) {
    counts.total = static_cast<int>(reported);
    return counts;
  }
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    switch (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) {
      case 0: continue;
      case OBJ_DC:
      case OBJ_MEMDC: ++counts.dcs; break;
      case OBJ_BITMAP: ++counts.bitmaps; break;
      case OBJ_BRUSH: ++counts.brushes; break;
      case OBJ_FONT: ++counts.fonts; break;
      case OBJ_REGION: ++counts.regions; break;
      default: ++counts.other; break;
    }
    ++counts.total;
  }
  return counts;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, &CountChild, count);  // all descendants, not only direct children
  return TRUE;
}

}  // namespace

int CountProcessWindows() {
  int count = 0;
  EnumWindows(&CountTop, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace driver
