#include "skin/win32/graphic_engine.h"

#include <utility>

#include "framework/core/file_io.h"
#include "framework/core/language.h"

namespace skin {

GraphicEngine::GraphicEngine(uint16_t languageId, SlotTable table)
    : languageId_(languageId), table_(std::move(table)) {}

GraphicEngine::GraphicEngine(SlotPlan fixedPlan) : fixedPlan_(std::move(fixedPlan)) {}

std::wstring GraphicEngine::LanguageFolder() const {
  return framework::LanguageNameFor(languageId_, GetUserDefaultLangID());
}

void GraphicEngine::LoadBitmaps() {
  const SlotPlan plan = fixedPlan_ ? *fixedPlan_ : LanguageFolderPlan(table_, LanguageFolder(), sharedFolder_);
  const SkinNameBook names = SkinNameBook::Open(
      nameFiles_ ? *nameFiles_ : fixedPlan_ ? std::vector<std::wstring>() : LanguageNameFiles(LanguageFolder()));
  for (const SlotSource& source : plan) {
    if (!IsSkinSlot(source.slot)) continue;
    // Read whatever becomes of the bitmap: a control whose picture is broken needs its name most.
    names_[source.slot] = names.NameOf(source.nameKey);
    DibBitmap& bitmap = bitmaps_[source.slot];
    for (const std::wstring& candidate : source.candidates) {
      if (!framework::FileExists(candidate)) continue;
      // The first existing file decides; a corrupt one leaves the slot empty.
      bitmap.LoadFromFile(candidate);
      break;
    }
  }
}

std::wstring GraphicEngine::SlotName(int slot) const {
  return IsSkinSlot(slot) ? names_[slot] : std::wstring();
}

const DibBitmap& GraphicEngine::Bitmap(int slot) const {
  static const DibBitmap kEmpty;
  return IsSkinSlot(slot) ? bitmaps_[slot] : kEmpty;
}

}  // namespace skin
