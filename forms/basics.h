// Small value types shared by every class of the forms layer.
#pragma once
#include <windows.h>

#include <functional>

namespace forms {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class MouseButton { kLeft, kRight, kMiddle };

using NotifyHandler = std::function<void()>;
// Coordinates are client coordinates of the control that was pressed.
using MouseHandler = std::function<void(MouseButton button, int x, int y)>;

// Modal results as the suite's dialogs return them.
namespace modal {
constexpr int kNone = 0;
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kAbort = 3;
constexpr int kRetry = 4;
constexpr int kIgnore = 5;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace modal

}  // namespace forms
