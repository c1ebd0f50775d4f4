// The skin bitmaps a deliverable loads, and the files each slot is loaded from.
#pragma once
#include <string>
#include <vector>

namespace skin {

struct SlotFile {
  int slot = 0;
  std::wstring file;
};
using SlotTable = std::vector<SlotFile>;

// Slots 1..27 of the paired-device manager.
SlotTable ManagerSlotTable();
// Slots 1..25 of the confirmation dialog: the manager's, with slot 21 "PairNextDevice.bmp".
SlotTable DialogSlotTable();
// The skin library's: the manager's table plus slot 28 "Wavegauge.bmp".
SlotTable LustreaSlotTable();

// The files one slot may load from, best first; the first existing one is loaded. None existing
// leaves the slot empty.
struct SlotSource {
  int slot = 0;
  std::vector<std::wstring> candidates;
  // The key of the name the bitmap shows, in the language files' [SkinCaptions] / [SkinNames].
  std::wstring nameKey;
};
using SlotPlan = std::vector<SlotSource>;

// The skin pictures that are the same for every form lie once in the forms root's Lustrea\ folder
// (beside Lustrea.dll), in language folders like a plug-in's: relative to a plug-in's own folder.
inline constexpr wchar_t kSharedSkinFolder[] = L"..\\Lustrea\\";

// ".\<languageFolder>\<file>", then ".\English\<file>", relative to the current directory; with a
// shared folder (with a trailing separator) then <shared><languageFolder>\<file> and
// <shared>English\<file>, so that a form's own folder always wins.
SlotPlan LanguageFolderPlan(const SlotTable& table, const std::wstring& languageFolder,
                            const std::wstring& sharedFolder = std::wstring());

// The pairing tool's two slots, from its data folder (with a trailing separator) and without an
// English fallback: 3 "MouseA_WindowClose.bmp" and 18 <languageName>"Pair.bmp", named by the keys
// "WindowClose" and "Pair" of the suite's bitmaps that show the same.
SlotPlan PairToolPlan(const std::wstring& dataFolder, const std::wstring& languageName);

}  // namespace skin
