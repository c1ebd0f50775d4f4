#include "skin/win32/control_paint.h"

#include "forms/component_props.h"
#include "skin/win32/gdi_raii.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

Size ControlSize(HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring ControlCaption(HWND control) {
  const int length = GetWindowTextLengthW(control);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], length + 1)));
  return text;
}

std::optional<uint32_t> ControlFontColour(HWND control) {
  COLORREF colour = 0;
  if (!forms::ControlFontColor(control, &colour)) return std::nullopt;
  return colour;
}

HFONT ControlFont(HWND control) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

Size TextSize(HDC dc, const std::wstring& text) {
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return {extent.cx, extent.cy};
}

void OutputWork(HWND control, const DibBitmap& work, HDC workDC, OutputMode mode, Outline& cached) {
  const Size size = ControlSize(control);
  auto copy = [&] {
    ControlDC target(control);
    if (mode == OutputMode::TransparentCopy) {
      GdiFlush();
      TransparentBlt(target.get(), 0, 0, size.width, size.height, workDC, 0, 0, size.width,
                     size.height, work.PixelColour(0, 0));
    } else {
      BitBlt(target.get(), 0, 0, size.width, size.height, workDC, 0, 0, SRCCOPY);
    }
  };
  switch (mode) {
    case OutputMode::CopyThenShape:
      copy();
      GraphicEngine::ShapeFromCanvas(control, cached, work);
      break;
    case OutputMode::ShapeCopyShape:
      GraphicEngine::ShapeFromCanvas(control, cached, work);
      copy();
      GraphicEngine::ShapeFromCanvas(control, cached, work);
      break;
    default:
      copy();
      break;
  }
}

}  // namespace skin
