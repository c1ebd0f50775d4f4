#include "skin_test_support.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "forms/component_props.h"
#include "skin/win32/shape_window.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/driver/screenshot.h"

namespace skintest {
namespace {

bool InsideRounded(int x, int y, int width, int height, int radius) {
  auto outside = [&](int cx, int cy) {
    const int dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy > radius * radius;
  };
  if (x < radius && y < radius) return !outside(radius, radius);
  if (x >= width - radius && y < radius) return !outside(width - 1 - radius, radius);
  if (x < radius && y >= height - radius) return !outside(radius, height - 1 - radius);
  if (x >= width - radius && y >= height - radius) return !outside(width - 1 - radius, height - 1 - radius);
  return true;
}

LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && GetPropW(window, L"CloseOnCommand") != nullptr) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    RemovePropW(window, L"CloseOnCommand");
    forms::RemoveComponentProps(window);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* FormClass() {
  static ATOM atom = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = FormProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinTestForm";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    return RegisterClassW(&wc);
  }();
  return atom ? L"SkinTestForm" : nullptr;
}

// BUTTON with CS_PARENTDC removed: the class style makes a button's own painting ignore its window
// region, so shaped buttons would show their plain face in the cut-away corners.
const wchar_t* ButtonClass() {
  static ATOM atom = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    GetClassInfoExW(nullptr, L"BUTTON", &wc);
    wc.style &= ~CS_PARENTDC;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinTestButton";
    return RegisterClassExW(&wc);
  }();
  return atom ? L"SkinTestButton" : L"BUTTON";
}

HFONT TestFont() {
  static HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  return font;
}

}  // namespace

bool WriteBmp(const std::wstring& path, int width, int height, const PixelSource& pixel) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  std::string bytes(54 + static_cast<size_t>(rowBytes) * height, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  for (int y = 0; y < height; ++y) {
    char* row = &bytes[54 + static_cast<size_t>(height - 1 - y) * rowBytes];
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      row[x * 3] = static_cast<char>(GetBValue(c));
      row[x * 3 + 1] = static_cast<char>(GetGValue(c));
      row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
  }
  return WriteBytes(path, bytes);
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  return driver::WriteFileBytes(path, bytes);
}

PixelSource RoundedCells(int cellWidth, int height, const CellColours& colours) {
  return [=](int x, int y) {
    const int cell = x / cellWidth;
    if (cell > 3) return kKey;
    const int radius = cell == 1 ? 10 : 6;
    return InsideRounded(x % cellWidth, y, cellWidth, height, radius) ? colours.cell[cell] : kKey;
  };
}

PixelSource SolidCells(int cellWidth, const CellColours& colours) {
  return [=](int x, int) { return colours.cell[std::min(x / cellWidth, 3)]; };
}

PixelSource RoundedPanel(int width, int height, int radius, COLORREF inside) {
  return [=](int x, int y) {
    if (!InsideRounded(x, y, width, height, radius)) return kKey;
    if (y < 28) return RGB(40, 70, 120);  // title band
    return inside;
  };
}

bool SkinFolder::Create(const std::wstring& builtDll) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // <base>\Skin is the plug-in folder (the current directory), <base>\Texts its language files.
  const std::wstring base = std::wstring(temp) + L"skin-wine-test-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(base.c_str(), nullptr);
  CreateDirectoryW((base + L"Texts").c_str(), nullptr);
  root = base + L"Skin\\";
  for (const wchar_t* folder : {L"", L"English", L"German", L"Lustrea"}) {
    CreateDirectoryW((root + folder).c_str(), nullptr);
  }
  bool ok = CopyFileW(builtDll.c_str(), Path(L"Lustrea\\Lustrea.dll").c_str(), FALSE) != FALSE;
  ok &= WriteBmp(Path(L"English\\OK.bmp"), 308, 26, RoundedCells(77, 26, kOkColours));
  ok &= WriteBmp(Path(L"German\\OK.bmp"), 308, 26, RoundedCells(77, 26, kGermanOkColours));
  ok &= WriteBmp(Path(L"English\\WindowClose.bmp"), 84, 19, RoundedCells(21, 19, kCloseColours));
  ok &= WriteBmp(Path(L"English\\Check.bmp"), 64, 16, SolidCells(16, kCheckColours));
  ok &= WriteBmp(Path(L"English\\Radio.bmp"), 64, 16, RoundedCells(16, 16, kRadioColours));
  ok &= WriteBmp(Path(L"English\\Combo.bmp"), 84, 21, SolidCells(21, kComboColours));
  // Slot 2: a bitmap header whose pixel rows were cut off; slot 13: not a bitmap at all. Slot 4
  // ("Button.bmp") does not exist.
  std::string truncated(60, '\0');
  truncated[0] = 'B';
  truncated[1] = 'M';
  truncated[14] = 40;
  truncated[18] = 100;
  truncated[22] = 100;
  truncated[26] = 1;
  truncated[28] = 24;
  truncated[10] = 54;
  ok &= WriteBytes(Path(L"English\\Cancel.bmp"), truncated);
  std::string noise(5000, '\0');
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u) >> 3);
  ok &= WriteBytes(Path(L"English\\Web.bmp"), noise);
  // Slot 15 ("Set.bmp"): a header claiming 100000 x 100000 pixels; slot 16 ("Battery.bmp"): a sound
  // bitmap too narrow for four cells.
  std::string absurd = truncated;
  absurd.resize(4000, '\x40');
  for (int at : {18, 22}) {
    absurd[at] = static_cast<char>(0xA0);  // 100000 = 0x000186A0
    absurd[at + 1] = static_cast<char>(0x86);
    absurd[at + 2] = 0x01;
  }
  ok &= WriteBytes(Path(L"English\\Set.bmp"), absurd);
  ok &= WriteBmp(Path(L"English\\Battery.bmp"), 3, 20, SolidCells(1, kOkColours));
  // What the bitmaps show, as the language files say it (UTF-8 reads as well as UTF-16).
  ok &= WriteBytes(base + L"Texts\\English.txt",
                   "[SkinCaptions]\r\nPair=Pair\r\n\r\n[SkinNames]\r\nWindowClose=Close\r\n");
  ok &= WriteBytes(base + L"Texts\\German.txt", "[SkinNames]\r\nWindowClose=Schlie\xc3\x9f" "en\r\n");
  return ok && SetCurrentDirectoryW(root.c_str());
}

