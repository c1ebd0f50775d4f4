// The skin bitmaps of one form and the drawing primitives the control skins use.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/core/outline.h"
#include "skin/core/skin_names.h"
#include "skin/core/skin_tag.h"
#include "skin/core/slot_table.h"
#include "skin/win32/dib_bitmap.h"

namespace skin {

class GraphicEngine {
 public:
  // Bitmaps from the language folder of languageId (0: the user's default, asked at load time),
  // falling back to "English".
  GraphicEngine(uint16_t languageId, SlotTable table);
  // Bitmaps from fixed files (the pairing tool's data folder).
  explicit GraphicEngine(SlotPlan fixedPlan);
  GraphicEngine(const GraphicEngine&) = delete;
  GraphicEngine& operator=(const GraphicEngine&) = delete;

  // Fills the slots of the table. Missing files, and files that are not valid bitmaps, leave their
  // slot empty; the other slots still load.
  void LoadBitmaps();
  std::wstring LanguageFolder() const;
  uint16_t languageId() const { return languageId_; }

  // The slot's bitmap; an empty bitmap for a slot outside 0..29.
  const DibBitmap& Bitmap(int slot) const;

  // A folder to look in after the language folder and "English" (see LanguageFolderPlan), e.g.
  // kSharedSkinFolder; none by default. Set before LoadBitmaps.
  void SetSharedFolder(std::wstring folder) { sharedFolder_ = std::move(folder); }
  // The language files that name what the bitmaps show (screen-reader names of the controls). By
  // default the suite's "..\Texts\" files of the engine's language; set before LoadBitmaps.
  void SetNameFiles(std::vector<std::wstring> files) { nameFiles_ = std::move(files); }
  // The text the slot's bitmap shows (its caption, or the meaning of its symbol) in the engine's
  // language; "" when the bitmap shows none or the slot lies outside 0..29. Read by LoadBitmaps.
  std::wstring SlotName(int slot) const;

  // Cuts cell (column, row) of width x height out of source into target; returns target.
  static DibBitmap& CopySlice(int column, int row, int width, int height, const DibBitmap& source,
                              DibBitmap& target);
  static void DrawNineGrid(HDC canvas, const DibBitmap& source, int x, int y, int width, int height);
  // Nine-grid over the canvas's whole clip rectangle; a source whose height is not a multiple of 3
  // replaces textColour (a COLORREF) with the colour of its pixel (0, 3 * (height / 3)).
  static void DrawNineGridWithTextColour(HDC canvas, const DibBitmap& source,
                                         std::optional<uint32_t>& textColour);
  static void StretchDraw(HDC canvas, const DibBitmap& bitmap, int x, int y, int width, int height);
  // The bitmap at its own size at (x, y).
  static void Draw(HDC canvas, const DibBitmap& bitmap, int x, int y);
  // Applies the canvas's outline to the window when it differs from `cached` (which then takes the
  // new outline). True when a region was applied.
  static bool ShapeFromCanvas(HWND window, Outline& cached, const DibBitmap& canvas);
  // The text in the ANSI code page with DrawTextA, unclipped, in the canvas's current font.
  static void DrawAnsiText(HDC canvas, const std::wstring& text, int x, int y);

 private:
  uint16_t languageId_ = 0;
  SlotTable table_;
  std::optional<SlotPlan> fixedPlan_;
  std::wstring sharedFolder_;
  std::array<DibBitmap, kSlotCount> bitmaps_;
  std::optional<std::vector<std::wstring>> nameFiles_;
  std::array<std::wstring, kSlotCount> names_;
};

}  // namespace skin
