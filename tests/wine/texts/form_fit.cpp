#include "tests/wine/texts/form_fit.h"

#include "framework/core/text_codec.h"
#include "tests/wine/driver/driver.h"

namespace fit_test {
namespace {

struct Part {
  HWND window;
  RECT rect;  // in the form's client coordinates
  std::wstring name;
  std::wstring text;
  bool image;
  RECT ink;  // the part of `rect` the text takes (a fixed-size label may be taller than its lines)
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

BOOL CALLBACK AddPart(HWND child, LPARAM context) {
        auto& list = *reinterpret_cast<std::vector<Part>*>(context);
        if (!IsWindowVisible(child)) return TRUE;
        Part part{child, {}, driver::ComponentName(child), driver::GetText(child), false, {}};
        GetWindowRect(child, &part.rect);
        MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&part.rect), 2);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const std::wstring kind = ClassOf(child);
        part.image = _wcsicmp(kind.c_str(), L"STATIC") == 0 &&
                     ((style & SS_TYPEMASK) == SS_BITMAP || (style & SS_TYPEMASK) == SS_ICON);
        // An edit shows the user's own text (a device name), a combo box a list: not texts of the suite.
        // A check box, radio button or title-bar symbol is drawn from the skin's bitmaps: its window
        // text only names it for screen readers.
        const LONG type = style & BS_TYPEMASK;
        if (_wcsicmp(kind.c_str(), L"BUTTON") == 0 &&
            ((type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) || part.rect.right - part.rect.left < 40)) {
          part.text.clear();
        }
        if (_wcsicmp(kind.c_str(), L"EDIT") == 0 || _wcsicmp(kind.c_str(), L"COMBOBOX") == 0) part.text.clear();
        list.push_back(part);
        return TRUE;
}

std::vector<Part> VisibleParts(HWND form) {
  std::vector<Part> parts;
  EnumChildWindows(form, AddPart, reinterpret_cast<LPARAM>(&parts));
  return parts;
}

// Why the text does not fit the control's own bounds, or "". Sets the part's ink rectangle.
std::string MeasureAgainstBounds(Part& part) {
  const int width = part.rect.right - part.rect.left, height = part.rect.bottom - part.rect.top;
  HDC dc = GetDC(part.window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(part.window, WM_GETFONT, 0, 0)));
  const UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
  RECT one = {0, 0, 0, 0};
  DrawTextW(dc, part.text.c_str(), -1, &one, flags);
  RECT wrapped = {0, 0, width, 0};
  DrawTextW(dc, part.text.c_str(), -1, &wrapped, flags | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(part.window, dc);
  part.ink = part.rect;
  if (_wcsicmp(ClassOf(part.window).c_str(), L"STATIC") == 0) {
    // Left-aligned lines from the top: what the text covers of the label.
    const bool oneLine = one.right <= width;
    const LONG lines = oneLine ? one.bottom : wrapped.bottom;
    const LONG across = oneLine ? one.right : wrapped.right;
    part.ink.bottom = part.rect.top + (lines < height ? lines : height);
    part.ink.right = part.rect.left + (across < width ? across : width);
  }
  if (one.right <= width && one.bottom <= height) return "";
  if (wrapped.right <= width && wrapped.bottom <= height) return "";
  return "needs " + std::to_string(one.right) + " x " + std::to_string(one.bottom) + " (wrapped " +
         std::to_string(wrapped.right) + " x " + std::to_string(wrapped.bottom) + ") in " + std::to_string(width) +
         " x " + std::to_string(height);
}

bool Contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

}  // namespace

void CheckForm(HWND form, const std::string& where, Tally& tally) {
  RECT client;
  GetClientRect(form, &client);
  std::vector<Part> parts = VisibleParts(form);
  std::vector<std::string> fits(parts.size());
  for (size_t i = 0; i < parts.size(); ++i) {
    parts[i].ink = parts[i].rect;
    if (!parts[i].text.empty() && !parts[i].image) fits[i] = MeasureAgainstBounds(parts[i]);
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    const Part& part = parts[i];
    if (part.text.empty() || part.image) continue;
    ++tally.checked;
    std::string why = fits[i];
    if (why.empty() && !Contains(client, part.rect)) why = "passes the edge of the window";
    for (const Part& other : parts) {
      if (!why.empty()) break;
      RECT overlap;
      if (other.window == part.window || other.image || (other.text.empty() && _wcsicmp(ClassOf(other.window).c_str(), L"STATIC") == 0) ||
          Contains(other.rect, part.rect) || !IntersectRect(&overlap, &part.ink, &other.ink)) {
        continue;
      }
      why = "runs into " + framework::EncodeUtf8(other.name);
    }
    if (why.empty()) {
      ++tally.fit;
    } else {
      tally.misfits.push_back(where + " " + framework::EncodeUtf8(part.name) + " \"" +
                              framework::EncodeUtf8(part.text) + "\": " + why);
    }
  }
}

}  // namespace fit_test
