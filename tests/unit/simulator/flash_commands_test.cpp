// The flash as the commands see it: NOR programming, page erase, the write buffer, memory reads and
// the update-mode guard of the configuration page.
#include <gtest/gtest.h>

#include "tests/unit/simulator/sim_test_util.h"

using simtest::ProgramBlock;
using simtest::ProgramWord;
using simtest::Send;

namespace {

std::vector<uint8_t> ReadMemory(sim::Receiver& r, uint16_t address, uint16_t length) {
  std::vector<uint8_t> reply(length, 0xCC);
  uint16_t n = 0;
  EXPECT_TRUE(r.ControlIn(0xB501, address, length, reply.data(), &n));
  EXPECT_EQ(length, n);
  return reply;
}

TEST(SimFlash, ProgrammingOnlyClearsBits) {
  sim::Receiver r{sim::Scenario()};
  ASSERT_TRUE(ProgramWord(r, 0x1000, 0x0F3C));
  EXPECT_EQ(0x0F3C, r.Word(0x1000));
  ASSERT_TRUE(ProgramWord(r, 0x1000, 0xF0F5));  // would set bits: AND keeps them cleared
  EXPECT_EQ(0x0034, r.Word(0x1000));
  ASSERT_TRUE(Send(r, 0xB502, 0x1000));
  EXPECT_EQ(0xFFFF, r.Word(0x1000));
}

TEST(SimFlash, BlockProgramsThirtyTwoWordsFromTheBuffer) {
  sim::Receiver r{sim::Scenario()};
  std::array<uint16_t, 32> words;
  for (int i = 0; i < 32; ++i) words[i] = static_cast<uint16_t>(0x1100 + i);
  ASSERT_TRUE(ProgramBlock(r, 0x3020, words));
  EXPECT_EQ(0xFFFF, r.Word(0x301F));
  for (int i = 0; i < 32; ++i) EXPECT_EQ(words[i], r.Word(0x3020 + i)) << i;
  EXPECT_EQ(0xFFFF, r.Word(0x3040));
}

TEST(SimFlash, EraseCoversTheAlignedPageContainingTheAddress) {
  sim::Receiver r{sim::Scenario()};
  for (uint16_t a : {0x0FFF, 0x1000, 0x1045, 0x107F, 0x1080}) r.SetWord(a, 0);
  ASSERT_TRUE(Send(r, 0xB502, 0x1045));
  EXPECT_EQ(0x0000, r.Word(0x0FFF));
  EXPECT_EQ(0xFFFF, r.Word(0x1000));
  EXPECT_EQ(0xFFFF, r.Word(0x1045));
  EXPECT_EQ(0xFFFF, r.Word(0x107F));
  EXPECT_EQ(0x0000, r.Word(0x1080));
}

TEST(SimFlash, LoadBytePositionsAreZeroToSixtyThree) {
  sim::Receiver r{sim::Scenario()};
  EXPECT_TRUE(Send(r, 0xB504, 0xA43F));   // position 63
  EXPECT_FALSE(Send(r, 0xB504, 0xA440));  // position 64
  EXPECT_FALSE(Send(r, 0xB504, 0x00FF));
  // Position 63 is the high byte of the block's last word.
  std::array<uint16_t, 32> none;
  none.fill(0xFFFF);
  ProgramBlock(r, 0x2000, none);
  Send(r, 0xB504, 0x123F);
  ASSERT_TRUE(Send(r, 0xB500, 0xA000));
  EXPECT_EQ(0x12FF, r.Word(0x201F));
}

TEST(SimFlash, ReadMemoryIsLowByteFirstAndWrapsAt16Bits) {
  sim::Receiver r{sim::Scenario()};
  r.SetWord(0xFFFF, 0xA1B2);
  r.SetWord(0x0000, 0xC3D4);
  EXPECT_EQ((std::vector<uint8_t>{0xB2, 0xA1, 0xD4, 0xC3, 0xFF}), ReadMemory(r, 0xFFFF, 5));
}

TEST(SimFlash, ConfigPageIsWritableOnlyInUpdateMode) {
  sim::Receiver r{sim::Scenario()};
  const std::array<uint8_t, 256> factory = r.ConfigPage();
  std::array<uint16_t, 32> zeros{};

  EXPECT_FALSE(ProgramWord(r, 0x2772, 0x0005));
  EXPECT_FALSE(ProgramBlock(r, 0x2760, zeros));
  EXPECT_FALSE(ProgramBlock(r, 0x26F0, zeros));  // a block reaching into the page
  EXPECT_FALSE(Send(r, 0xB502, 0x2700));
  EXPECT_FALSE(Send(r, 0xB502, 0x2740));  // any address inside the page
  EXPECT_EQ(factory, r.ConfigPage());
  EXPECT_EQ(0xFFFF, r.Word(0x26F0)) << "a refused block writes none of its words";

  ASSERT_TRUE(Send(r, 0xBF01, 1));
  EXPECT_TRUE(r.InUpdateMode());
  EXPECT_TRUE(Send(r, 0xB502, 0x2700));
  EXPECT_TRUE(ProgramWord(r, 0x2772, 0x0005));
  EXPECT_EQ(0x0005, r.Word(0x2772));

  ASSERT_TRUE(Send(r, 0xBF01, 2));
  EXPECT_FALSE(r.InUpdateMode());
  EXPECT_FALSE(Send(r, 0xB502, 0x2700));
  EXPECT_EQ(0x0005, r.Word(0x2772));
  // Its neighbours are always writable.
  EXPECT_TRUE(ProgramWord(r, 0x26FF, 0));
  EXPECT_TRUE(ProgramWord(r, 0x2780, 0));
}

TEST(SimCommands, UnknownCommandsAndArgumentsAreRefused) {
  sim::Receiver r{sim::Scenario()};
  EXPECT_FALSE(Send(r, 0xB503, 0));
  EXPECT_FALSE(Send(r, 0xB601, 6, 8));
  EXPECT_FALSE(Send(r, 0xB600, 5, 8));
  EXPECT_FALSE(Send(r, 0xBF01, 3));
  EXPECT_FALSE(Send(r, 0xBF02, 2));
  EXPECT_FALSE(r.InPairingMode());
}

TEST(SimCommands, SetParameterStoresTheValueUnderItsNumber) {
  sim::Receiver r{sim::Scenario()};
  ASSERT_TRUE(Send(r, 0xBE01, 0x001F));
  ASSERT_TRUE(Send(r, 0xBEFF, 0xABCD));
  EXPECT_EQ(0x001F, r.Parameter(1));
  EXPECT_EQ(0xABCD, r.Parameter(255));
  EXPECT_EQ(0, r.Parameter(2));
}

TEST(SimCommands, DescriptorCarriesTheScenarioIdentity) {
  sim::Scenario scenario;
  const std::array<uint8_t, 18> standard = sim::Receiver(scenario).DeviceDescriptor();
  EXPECT_EQ(0x2B6E, standard[8] | standard[9] << 8);
  EXPECT_EQ(0x054F, standard[10] | standard[11] << 8);
  scenario.vendorId = 0x1234;
  scenario.productId = 0x055F;
  const std::array<uint8_t, 18> d = sim::Receiver(scenario).DeviceDescriptor();
  EXPECT_EQ(18, d[0]);
  EXPECT_EQ(1, d[1]);
  EXPECT_EQ(0x1234, d[8] | d[9] << 8);
  EXPECT_EQ(0x055F, d[10] | d[11] << 8);
}

}  // namespace
