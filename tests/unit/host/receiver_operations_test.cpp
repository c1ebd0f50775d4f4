// The host's receiver operations against the simulated receiver: pairing runs, slot choice,
// device lists, and what a failed page write leaves behind.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "receiver/config_slots.h"
#include "tests/unit/host/receiver_fixture.h"

namespace {

using host::TPairedDeviceTable;

constexpr uint32_t kMouse = 0x51234;

class ReceiverOperationsTest : public hosttest::ReceiverFixture {
 protected:
  // A mouse 0x51234 with attribute 0x80 that reports at the first status read; RF byte 5 = 0x11.
  void SetUp() override {
    scenario.devices.push_back({sim::DeviceKind::kMouse, kMouse, 0x80, 1, 1});
    scenario.rfInfo[5] = 0x11;
  }
  bool Poll(int32_t* type, uint32_t* id) { return host::PollPairing(quarn, type, id, RecordWaits()); }
  bool StartRun() {
    host::PairParameterTable parameters;
    return host::StartPairing(quarn, parameters, RecordWaits());
  }
  size_t CountOf(uint16_t wValue) const {
    size_t n = 0;
    for (const auto& r : receiver->Log()) n += r.wValue == wValue;
    return n;
  }
};

TEST_F(ReceiverOperationsTest, PairingParametersStepThroughTheTableFromTheSecondValue) {
  Connect();
  host::PairParameterTable parameters;
  const uint16_t expected[12] = {6, 7, 8, 12, 14, 16, 20, 24, 28, 29, 2, 6};
  for (uint16_t value : expected) {
    ASSERT_TRUE(host::StartPairing(quarn, parameters, RecordWaits()));
    EXPECT_EQ(value, receiver->Parameter(1));
  }
  EXPECT_EQ(std::vector<uint32_t>(12, 20), waits);
  EXPECT_TRUE(receiver->InPairingMode());
  EXPECT_TRUE(host::StopPairing(quarn));
  EXPECT_FALSE(receiver->InPairingMode());
}

TEST_F(ReceiverOperationsTest, RefusedParameterStopsTheStart) {
  scenario.refusedCommands = {0xBE01};
  Connect();
  EXPECT_FALSE(StartRun());
  EXPECT_EQ(0u, CountOf(0xBF02));
}

TEST_F(ReceiverOperationsTest, PollWithNothingReportedSucceedsWithoutType) {
  scenario.devices.clear();
  Connect();
  ASSERT_TRUE(StartRun());
  int32_t type = 0;
  uint32_t id = 99;
  ASSERT_TRUE(Poll(&type, &id));
  EXPECT_EQ(-1, type);
  EXPECT_EQ(0u, id);
  EXPECT_EQ(0u, CountOf(0xBF01));
}

TEST_F(ReceiverOperationsTest, ReportedMouseIsStoredInSlotZero) {
  Connect();
  receiver->SetWord(0x2700 + 120, 0x37FF);
  ASSERT_TRUE(StartRun());
  waits.clear();
  int32_t type = 0;
  uint32_t id = 0;
  ASSERT_TRUE(Poll(&type, &id));
  EXPECT_EQ(1, type);
  EXPECT_EQ(kMouse, id);
  EXPECT_EQ(0x0005, PageWord(114));
  EXPECT_EQ(0x1234, PageWord(115));
  EXPECT_EQ(0x0000, PageWord(118));
  EXPECT_EQ(0x0011, PageWord(119));
  EXPECT_EQ(0x37A4, PageWord(120));  // low byte marked, high byte kept
  EXPECT_EQ((std::vector<uint32_t>{100, 100}), waits);
  EXPECT_FALSE(receiver->InUpdateMode());
}

TEST_F(ReceiverOperationsTest, ReportedKeyboardIsStoredAndLeavesTheMouseFlagAlone) {
  scenario.devices = {{sim::DeviceKind::kKeyboard, 0x2BCDE, 0, 1, 1}};
  Connect();
  ASSERT_TRUE(StartRun());
  int32_t type = 0;
  uint32_t id = 0;
  ASSERT_TRUE(Poll(&type, &id));
  EXPECT_EQ(2, type);
  EXPECT_EQ(0x2BCDEu, id);
  EXPECT_EQ(0x0002, PageWord(116));
  EXPECT_EQ(0xBCDE, PageWord(117));
  EXPECT_EQ(0xFFFF, PageWord(120));
  EXPECT_EQ(0xFFFF, PageWord(114));
}

TEST_F(ReceiverOperationsTest, MouseAndKeyboardTogetherStoreTheMouseOnly) {
  scenario.devices.push_back({sim::DeviceKind::kKeyboard, 0x2BCDE, 0, 1, 1});
  Connect();
  ASSERT_TRUE(StartRun());
  int32_t type = 0;
  uint32_t id = 0;
  ASSERT_TRUE(Poll(&type, &id));
  EXPECT_EQ(1, type);
  EXPECT_EQ(0xFFFF, PageWord(117));
}

TEST_F(ReceiverOperationsTest, KnownMouseKeepsItsSlot) {
  Connect();
  SetSlot(32, 0x11111);
  SetSlot(48, kMouse);  // slot 3
  ASSERT_TRUE(host::StoreMouse(quarn, kMouse, 0x05, 0x22, RecordWaits()));
  EXPECT_EQ(0x0005, PageWord(48));
  EXPECT_EQ(0x1234, PageWord(49));
  EXPECT_EQ(0x0500, PageWord(52));
  EXPECT_EQ(0x0022, PageWord(53));
  EXPECT_EQ(0xFFFF, PageWord(114));  // slot 0 stayed free
  EXPECT_EQ(0x00FF, PageWord(120) & 0xFF);  // attribute bit 7 clear
}

TEST_F(ReceiverOperationsTest, MouseOverwritesSlotZeroWhenAllSlotsAreTaken) {
  Connect();
  const int first[5] = {114, 32, 40, 48, 56};
  for (int n = 0; n < 5; ++n) SetSlot(first[n], 0x100 + n);
  ASSERT_TRUE(host::StoreMouse(quarn, kMouse, 0x80, 0x11, RecordWaits()));
  EXPECT_EQ(static_cast<int32_t>(kMouse), quarn.ReadMouseSlot(0));
  for (int n = 1; n < 5; ++n) EXPECT_EQ(0x100 + n, quarn.ReadMouseSlot(n));
}

TEST_F(ReceiverOperationsTest, FreshMarkFreesMouseSlotZeroButNoKeyboardSlot) {
  Connect();
  SetSlot(32, 0x11111);
  SetSlot(114, 0xEEEEEE);
  SetSlot(116, 0xEEEEEE);
  ASSERT_TRUE(host::StoreMouse(quarn, kMouse, 0x80, 0x11, RecordWaits()));
  EXPECT_EQ(static_cast<int32_t>(kMouse), quarn.ReadMouseSlot(0));
  ASSERT_TRUE(host::StoreKeyboard(quarn, 0x2BCDE, RecordWaits()));
  EXPECT_EQ(0xEEEEEE, quarn.ReadKeyboardSlot(0));
  EXPECT_EQ(0x2BCDE, quarn.ReadKeyboardSlot(1));
}

TEST_F(ReceiverOperationsTest, DeviceListReadsEverySlotWithEmptyNames) {
  Connect();
  SetSlot(114, 0x51234);
  SetSlot(88, 0x80ABCD);  // keyboard slot 4, disabled
  TPairedDeviceTable list;
  std::memset(&list, 0x55, sizeof list);
  host::ReadDeviceList(quarn, &list);
  EXPECT_EQ(0x51234, list.mouseIds[0]);
  EXPECT_EQ(0xFFFFFF, list.mouseIds[1]) << "an erased slot is free, not unreadable";
  EXPECT_EQ(0x80ABCD, list.keyboardIds[4]);
  EXPECT_EQ(0, list.mouseNames[0][0]);
  EXPECT_EQ(0, list.keyboardNames[4][15]);
}

TEST_F(ReceiverOperationsTest, ListsThatDifferOnlyInNamesAreNotWritten) {
  Connect();
  TPairedDeviceTable before;
  host::ReadDeviceList(quarn, &before);
  TPairedDeviceTable renamed = before;
  renamed.mouseNames[0][0] = u'M';
  receiver->ClearLog();
  EXPECT_FALSE(host::DeviceListsDiffer(before, renamed));
  EXPECT_TRUE(host::UpdateDeviceList(quarn, before, renamed, RecordWaits()));
  EXPECT_TRUE(receiver->Log().empty());
}

TEST_F(ReceiverOperationsTest, ChangedListRewritesOnlyTheIdentifierWords) {
  Connect();
  SetSlot(114, kMouse);
  receiver->SetWord(0x2700 + 118, 0x0000);
  receiver->SetWord(0x2700 + 119, 0x0011);
  TPairedDeviceTable before;
  host::ReadDeviceList(quarn, &before);
  TPairedDeviceTable after = before;
  after.mouseIds[0] = static_cast<int32_t>(kMouse | 0x800000);  // disabled
  after.keyboardIds[2] = 0x2BCDE;
  // The slots nobody changed keep their words exactly (erased 0xFFFF, 0xFFFF).
  std::vector<uint16_t> expected = Page();
  expected[114] = 0x0085;
  expected[72] = 0x0002;
  expected[73] = 0xBCDE;

  ASSERT_TRUE(host::UpdateDeviceList(quarn, before, after, RecordWaits()));
  EXPECT_EQ(expected, Page());
  EXPECT_EQ((std::vector<uint32_t>{100, 100}), waits);
}

TEST_F(ReceiverOperationsTest, AReceiverThatDoesNotAnswerGivesUnreadSlotsNotFreeOnes) {
  Connect();
  receiver->Unplug();
  TPairedDeviceTable list{};
  host::ReadDeviceList(quarn, &list);
  for (int n = 0; n < 5; ++n) {
    EXPECT_EQ(host::kUnreadSlot, list.mouseIds[n]);
    EXPECT_EQ(host::kUnreadSlot, list.keyboardIds[n]);
  }
}

// The manager got mouse slot 1 as unreadable and the user changed a keyboard: the device in mouse
// slot 1 must stay paired, and every slot the user did not change keeps the words read now.
TEST_F(ReceiverOperationsTest, AChangedListWritesOnlyTheChangedSlotsIntoThePageReadNow) {
  Connect();
  SetSlot(32, 0x11111);
  SetSlot(116, 0x2BCDE);
  TPairedDeviceTable before;
  host::ReadDeviceList(quarn, &before);
  before.mouseIds[1] = host::kUnreadSlot;
  TPairedDeviceTable after = before;
  after.keyboardIds[0] = 0x2BCDE | 0x800000;
  SetSlot(40, 0x33333);  // paired by someone else since the list was read
  std::vector<uint16_t> expected = Page();
  expected[116] = 0x0082;

  ASSERT_TRUE(host::UpdateDeviceList(quarn, before, after, RecordWaits()));
  EXPECT_EQ(expected, Page());
}

TEST_F(ReceiverOperationsTest, UnreadablePageEndsTheStoreBeforeAnythingIsWritten) {
  scenario.unplugAfter = 10;
  Connect();
  EXPECT_FALSE(host::StoreMouse(quarn, kMouse, 0x80, 0x11, RecordWaits()));
  EXPECT_EQ(0u, CountOf(0xBF01));
  EXPECT_EQ(0u, CountOf(0xB502));
}

// A word that will not program: the new page does not verify, so the page as it was read goes
// back and the store reports failure.
TEST_F(ReceiverOperationsTest, StuckWordRestoresThePageAndReportsFailure) {
  scenario.stuckWords = {0x2721};  // mouse slot 1, second word
  Connect();
  SetSlot(114, 0x11111);  // slot 0 taken, so the new mouse goes to slot 1
  SetSlot(116, 0x2BCDE);  // a keyboard in the last block
  receiver->SetWord(0x2700 + 120, 0x12A4);
  const std::vector<uint16_t> before = Page();

  EXPECT_FALSE(host::StoreMouse(quarn, kMouse, 0x80, 0x11, RecordWaits()));
  EXPECT_EQ(before, Page());
  EXPECT_EQ(2u, CountOf(0xB502));  // the write and the one write-back
  EXPECT_FALSE(receiver->InUpdateMode());
  EXPECT_EQ((std::vector<uint32_t>{100, 100}), waits);
}

TEST_F(ReceiverOperationsTest, FailedListWriteRestoresThePage) {
  scenario.stuckWords = {0x2741};
  Connect();
  SetSlot(114, kMouse);
  TPairedDeviceTable list;
  host::ReadDeviceList(quarn, &list);
  const std::vector<uint16_t> before = Page();
  list.keyboardIds[1] = 0x2BCDE;
  EXPECT_FALSE(host::WriteDeviceList(quarn, list, RecordWaits()));
  EXPECT_EQ(before, Page());
  EXPECT_FALSE(receiver->InUpdateMode());
}

// Pulled out while the last block is being written: the blocks already rewritten hold the other
// pairings as they were, and the store reports failure.
TEST_F(ReceiverOperationsTest, UnplugDuringPageWriteKeepsOtherPairingsAndFails) {
  // Page read (32) + update mode (1) + erase (1) + three blocks (3 x 97) + 10 loads of the fourth.
  scenario.unplugAfter = 32 + 1 + 1 + 3 * 97 + 10;
  Connect();
  SetSlot(32, 0x11111);
  SetSlot(40, 0x22222);
  SetSlot(64, 0x33333);
  SetSlot(114, 0xEEEEEE);
  const std::vector<uint16_t> before = Page();

  EXPECT_FALSE(host::StoreMouse(quarn, kMouse, 0x80, 0x11, RecordWaits()));
  EXPECT_EQ(0x11111u, static_cast<uint32_t>(PageWord(32)) << 16 | PageWord(33));
  EXPECT_EQ(0x22222u, static_cast<uint32_t>(PageWord(40)) << 16 | PageWord(41));
  EXPECT_EQ(0x33333u, static_cast<uint32_t>(PageWord(64)) << 16 | PageWord(65));
  for (int k = 0; k < 96; ++k) EXPECT_EQ(before[k], PageWord(k)) << k;
  EXPECT_FALSE(receiver->Connected());
}

}  // namespace
