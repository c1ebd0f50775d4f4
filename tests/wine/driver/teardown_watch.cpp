#include "tests/wine/driver/teardown_watch.h"

#include <map>
#include <mutex>
#include <set>

namespace driver {
namespace {

std::mutex guard;
std::map<HWND, WNDPROC> previousProcedures;
std::set<HWND> tornDown;

LRESULT CALLBACK Watch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = nullptr;
  {
    std::lock_guard<std::mutex> lock(guard);
    previous = previousProcedures[hwnd];
    if (message == WM_NCDESTROY) {
      tornDown.insert(hwnd);
      previousProcedures.erase(hwnd);
    }
  }
  return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

}  // namespace

void WatchTeardown(HWND window) {
  std::lock_guard<std::mutex> lock(guard);
  tornDown.erase(window);
  previousProcedures[window] =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Watch)));
}

bool SawTeardown(HWND window) {
  std::lock_guard<std::mutex> lock(guard);
  return tornDown.count(window) > 0;
}

}  // namespace driver
