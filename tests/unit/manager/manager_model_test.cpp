// The manager's table logic and its actions, with a recording host and scripted dialogs.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "plugins/manager/core/device_slots.h"
#include "plugins/manager/core/manager_model.h"

namespace {

using manager::Kind;
using manager::ManagerModel;

constexpr int32_t kD1 = 0x11111, kD2 = 0x22222, kD3 = 0x33333, kK1 = 0x44444, kK2 = 0x55555;

host::TPairedDeviceTable EmptyTable() {
  host::TPairedDeviceTable table{};
  for (int slot = 1; slot <= 5; ++slot) {
    manager::EmptySlot(table, Kind::kMouse, slot);
    manager::EmptySlot(table, Kind::kKeyboard, slot);
  }
  return table;
}

void Put(host::TPairedDeviceTable& table, Kind kind, int slot, int32_t id, const std::wstring& name) {
  manager::SlotId(table, kind, slot) = id;
  manager::SetName(table, kind, slot, name);
}

// One Insert as the host saw it: the state it had accepted and the state wanted.
struct Insert {
  host::TPairedDeviceTable accepted;
  host::TPairedDeviceTable wanted;
  int32_t acceptedMode;
  int32_t wantedMode;
};

class ManagerModelTest : public testing::Test {
 protected:
  ManagerModelTest() : table(EmptyTable()) {
    params.receiverCount = 1;
    params.displayMode = 1;
    params.tables = &table;
  }

  ManagerModel& Open(int activeCount = 5) {
    manager::ManagerPorts ports;
    ports.insert = [this](contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted) {
      inserts.push_back({*accepted->tables, *wanted->tables, accepted->displayMode, wanted->displayMode});
      onScreenAtInsert.push_back(onScreen);
      return hostAnswer;
    };
    ports.inform = [this](const std::wstring& text) {
      informed.push_back(text);
      onScreenAtInform.push_back(onScreen);
    };
    ports.show = [this](const manager::Rows& rows) { onScreen = rows; };
    ports.ask = [this](const std::wstring& question) {
      asked.push_back(question);
      return answer;
    };
    ports.edit = [this](const std::wstring&, std::wstring* text, int maxLength) {
      editMaxLength = maxLength;
      if (!accept) return false;
      *text = typed;
      return true;
    };
    manager::ManagerTexts texts;
    texts.mouseAtLeastOne = L"at least one mouse";
    texts.keyboardDisableYesNo = L"disable the last keyboard?";
    texts.mouseRemoveYesNo = L"remove mouse?";
    texts.keyboardRemoveYesNo = L"remove keyboard?";
    texts.inputDeviceName = L"name:";
    model = std::make_unique<ManagerModel>(&params, ports, texts, activeCount);
    model->Show();
    return *model;
  }

