#include "skin/core/slot_table.h"

#include <gtest/gtest.h>

#include <map>

#include "skin/core/skin_tag.h"

namespace skin {
namespace {

std::map<int, std::wstring> AsMap(const SlotTable& table) {
  std::map<int, std::wstring> files;
  for (const SlotFile& entry : table) {
    EXPECT_TRUE(files.emplace(entry.slot, entry.file).second) << "slot listed twice: " << entry.slot;
  }
  return files;
}

TEST(SlotTables, ManagerTableFillsSlotsOneToTwentySeven) {
  auto files = AsMap(ManagerSlotTable());
  ASSERT_EQ(files.size(), 27u);
  EXPECT_EQ(files.begin()->first, 1);
  EXPECT_EQ(files.rbegin()->first, 27);
  EXPECT_EQ(files[1], L"OK.bmp");
  EXPECT_EQ(files[3], L"WindowClose.bmp");
  EXPECT_EQ(files[12], L"Radio.bmp");
  EXPECT_EQ(files[21], L"PairNextMouse.bmp");
  EXPECT_EQ(files[27], L"PairNextKeyboard.bmp");
}

TEST(SlotTables, DialogTableDiffersOnlyInSlot21AndStopsAt25) {
  auto manager = AsMap(ManagerSlotTable());
  auto dialog = AsMap(DialogSlotTable());
  ASSERT_EQ(dialog.size(), 25u);
  for (auto& [slot, file] : dialog) {
    if (slot == 21) {
      EXPECT_EQ(file, L"PairNextDevice.bmp");
    } else {
      EXPECT_EQ(file, manager[slot]) << slot;
    }
  }
}

TEST(SlotTables, LibraryTableAddsWavegaugeAsSlot28WithinTheEngine) {
  auto library = AsMap(LustreaSlotTable());
  ASSERT_EQ(library.size(), 28u);
  EXPECT_EQ(library[28], L"Wavegauge.bmp");
  EXPECT_EQ(library[1], L"OK.bmp");
  for (auto& [slot, file] : library) EXPECT_TRUE(IsSkinSlot(slot)) << slot;
}

TEST(SlotPlans, LanguageFolderFirstThenEnglish) {
  SlotPlan plan = LanguageFolderPlan({{5, L"Check.bmp"}}, L"ChineseS");
  ASSERT_EQ(plan.size(), 1u);
  EXPECT_EQ(plan[0].slot, 5);
  EXPECT_EQ(plan[0].candidates,
            (std::vector<std::wstring>{L".\\ChineseS\\Check.bmp", L".\\English\\Check.bmp"}));
  EXPECT_EQ(LanguageFolderPlan({{1, L"OK.bmp"}}, L"English")[0].candidates,
            (std::vector<std::wstring>{L".\\English\\OK.bmp"}));
}

TEST(SlotPlans, SharedFolderComesAfterTheFormsOwnFolders) {
  EXPECT_EQ(LanguageFolderPlan({{5, L"Check.bmp"}}, L"German", kSharedSkinFolder)[0].candidates,
            (std::vector<std::wstring>{L".\\German\\Check.bmp", L".\\English\\Check.bmp",
                                       L"..\\Lustrea\\German\\Check.bmp", L"..\\Lustrea\\English\\Check.bmp"}));
  EXPECT_EQ(LanguageFolderPlan({{1, L"OK.bmp"}}, L"English", kSharedSkinFolder)[0].candidates,
            (std::vector<std::wstring>{L".\\English\\OK.bmp", L"..\\Lustrea\\English\\OK.bmp"}));
}

TEST(SlotPlans, PairToolJoinsLanguageAndFileWithoutSeparatorOrFallback) {
  SlotPlan plan = PairToolPlan(L"C:\\Tool\\data\\", L"English");
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[0].slot, 3);
  EXPECT_EQ(plan[0].candidates, (std::vector<std::wstring>{L"C:\\Tool\\data\\MouseA_WindowClose.bmp"}));
  EXPECT_EQ(plan[1].slot, 18);
  EXPECT_EQ(plan[1].candidates, (std::vector<std::wstring>{L"C:\\Tool\\data\\EnglishPair.bmp"}));
}

}  // namespace
}  // namespace skin
