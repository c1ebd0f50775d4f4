// TQUARN's commands as the receiver sees them, and the page operations with read-back.
#include <gtest/gtest.h>

#include <vector>

#include "tests/unit/host/receiver_fixture.h"

namespace {

struct Sent {
  uint16_t wValue, wIndex, wLength;
  bool operator==(const Sent& o) const {
    return wValue == o.wValue && wIndex == o.wIndex && wLength == o.wLength;
  }
};
std::ostream& operator<<(std::ostream& os, const Sent& s) {
  return os << std::hex << s.wValue << "/" << s.wIndex << "/" << s.wLength;
}

class QuarnTest : public hosttest::ReceiverFixture {
 protected:
  void SetUp() override { Connect(); }
  Sent Last() const {
    const sim::TransferRecord& r = receiver->Log().back();
    return {r.wValue, r.wIndex, r.wLength};
  }
  std::vector<Sent> Sents() const {
    std::vector<Sent> all;
    for (const auto& r : receiver->Log()) all.push_back({r.wValue, r.wIndex, r.wLength});
    return all;
  }
};

TEST_F(QuarnTest, SingleCommandsCarryTheirCodesValuesAndLengths) {
  EXPECT_TRUE(quarn.LoadByte(5, 0xA4));
  EXPECT_EQ((Sent{0xB504, 0xA405, 1}), Last());
  EXPECT_TRUE(quarn.SetParameter(1, 6));
  EXPECT_EQ((Sent{0xBE01, 0x0006, 1}), Last());
  EXPECT_EQ(6, receiver->Parameter(1));
  EXPECT_TRUE(quarn.SetParameter(1, 0x1F));
  EXPECT_EQ((Sent{0xBE01, 0x001F, 1}), Last());
  quarn.Program(0x2700);
  EXPECT_EQ((Sent{0xB500, 0xA700, 1}), Last());
  EXPECT_TRUE(quarn.ErasePage(0x1000));
  EXPECT_EQ((Sent{0xB502, 0x1000, 1}), Last());
  EXPECT_TRUE(quarn.UpdateMode(1));
  EXPECT_EQ((Sent{0xBF01, 1, 1}), Last());
  EXPECT_TRUE(quarn.SetPairing(0));
  EXPECT_EQ((Sent{0xBF02, 0, 1}), Last());
  uint8_t record[8];
  EXPECT_TRUE(quarn.ReadRecord(4, record));
  EXPECT_EQ((Sent{0xB600, 4, 8}), Last());
}

TEST_F(QuarnTest, ReadMemoryDecodesLowByteFirstAndLeavesBufferOnFailure) {
  receiver->SetWord(0x1000, 0xA1B2);
  receiver->SetWord(0x1001, 0x0304);
  uint16_t words[2] = {0, 0};
  ASSERT_TRUE(quarn.ReadMemory(0x1000, 2, words));
  EXPECT_EQ((Sent{0xB501, 0x1000, 4}), Last());
  EXPECT_EQ(0xA1B2, words[0]);
  EXPECT_EQ(0x0304, words[1]);

  receiver->Unplug();
  uint16_t kept[2] = {0x1111, 0x2222};
  EXPECT_FALSE(quarn.ReadMemory(0x1000, 2, kept));
  EXPECT_EQ(0x1111, kept[0]);
  EXPECT_EQ(0x2222, kept[1]);
}

TEST_F(QuarnTest, WritePageErasesOnceThenWritesAndVerifiesFourBlocks) {
  std::vector<uint16_t> words(128);
  for (int i = 0; i < 128; ++i) words[i] = static_cast<uint16_t>(0x0100 * i + i);
  quarn.UpdateMode(1);
  receiver->ClearLog();
  ASSERT_TRUE(quarn.WritePage(0x2700, words.data()));

  const std::vector<Sent> sent = Sents();
  ASSERT_EQ(389u, sent.size());
  EXPECT_EQ((Sent{0xB502, 0x2700, 1}), sent[0]);
  // Word 1 = 0x0101: low byte to position 2, high byte to position 3.
  EXPECT_EQ((Sent{0xB504, 0x0102, 1}), sent[3]);
  EXPECT_EQ((Sent{0xB504, 0x0103, 1}), sent[4]);
  const uint16_t programs[4] = {0xA700, 0xA720, 0xA740, 0xA760};
  for (int k = 0; k < 4; ++k) {
    const size_t block = 1 + 97 * k;
    EXPECT_EQ((Sent{0xB500, programs[k], 1}), sent[block + 64]);
    EXPECT_EQ((Sent{0xB501, static_cast<uint16_t>(0x2700 + 32 * k), 2}), sent[block + 65]);
    EXPECT_EQ((Sent{0xB501, static_cast<uint16_t>(0x2700 + 32 * k + 31), 2}), sent[block + 96]);
  }
  EXPECT_EQ(words, Page());
}

TEST_F(QuarnTest, BlockWithAFailedReadBackDoesNotPass) {
  // Erased words written as erased: a read that fails would look like 0xFFFF and pass.
  scenario.refusedCommands = {0xB501};
  Connect();
  const std::vector<uint16_t> erased(32, 0xFFFF);
  EXPECT_FALSE(quarn.WriteBlock(0x1000, erased.data()));
}

TEST_F(QuarnTest, ReadPageReadsEightBytesAtATimeAndStopsAtAFailure) {
  uint16_t words[128];
  receiver->ClearLog();
  ASSERT_TRUE(quarn.ReadPage(0x2700, words));
  const std::vector<Sent> sent = Sents();
  ASSERT_EQ(32u, sent.size());
  EXPECT_EQ((Sent{0xB501, 0x2704, 8}), sent[1]);
  EXPECT_EQ((Sent{0xB501, 0x277C, 8}), sent[31]);

  scenario.unplugAfter = 3;
  Connect();
  receiver->ClearLog();
  EXPECT_FALSE(quarn.ReadPage(0x2700, words));
  EXPECT_EQ(4u, receiver->Log().size());
}

TEST_F(QuarnTest, SlotsAreReadAtTheirAddresses) {
  SetSlot(40, 0x00012345);
  EXPECT_EQ(0x00012345, quarn.ReadMouseSlot(2));
  EXPECT_EQ((Sent{0xB501, 0x2728, 4}), Last());
  EXPECT_EQ(-1, quarn.ReadMouseSlot(1));  // free
  quarn.ReadMouseSlot(0);
  EXPECT_EQ(0x2772, Last().wIndex);

  const uint16_t keyboard[5] = {0x2774, 0x2740, 0x2748, 0x2750, 0x2758};
  for (int n = 0; n < 5; ++n) {
    quarn.ReadKeyboardSlot(n);
    EXPECT_EQ(keyboard[n], Last().wIndex) << n;
  }
  receiver->ClearLog();
  EXPECT_EQ(-1, quarn.ReadMouseSlot(5));
  EXPECT_EQ(-1, quarn.ReadKeyboardSlot(-1));
  EXPECT_TRUE(receiver->Log().empty());
}

TEST_F(QuarnTest, GenerationFromEitherMarkedWord) {
  receiver->SetWord(0x058F, 0xA412);
  EXPECT_EQ(104, quarn.ReadGeneration());
  receiver->SetWord(0x058F, 0x1234);
  receiver->SetWord(0x2701, 0xA437);
  EXPECT_EQ(37, quarn.ReadGeneration());
  receiver->SetWord(0x2701, 0xA438);
  EXPECT_EQ(38, quarn.ReadGeneration());
  receiver->SetWord(0x2701, 0xFFFF);
  EXPECT_EQ(-1, quarn.ReadGeneration());
  receiver->Unplug();
  EXPECT_EQ(0, quarn.ReadGeneration());
}

TEST_F(QuarnTest, GenerationIsUnknownWhenTheFallbackReadFails) {
  scenario.generation = 38;
  scenario.unplugAfter = 1;  // the first read answers, the fallback read does not
  Connect();
  EXPECT_EQ(-1, quarn.ReadGeneration());
}

}  // namespace