  host::TPairedDeviceTable table;
  std::array<host::TPairedDeviceTable, manager::kMaxReceivers> receiverTables{};
  contract::TCorvilManagerParams params{};
  std::unique_ptr<ManagerModel> model;
  std::vector<Insert> inserts;
  std::vector<std::wstring> informed, asked;
  manager::Rows onScreen;  // what the window shows
  std::vector<manager::Rows> onScreenAtInsert, onScreenAtInform;
  int32_t hostAnswer = 0;
  int32_t answer = 1;
  bool accept = true;
  std::wstring typed;
  int editMaxLength = 0;
};

TEST(DeviceSlots, EmptinessLooksAtBitsZeroToEighteenOnly) {
  for (int32_t id : {0, 0x6EEEE, 0x7FFFF, 0x86EEEE, 0x800000, 0xFFFFFF, 0x87FFFF, 0x100000}) {
    EXPECT_TRUE(manager::SlotEmpty(id)) << std::hex << id;
  }
  for (int32_t id : {0x51234, 0x851234, 0x6EEEF, 0x1, host::kUnreadSlot}) EXPECT_FALSE(manager::SlotEmpty(id)) << std::hex << id;
}

TEST(DeviceSlots, NamesKeepFifteenCharactersAndCompareWhole) {
  host::TPairedDeviceTable a = EmptyTable();
  manager::SetName(a, Kind::kMouse, 1, L"A very long device name");
  EXPECT_EQ(L"A very long dev", manager::NameOf(a, Kind::kMouse, 1));
  EXPECT_EQ(0, a.mouseNames[0][15]);
  host::TPairedDeviceTable b = a;
  EXPECT_FALSE(manager::TablesDiffer(1, a, 1, b));
  manager::SetName(b, Kind::kMouse, 1, L"A very long de");
  EXPECT_TRUE(manager::TablesDiffer(1, a, 1, b)) << "a shorter name is another name";
  manager::SlotId(a, Kind::kKeyboard, 5) = kK1;
  b = a;
  manager::SlotId(b, Kind::kKeyboard, 5) |= manager::kDisabledBit;
  EXPECT_TRUE(manager::TablesDiffer(1, a, 1, b)) << "switching a device off is a change";
  EXPECT_TRUE(manager::TablesDiffer(1, a, 2, a)) << "the display mode is part of the state";
}

TEST(DeviceSlots, ActiveDeviceCountDefaultsToFiveAndIsClamped) {
  const std::wstring values[] = {L"3", L" 2 ", L"0", L"-4", L"9", L"99999999999999", L"", L"three", L"3x", L"-"};
  const int expected[] = {3, 2, 1, 1, 5, 5, 5, 5, 5, 5};
  for (size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(expected[i], manager::ActiveDeviceCount(&values[i])) << "\"" << std::string(values[i].begin(), values[i].end()) << "\"";
  }
  EXPECT_EQ(5, manager::ActiveDeviceCount(nullptr)) << "key missing in both sections";
}

TEST(DeviceSlots, CompactionMovesTheGapToTheEndOfTheShownRows) {
  host::TPairedDeviceTable t = EmptyTable();
  Put(t, Kind::kMouse, 1, kD1, L"one");
  Put(t, Kind::kMouse, 3, kD3, L"three");
  Put(t, Kind::kMouse, 5, kD2, L"hidden");
  manager::CompactSlots(t, Kind::kMouse, 4);
  EXPECT_EQ(kD1, t.mouseIds[0]);
  EXPECT_EQ(kD3, t.mouseIds[1]);
  EXPECT_EQ(L"three", manager::NameOf(t, Kind::kMouse, 2));
  EXPECT_EQ(manager::kEmptySlot, t.mouseIds[2]);
  EXPECT_EQ(L"", manager::NameOf(t, Kind::kMouse, 3));
  EXPECT_EQ(kD2, t.mouseIds[4]) << "a slot that is not shown stays where it is";
}

TEST_F(ManagerModelTest, ADisabledDeviceShowsItsSixDigitsWithTheBoxClear) {
  Put(table, Kind::kMouse, 1, kD1, L"Main");
  Put(table, Kind::kMouse, 2, 0x851234, L"Spare");
  Put(table, Kind::kKeyboard, 1, 0x86EEEE, L"erased");
  const manager::SlotRow& spare = Open().CurrentRows().mice[1];
  EXPECT_TRUE(spare.boxVisible);
  EXPECT_FALSE(spare.checked);
  EXPECT_EQ(L"051234", spare.id);
  EXPECT_EQ(L"Spare", spare.name);
  const manager::SlotRow& erased = model->CurrentRows().keyboards[0];
  EXPECT_FALSE(erased.boxVisible) << "0x6EEEE with bit 23 counts as empty";
  EXPECT_EQ(L"No device", erased.id);
  EXPECT_FALSE(erased.nameVisible);
  EXPECT_TRUE(inserts.empty()) << "opening sends nothing";
}

TEST_F(ManagerModelTest, RemovingSlotTwoMovesTheLaterDevicesAndTheirNamesUp) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  Put(table, Kind::kMouse, 3, kD3, L"D3");
  Open().RemoveClicked(Kind::kMouse, 2);
  ASSERT_EQ(1u, inserts.size());
  EXPECT_EQ(std::vector<std::wstring>{L"remove mouse?"}, asked);
  const host::TPairedDeviceTable& wanted = inserts[0].wanted;
  EXPECT_EQ(kD1, wanted.mouseIds[0]);
  EXPECT_EQ(kD3, wanted.mouseIds[1]);
  EXPECT_EQ(L"D3", manager::NameOf(wanted, Kind::kMouse, 2));
  for (int slot = 3; slot <= 5; ++slot) {
    EXPECT_EQ(manager::kEmptySlot, wanted.mouseIds[slot - 1]);
    EXPECT_EQ(L"", manager::NameOf(wanted, Kind::kMouse, slot));
  }
  EXPECT_EQ(kD2, inserts[0].accepted.mouseIds[1]) << "the host gets the state before the change";
  EXPECT_FALSE(model->CurrentRows().mice[2].boxVisible) << "the window shows the compacted list";
}

