// Counting this process's live GDI and USER objects, for leak tests.
//
// GetGuiResources reports 0 under Wine, so GDI objects are counted by walking the handle table:
// under Wine a handle value made of the table index alone names the live entry at that index, and
// GetObjectType says whether it is live. On Windows, where GetGuiResources works, that count is used.
// USER objects are counted as this process's windows (top-level and all descendants); the layer
// creates no menus, cursors or icons.
//
// Wine allocates a few dozen GDI objects once, the first time a process shows a dialog-like window,
// and a per-thread "IME" window with the first edit control: run one uncounted warm-up cycle before
// taking the first count.
#pragma once

namespace driver {

struct GdiCounts {
  int total = 0;
  int dcs = 0;
  int bitmaps = 0;
  int brushes = 0;
  int fonts = 0;
  int regions = 0;
  int other = 0;
};

GdiCounts CountGdiObjects();
int CountProcessWindows();

}  // namespace driver
