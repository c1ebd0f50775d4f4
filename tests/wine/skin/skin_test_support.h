// Shared pieces of the skin's Wine tests: generated skin bitmaps, test forms built from raw child
// windows with the component properties, pixel reads, object counters and screenshots.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace skintest {

inline constexpr COLORREF kKey = RGB(255, 0, 255);
inline constexpr COLORREF kFormColour = RGB(236, 233, 216);

// Fill colours of the four cells of each generated skin bitmap.
struct CellColours {
  COLORREF cell[4];
};
inline constexpr CellColours kOkColours = {{RGB(0, 90, 200), RGB(0, 170, 80), RGB(0, 40, 120), RGB(150, 150, 150)}};
inline constexpr CellColours kGermanOkColours = {{RGB(200, 40, 40), RGB(230, 90, 90), RGB(120, 0, 0), RGB(90, 90, 90)}};
inline constexpr CellColours kCheckColours = {{RGB(250, 250, 250), RGB(255, 255, 180), RGB(220, 0, 0), RGB(255, 140, 0)}};
inline constexpr CellColours kRadioColours = {{RGB(200, 200, 255), RGB(150, 150, 255), RGB(0, 0, 200), RGB(0, 0, 120)}};
inline constexpr CellColours kComboColours = {{RGB(0, 128, 128), RGB(0, 200, 200), RGB(0, 64, 64), RGB(128, 128, 128)}};
inline constexpr CellColours kCloseColours = {{RGB(180, 30, 30), RGB(230, 60, 60), RGB(110, 10, 10), RGB(140, 140, 140)}};

using PixelSource = std::function<COLORREF(int x, int y)>;

// A 24-bit bottom-up BMP file.
bool WriteBmp(const std::wstring& path, int width, int height, const PixelSource& pixel);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

// Four cells side by side, each a rounded rectangle of its colour on the key colour. Cell 1 gets a
// larger corner radius, so that hover changes the outline.
PixelSource RoundedCells(int cellWidth, int height, const CellColours& colours);
// Four cells, each filled with its colour.
PixelSource SolidCells(int cellWidth, const CellColours& colours);
// A rounded rectangle of `inside` (with a lighter band) on the key colour.
PixelSource RoundedPanel(int width, int height, int radius, COLORREF inside);

// The temporary layout Lustrea.dll works in: <root>\English\*.bmp, <root>\German\OK.bmp,
// <root>\Lustrea\Lustrea.dll. Made once per run; the current directory is <root>.
struct SkinFolder {
  std::wstring root;
  bool Create(const std::wstring& builtDll);
  std::wstring Path(const std::wstring& relative) const { return root + relative; }
};
SkinFolder& TestFolder();

// The two exports of the loaded library.
using NewLustreaFn = void(WINAPI*)(HWND, DWORD);
using ActiveLustreaFn = void(WINAPI*)();
struct LustreaDll {
  HMODULE module = nullptr;
  NewLustreaFn newLustrea = nullptr;
  ActiveLustreaFn activeLustrea = nullptr;
};
LustreaDll& Dll();

// Test forms. The form's window procedure closes it (DestroyWindow) on any WM_COMMAND when made with
// closeOnCommand.
HWND CreateForm(int width, int height, bool closeOnCommand = false);
HWND AddControl(HWND form, const wchar_t* windowClass, DWORD style, const wchar_t* componentClass,
                const wchar_t* name, const wchar_t* caption, int tag, int x, int y, int width, int height);
HWND AddImage(HWND form, HBITMAP picture, int x, int y);
// Removes the component properties (releasing their atoms) and destroys the form.
void DestroyForm(HWND form);
// Shows the form and lets every pending paint run.
void ShowAndSettle(HWND form);
void Pump();

// A complete form skinned through the library and shaped: background image, OK and close buttons,
// a checked check box, two radio buttons, a combo box. The caller frees the background after
// destroying the form.
HWND SkinnedDemoForm(HBITMAP background);
HBITMAP DemoBackground();
HWND FindComponent(HWND form, const wchar_t* name);

// The pixel of the control's client point, as the screen shows it (read through the form's DC).
COLORREF ControlPixel(HWND control, int x, int y);
SIZE WindowSize(HWND window);

// A DIB section HBITMAP of the given pixels (caller owns it).
HBITMAP MakeBitmap(int width, int height, const PixelSource& pixel);

// Live GDI objects of this process (handle values walked with GetObjectType: GetGuiResources
// returns 0 under Wine), and live USER objects (windows and menus of this process).
int CountGdiObjects();
int CountUserObjects();

// The window's screen rectangle as a PNG.
bool Screenshot(HWND window, const std::wstring& path);
std::wstring& OutputFolder();

}  // namespace skintest