TEST_F(ManagerModelTest, RemovalNeedsAYes) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kKeyboard, 1, kK1, L"K1");
  Put(table, Kind::kKeyboard, 2, kK2, L"K2");
  for (int32_t notYes : {0, 2, -1, manager::kNotAsked}) {  // no, another value, no answer, Notabox missing
    answer = notYes;
    Open().RemoveClicked(Kind::kKeyboard, 1);
    EXPECT_TRUE(inserts.empty()) << notYes;
    EXPECT_EQ(kK1, table.keyboardIds[0]);
  }
}

TEST_F(ManagerModelTest, AnUnreadSlotIsShownAsSuchAndSurvivesEveryChange) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  manager::SlotId(table, Kind::kMouse, 3) = host::kUnreadSlot;
  Put(table, Kind::kMouse, 4, kD3, L"D3");
  Put(table, Kind::kKeyboard, 1, kK1, L"K1");
  Open();
  const manager::SlotRow& unread = model->CurrentRows().mice[2];
  EXPECT_EQ(L"Not readable", unread.id);
  EXPECT_FALSE(unread.boxVisible || unread.removeVisible || unread.nameVisible);
  model->RemoveClicked(Kind::kMouse, 2);
  model->KeyboardBoxClicked(1, true);
  ASSERT_EQ(2u, inserts.size());
  for (const Insert& insert : inserts) {
    EXPECT_EQ(host::kUnreadSlot, insert.wanted.mouseIds[2]) << "nothing moves into or out of it";
    EXPECT_EQ(kD3, insert.wanted.mouseIds[3]);
  }
  EXPECT_EQ(manager::kEmptySlot, inserts[0].wanted.mouseIds[1]);
}

TEST_F(ManagerModelTest, TheWindowShowsTheNewStateBeforeTheHostWorksOrAMessageShows) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  Open().RemoveClicked(Kind::kMouse, 1);
  ASSERT_EQ(1u, onScreenAtInsert.size());
  EXPECT_EQ(manager::IdText(kD2), onScreenAtInsert[0].mice[0].id) << "the removed mouse is gone already";
  EXPECT_FALSE(onScreenAtInsert[0].mice[1].boxVisible);

  model->MouseBoxClicked(1, false);
  ASSERT_EQ(1u, onScreenAtInform.size());
  EXPECT_TRUE(onScreenAtInform[0].mice[0].checked) << "ticked again before the message";
}

TEST_F(ManagerModelTest, ReceiverFieldsAreBoundedBeforeUse) {
  receiverTables.fill(table);
  params.tables = receiverTables.data();
  struct Case {
    int32_t count, selected;
    int boundedCount, boundedSelected;
  } cases[] = {{9, 7, 5, 4}, {0, -2, 1, 0}, {-5, 3, 1, 0}, {3, 2, 3, 2}};
  for (const Case& c : cases) {
    params.receiverCount = c.count;
    params.selectedReceiver = c.selected;
    Open();
    EXPECT_EQ(c.boundedCount, model->ReceiverCount()) << c.count;
    EXPECT_EQ(c.boundedSelected, model->SelectedReceiver()) << c.selected;
    model->ReceiverChosen(100);
    EXPECT_EQ(c.boundedCount - 1, model->SelectedReceiver());
  }
}