SkinFolder& TestFolder() {
  static SkinFolder folder;
  return folder;
}

LustreaDll& Dll() {
  static LustreaDll dll;
  return dll;
}

HWND CreateForm(int width, int height, bool closeOnCommand) {
  HWND form = CreateWindowExW(0, FormClass(), L"Skin test form", WS_POPUP | WS_CLIPCHILDREN, 10, 10,
                              width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  forms::SetComponentProps(form, L"TestForm", L"TForm", 0);
  SetPropW(form, forms::kPropColor, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(kFormColour)));
  if (closeOnCommand) SetPropW(form, L"CloseOnCommand", reinterpret_cast<HANDLE>(1));
  return form;
}

HWND AddControl(HWND form, const wchar_t* windowClass, DWORD style, const wchar_t* componentClass,
                const wchar_t* name, const wchar_t* caption, int tag, int x, int y, int width, int height) {
  if (lstrcmpiW(windowClass, L"BUTTON") == 0) windowClass = ButtonClass();
  HWND control = CreateWindowExW(0, windowClass, caption, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, form, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(TestFont()), FALSE);
  forms::SetComponentProps(control, name, componentClass, tag);
  return control;
}

HWND AddImage(HWND form, HBITMAP picture, int x, int y) {
  HWND image = AddControl(form, L"STATIC", SS_BITMAP, L"TImage", L"im_BackgroundImage", L"", 0, x, y, 0, 0);
  SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  return image;
}

void DestroyForm(HWND form) {
  if (!IsWindow(form)) return;
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    forms::RemoveComponentProps(child);
  }
  DestroyWindow(form);
  Pump();
}

HBITMAP DemoBackground() { return MakeBitmap(360, 219, RoundedPanel(360, 219, 18, RGB(225, 232, 240))); }

HWND SkinnedDemoForm(HBITMAP background) {
  HWND form = CreateForm(360, 219);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_OK", L"OK", 22001, 140, 175, 90, 30);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_WindowClose", L"", 22003, 325, 5, 21, 19);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON | WS_DISABLED, L"TButton", L"bt_Off", L"Off", 22001, 250, 175, 90, 26);
  HWND check = AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_A", L"Mouse enabled", 5, 20, 45, 140, 17);
  AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_B", L"Keyboard enabled", 5, 20, 70, 140, 17);
  HWND radio = AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, L"TRadioButton", L"rb_A", L"", 22012, 200, 45, 16, 16);
  AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON, L"TRadioButton", L"rb_B", L"", 22012, 200, 70, 16, 16);
  HWND combo = AddControl(form, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_A", L"", 6, 20, 110, 145, 200);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Receiver 1"));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  AddControl(form, L"STATIC", 0, L"TLabel", L"lb_Title", L"Skinned form", 0, 14, 6, 200, 16);
  // The image lies below every other control and leaves them alone when it paints.
  HWND image = AddImage(form, background, 0, 0);
  SetWindowLongPtrW(image, GWL_STYLE, GetWindowLongPtrW(image, GWL_STYLE) | WS_CLIPSIBLINGS);
  SetWindowPos(image, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);

  Dll().newLustrea(form, 1033);
  Dll().activeLustrea();
  skin::ShapeWindowFromImage(form, image);
  ShowAndSettle(form);
  return form;
}

HWND FindComponent(HWND form, const wchar_t* name) {
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (forms::ComponentName(child) == name) return child;
  }
  return nullptr;
}

void Pump() {
  MSG message;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(1);
  }
}

void ShowAndSettle(HWND form) {
  ShowWindow(form, SW_SHOWNOACTIVATE);
  UpdateWindow(form);
  Pump();
  GdiFlush();
}

COLORREF ControlPixel(HWND control, int x, int y) {
  HWND form = GetAncestor(control, GA_ROOT);
  POINT point = {x, y};
  MapWindowPoints(control, form, &point, 1);
  HDC dc = GetDCEx(form, nullptr, DCX_CACHE);
  const COLORREF colour = GetPixel(dc, point.x, point.y);
  ReleaseDC(form, dc);
  return colour;
}

SIZE WindowSize(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HBITMAP MakeBitmap(int width, int height, const PixelSource& pixel) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  return bitmap;
}

int CountGdiObjects() { return driver::CountGdiObjects().total; }

int CountUserObjects() { return driver::CountProcessWindows(); }

bool Screenshot(HWND window, const std::wstring& path) {
  return driver::WritePng(driver::CaptureWindow(window), path);
}

std::wstring& OutputFolder() {
  static std::wstring folder;
  return folder;
}

}  // namespace skintest
