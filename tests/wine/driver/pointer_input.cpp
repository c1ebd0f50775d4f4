#include "tests/wine/driver/pointer_input.h"

namespace driver {
namespace {

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool ClickAt(POINT screen) {
  // Absolute coordinates run 0..65535 over the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const LONG x = static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1));
  const LONG y = static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1));
  INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
  if (SendInput(1, &move, sizeof(INPUT)) != 1) return false;
  SetCursorPos(screen.x, screen.y);
  Sleep(150);  // a press arriving with the move can be lost
  INPUT press[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  if (SendInput(1, &press[0], sizeof(INPUT)) != 1) return false;
  Sleep(60);
  return SendInput(1, &press[1], sizeof(INPUT)) == 1;
}

POINT CentreOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND WindowAt(POINT screen) { return WindowFromPoint(screen); }

bool PressKey(WORD virtualKey, bool shift) {
  INPUT keys[4];
  UINT count = 0;
  if (shift) keys[count++] = KeyInput(VK_SHIFT, false);
  keys[count++] = KeyInput(virtualKey, false);
  keys[count++] = KeyInput(virtualKey, true);
  if (shift) keys[count++] = KeyInput(VK_SHIFT, true);
  const UINT sent = SendInput(count, keys, sizeof(INPUT));
  Sleep(100);
  return sent == count;
}

}  // namespace driver