TEST_F(ManagerModelTest, DevicesAboveTheActiveCountSurviveEveryChange) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  Put(table, Kind::kMouse, 4, kD3, L"Pairtool A");
  Put(table, Kind::kMouse, 5, 0x812345, L"Pairtool B");
  Put(table, Kind::kKeyboard, 5, kK1, L"Hidden keys");
  Open(3);
  EXPECT_FALSE(model->CurrentRows().mice[3].boxVisible);
  EXPECT_FALSE(model->CurrentRows().mice[4].nameVisible);
  model->MouseBoxClicked(2, false);
  model->RemoveClicked(Kind::kMouse, 2);
  ASSERT_EQ(2u, inserts.size());
  for (const Insert& insert : inserts) {
    EXPECT_EQ(kD3, insert.wanted.mouseIds[3]);
    EXPECT_EQ(0x812345, insert.wanted.mouseIds[4]);
    EXPECT_EQ(L"Pairtool B", manager::NameOf(insert.wanted, Kind::kMouse, 5));
    EXPECT_EQ(kK1, insert.wanted.keyboardIds[4]);
  }
}

TEST_F(ManagerModelTest, TheLastEnabledMouseCanBeNeitherSwitchedOffNorRemoved) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2 | manager::kDisabledBit, L"D2");
  Open().MouseBoxClicked(1, false);
  EXPECT_TRUE(model->CurrentRows().mice[0].checked) << "ticked again";
  EXPECT_EQ(std::vector<std::wstring>{L"at least one mouse"}, informed);
  EXPECT_TRUE(inserts.empty()) << "nothing is sent";

  model->RemoveClicked(Kind::kMouse, 1);
  EXPECT_EQ(2u, informed.size());
  EXPECT_TRUE(asked.empty()) << "refused before any question";
  EXPECT_TRUE(inserts.empty());

  // The switched-off mouse may go.
  model->RemoveClicked(Kind::kMouse, 2);
  ASSERT_EQ(1u, inserts.size());
  EXPECT_EQ(kD1, inserts[0].wanted.mouseIds[0]);
  EXPECT_EQ(manager::kEmptySlot, inserts[0].wanted.mouseIds[1]);
}

TEST_F(ManagerModelTest, DisablingAKeyboardThenCancelSendsOneRestoringUpdate) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kKeyboard, 1, kK1, L"K1");
  Put(table, Kind::kKeyboard, 2, kK2, L"K2");
  const host::TPairedDeviceTable opened = table;
  Open().KeyboardBoxClicked(2, false);
  ASSERT_EQ(1u, inserts.size());
  EXPECT_EQ(kK2 | static_cast<int32_t>(manager::kDisabledBit), inserts[0].wanted.keyboardIds[1]);
  EXPECT_TRUE(asked.empty()) << "another keyboard is still on";

  model->Cancel();
  ASSERT_EQ(2u, inserts.size());
  EXPECT_EQ(kK2, inserts[1].wanted.keyboardIds[1]) << "enabled again";
  EXPECT_EQ(kK2 | static_cast<int32_t>(manager::kDisabledBit), inserts[1].accepted.keyboardIds[1]);
  EXPECT_FALSE(manager::TablesDiffer(1, opened, 1, table));
  EXPECT_TRUE(model->CloseRequested());
  EXPECT_EQ(manager::kRestored, model->Result());
}

TEST_F(ManagerModelTest, CancelWithoutChangesSendsNothing) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Open().Cancel();
  EXPECT_TRUE(inserts.empty());
  EXPECT_EQ(manager::kClosedKeeping, model->Result());
}

