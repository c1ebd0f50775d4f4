#include "skin/core/slot_table.h"

#include "skin/core/skin_names.h"

namespace skin {

SlotTable ManagerSlotTable() {
  return {
      {1, L"OK.bmp"},          {2, L"Cancel.bmp"},          {3, L"WindowClose.bmp"},
      {4, L"Button.bmp"},      {5, L"Check.bmp"},           {6, L"Combo.bmp"},
      {7, L"WindowMin.bmp"},   {8, L"WindowMax.bmp"},       {9, L"ArrowUp.bmp"},
      {10, L"ArrowDown.bmp"},  {11, L"WindowMinimize.bmp"}, {12, L"Radio.bmp"},
      {13, L"Web.bmp"},        {14, L"Pair.bmp"},           {15, L"Set.bmp"},
      {16, L"Battery.bmp"},    {17, L"Back.bmp"},           {18, L"NextStep.bmp"},
      {19, L"PreviousStep.bmp"}, {20, L"PairDone.bmp"},     {21, L"PairNextMouse.bmp"},
      {22, L"CorvilManager.bmp"}, {23, L"NewCorvilProc.bmp"}, {24, L"Exit.bmp"},
      {25, L"Remove.bmp"},     {26, L"ToCorvilManager.bmp"}, {27, L"PairNextKeyboard.bmp"},
  };
}

SlotTable DialogSlotTable() {
  SlotTable table;
  for (SlotFile& entry : ManagerSlotTable()) {
    if (entry.slot > 25) continue;
    if (entry.slot == 21) entry.file = L"PairNextDevice.bmp";
    table.push_back(entry);
  }
  return table;
}

SlotTable LustreaSlotTable() {
  SlotTable table = ManagerSlotTable();
  table.push_back({28, L"Wavegauge.bmp"});
  return table;
}

SlotPlan LanguageFolderPlan(const SlotTable& table, const std::wstring& languageFolder,
                            const std::wstring& sharedFolder) {
  std::vector<std::wstring> folders{L".\\"};
  if (!sharedFolder.empty()) folders.push_back(sharedFolder);
  SlotPlan plan;
  for (const SlotFile& entry : table) {
    SlotSource source{entry.slot, {}, SkinNameKey(entry.file)};
    for (const std::wstring& folder : folders) {
      source.candidates.push_back(folder + languageFolder + L"\\" + entry.file);
      if (languageFolder != L"English") source.candidates.push_back(folder + L"English\\" + entry.file);
    }
    plan.push_back(source);
  }
  return plan;
}

SlotPlan PairToolPlan(const std::wstring& dataFolder, const std::wstring& languageName) {
  return {
      {3, {dataFolder + L"MouseA_WindowClose.bmp"}, L"WindowClose"},
      {18, {dataFolder + languageName + L"Pair.bmp"}, L"Pair"},
  };
}

}  // namespace skin