TEST_F(ManagerModelTest, ThreeChangesThenCancelRestoreTheOpeningStateInOneUpdate) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  Put(table, Kind::kKeyboard, 1, kK1, L"K1");
  const host::TPairedDeviceTable opened = table;
  Open().MouseBoxClicked(2, false);
  typed = L"Desk";
  model->NameClicked(Kind::kMouse, 1);
  model->RemoveClicked(Kind::kKeyboard, 1);
  model->DisplayModeChosen(2);
  ASSERT_EQ(4u, inserts.size());
  model->Cancel();
  ASSERT_EQ(5u, inserts.size());
  EXPECT_EQ(0, std::memcmp(&opened, &inserts[4].wanted, sizeof(opened)));
  EXPECT_EQ(1, inserts[4].wantedMode);
  EXPECT_EQ(2, inserts[4].acceptedMode);
  EXPECT_EQ(manager::kRestored, model->Result());
}

TEST_F(ManagerModelTest, TheLastKeyboardGoesOffOnlyOnAnExplicitYes) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kKeyboard, 1, kK1, L"K1");
  const int32_t disabled = kK1 | static_cast<int32_t>(manager::kDisabledBit);
  struct Case {
    int32_t answer;
    int32_t sent;
  } cases[] = {{1, disabled}, {0, kK1}, {2, kK1}, {-1, kK1}, {-2, kK1}, {manager::kNotAsked, kK1}};
  for (const Case& c : cases) {
    table.keyboardIds[0] = kK1;
    inserts.clear();
    asked.clear();
    answer = c.answer;
    Open().KeyboardBoxClicked(1, false);
    EXPECT_EQ(std::vector<std::wstring>{L"disable the last keyboard?"}, asked);
    ASSERT_EQ(1u, inserts.size()) << "sent in every case";
    EXPECT_EQ(c.sent, inserts[0].wanted.keyboardIds[0]) << "answer " << c.answer;
  }
}

TEST_F(ManagerModelTest, RenameTakesFourteenCharactersAndACancelledRenameStillSends) {
  Put(table, Kind::kMouse, 1, kD1, L"Mouse");
  accept = false;
  Open().NameClicked(Kind::kMouse, 1);
  ASSERT_EQ(1u, inserts.size());
  EXPECT_EQ(0, std::memcmp(&inserts[0].accepted, &inserts[0].wanted, sizeof(host::TPairedDeviceTable)));
  EXPECT_EQ(14, editMaxLength);

  accept = true;
  typed = L"Desk mouse on the left";
  model->NameClicked(Kind::kMouse, 1);
  ASSERT_EQ(2u, inserts.size());
  EXPECT_EQ(L"Desk mouse on ", manager::NameOf(inserts[1].wanted, Kind::kMouse, 1));
  EXPECT_EQ(kD1, inserts[1].wanted.mouseIds[0]);
  EXPECT_TRUE(model->TableChanged()) << "a new name is a change";
}

TEST_F(ManagerModelTest, ARefusedUpdateClosesWithTwoAndKeepsTheRefusedContent) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  hostAnswer = contract::kInsertRefused;
  Open().MouseBoxClicked(2, false);
  EXPECT_TRUE(model->CloseRequested());
  EXPECT_EQ(manager::kClosedKeeping, model->Result());
  EXPECT_TRUE(manager::SlotDisabled(table.mouseIds[1]));
  model->Cancel();
  EXPECT_EQ(1u, inserts.size()) << "nothing more after the close";
}

TEST_F(ManagerModelTest, NothingHappensBeforeTheWindowIsShown) {
  Put(table, Kind::kMouse, 1, kD1, L"D1");
  Put(table, Kind::kMouse, 2, kD2, L"D2");
  manager::ManagerModel early(&params, {}, {}, 5);
  early.MouseBoxClicked(2, false);
  early.DisplayModeChosen(0);
  EXPECT_EQ(1, params.displayMode);
  EXPECT_EQ(kD2, table.mouseIds[1]);
}

}  // namespace
