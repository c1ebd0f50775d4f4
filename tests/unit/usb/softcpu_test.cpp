// The receiver command channel end to end: TSoftCpu -> search and transfer -> operations table ->
// simulated hub -> a recording flash device.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "usb/hub_queries.h"
#include "receiver/receiver_protocol.h"
#include "receiver/softcpu.h"
#include "simulator/usb_tree.h"
#include "tests/unit/usb/flash_device.h"

namespace {

using usbtest::Request;

class SoftCpuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tree.AddController(0, 2, sim::ControllerAccess::kBoth, nullptr));
    ASSERT_TRUE(tree.AddHub("0/1", 4, {}, nullptr));
    ASSERT_TRUE(tree.AddDevice("0/1/2", &device, {}, nullptr));
    ASSERT_TRUE(cpu.FindReceiver(receiver::kVendorId, receiver::kProductIdA));
    device.log.clear();
  }

  void TearDown() override {
    EXPECT_EQ(0, tree.OpenHandles());
    EXPECT_EQ(0, tree.Misuses());
  }

  Request Last() const { return device.log.empty() ? Request{} : device.log.back(); }

  static std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> data(size);
    for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
    return data;
  }

  usbtest::FlashDevice device{receiver::kVendorId, receiver::kProductIdA};
  sim::UsbTree tree;
  TSoftCpu cpu{tree.Ops()};
};

TEST_F(SoftCpuTest, NamedCommandsSendTheirSetupFields) {
  EXPECT_TRUE(cpu.LoadByte(5, 0xA4));
  EXPECT_EQ((Request{0xB504, 0xA405, 1}), Last());
  EXPECT_TRUE(cpu.SetParameter(1, 6));
  EXPECT_EQ((Request{0xBE01, 0x0006, 1}), Last());
  EXPECT_TRUE(cpu.SetParameter(1, 0x1F));
  EXPECT_EQ((Request{0xBE01, 0x001F, 1}), Last());
  EXPECT_TRUE(cpu.Program(0x2700, true));
  EXPECT_EQ((Request{0xB500, 0xA700, 1}), Last());
  EXPECT_TRUE(cpu.Program(0x2700, false));
  EXPECT_EQ((Request{0xB500, 0x2700, 1}), Last());
  EXPECT_TRUE(cpu.Program(0xA700, false));  // a word write clears bit 15
  EXPECT_EQ((Request{0xB500, 0x2700, 1}), Last());
  EXPECT_TRUE(cpu.ErasePage(0x2700));
  EXPECT_EQ((Request{0xB502, 0x2700, 1}), Last());
  EXPECT_TRUE(cpu.UpdateMode(1));
  EXPECT_EQ((Request{0xBF01, 1, 1}), Last());
  EXPECT_TRUE(cpu.UpdateMode(2));
  EXPECT_EQ((Request{0xBF01, 2, 1}), Last());
  EXPECT_TRUE(cpu.StartPairing());
  EXPECT_EQ((Request{0xBF02, 1, 1}), Last());
}

TEST_F(SoftCpuTest, ReadRecordReturnsTheEightRecordBytes) {
  device.record = {0x05, 0x12, 0x34, 0, 0, 0, 0x20, 0x80};
  uint8_t record[8] = {};
  ASSERT_TRUE(cpu.ReadRecord(6, record));
  EXPECT_EQ((Request{0xB600, 6, 8}), Last());
  EXPECT_EQ(0, std::memcmp(record, device.record.data(), 8));
}

TEST_F(SoftCpuTest, ShortReplyDoesNotPassAsARead) {
  device.SetWord(0x2700, 0x2211);
  device.SetWord(0x2701, 0x4433);
  device.shortReads = true;
  uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_FALSE(cpu.ReadMemory(0x2700, 4, buffer));
  EXPECT_EQ(0xEE, buffer[0]);
  EXPECT_EQ(0xEE, buffer[3]);
}

TEST_F(SoftCpuTest, WritePageSendsTheFullSequenceAndVerifies) {
  const std::vector<uint8_t> page = Pattern(256);
  std::vector<uint32_t> progress;
  ASSERT_TRUE(cpu.WritePage(0x2700, page.data(),
                            [&](uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
                              EXPECT_EQ(0u, a + c + d);
                              progress.push_back(b);
                            }));

  std::vector<Request> expected{{0xB502, 0x2700, 1}};
  for (uint16_t k = 0; k < 4; ++k) {
    const auto block = static_cast<uint16_t>(0x2700 + 32 * k);
    for (uint16_t i = 0; i < 64; ++i) {
      expected.push_back({0xB504, static_cast<uint16_t>(i | (page[64 * k + i] << 8)), 1});
    }
    expected.push_back({0xB500, static_cast<uint16_t>(block | 0x8000), 1});
    for (uint16_t i = 0; i < 32; ++i) {
      expected.push_back({0xB501, static_cast<uint16_t>(block + i), 2});
    }
  }
  ASSERT_EQ(389u, expected.size());
  EXPECT_EQ(expected, device.log);
  EXPECT_EQ((std::vector<uint32_t>{0x2720, 0x2740, 0x2760, 0x2780}), progress);
  for (uint16_t w = 0; w < 128; ++w) {
    ASSERT_EQ(page[2 * w] | (page[2 * w + 1] << 8), device.Word(0x2700 + w)) << w;
  }
}

TEST_F(SoftCpuTest, StuckWordStopsThePageWriteAtItsBlock) {
  device.stuckWords.insert(0x2745);  // in the third block
  const std::vector<uint8_t> page = Pattern(256);
  EXPECT_FALSE(cpu.WritePage(0x2700, page.data()));
  // Erase, two full blocks, then the third block up to the read-back of the stuck word.
  EXPECT_EQ(1u + 2 * 97 + 65 + 6, device.log.size());
  EXPECT_EQ((Request{0xB501, 0x2745, 2}), Last());
}

TEST_F(SoftCpuTest, FailedReadBackCountsAsMismatch) {
  // All zero: an unfilled (zeroed or stale) read buffer would hold exactly the expected bytes.
  const std::vector<uint8_t> block(64, 0x00);
  device.failingReads.insert(0x2703);
  EXPECT_FALSE(cpu.WriteBlock(0x2700, block.data()));
  EXPECT_EQ((Request{0xB501, 0x2703, 2}), Last());

  const uint8_t word[2] = {0x00, 0x00};
  EXPECT_FALSE(cpu.WriteWord(0x2703, word));
}

TEST_F(SoftCpuTest, WriteWordProgramsOneWord) {
  const uint8_t word[2] = {0x34, 0x12};
  ASSERT_TRUE(cpu.WriteWord(0x2772, word));
  const std::vector<Request> expected{{0xB504, 0x3400, 1},
                                      {0xB504, 0x1201, 1},
                                      {0xB500, 0x2772, 1},
                                      {0xB501, 0x2772, 2}};
  EXPECT_EQ(expected, device.log);
  EXPECT_EQ(0x1234, device.Word(0x2772));

  device.stuckWords.insert(0x2773);
  EXPECT_FALSE(cpu.WriteWord(0x2773, word));
}

TEST_F(SoftCpuTest, ReadPageReadsEightBytesAtATime) {
  for (uint16_t w = 0; w < 128; ++w) device.SetWord(0x2700 + w, static_cast<uint16_t>(w * 0x0101));
  uint8_t page[256] = {};
  ASSERT_TRUE(cpu.ReadPage(0x2700, page));
  ASSERT_EQ(32u, device.log.size());
  for (uint16_t k = 0; k < 32; ++k) {
    EXPECT_EQ((Request{0xB501, static_cast<uint16_t>(0x2700 + 4 * k), 8}), device.log[k]);
  }
  EXPECT_EQ(0x00, page[0]);
  EXPECT_EQ(0x7F, page[254]);
  EXPECT_EQ(0x7F, page[255]);
}

TEST_F(SoftCpuTest, ReadPageStopsAtTheFirstFailedRead) {
  device.failingReads.insert(0x2714);  // the sixth read
  uint8_t page[256];
  std::memset(page, 0xEE, sizeof page);
  EXPECT_FALSE(cpu.ReadPage(0x2700, page));
  EXPECT_EQ(6u, device.log.size());
  EXPECT_EQ(0xFF, page[39]);  // read so far: erased flash
  EXPECT_EQ(0xEE, page[40]);  // the rest untouched
}

TEST_F(SoftCpuTest, AddressesWrapAtSixteenBits) {
  uint8_t page[256] = {};
  ASSERT_TRUE(cpu.ReadPage(0xFFF8, page));
  EXPECT_EQ((Request{0xB501, 0xFFFC, 8}), device.log[1]);
  EXPECT_EQ((Request{0xB501, 0x0000, 8}), device.log[2]);
}

TEST_F(SoftCpuTest, UnpluggedReceiverFailsEveryCommand) {
  device.Unplug();
  EXPECT_FALSE(cpu.StartPairing());
  uint8_t record[8] = {};
  EXPECT_FALSE(cpu.ReadRecord(6, record));
  EXPECT_TRUE(device.log.empty());
}

TEST_F(SoftCpuTest, CommandTheReceiverNeverAnswersFailsWithinTheLimit) {
  ASSERT_TRUE(tree.SetNeverAnswers("0/1/2", true));
  uint8_t record[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_FALSE(cpu.ReadRecord(6, record));
  EXPECT_EQ(0xEE, record[0]);
  EXPECT_GT(tree.WaitedMs(), 0u);
  EXPECT_LE(tree.WaitedMs(), usb::kCommandTimeLimitMs);
  // Nothing is held over: once the receiver answers again, so does the channel.
  ASSERT_TRUE(tree.SetNeverAnswers("0/1/2", false));
  EXPECT_TRUE(cpu.StartPairing());
}

TEST_F(SoftCpuTest, DeviceSwappedIntoTheReceiversPortGetsNoCommand) {
  const struct {
    uint16_t vendorId, productId;
  } strangers[] = {{0x046D, 0xC52B}, {receiver::kVendorId, receiver::kProductIdB}};
  for (const auto& ids : strangers) {
    ASSERT_TRUE(cpu.FindReceiver(receiver::kVendorId, receiver::kProductIdA));
    ASSERT_TRUE(cpu.UpdateMode(1));
    ASSERT_TRUE(tree.Unplug("0/1/2"));
    usbtest::FlashDevice stranger{ids.vendorId, ids.productId};
    ASSERT_TRUE(tree.AddDevice("0/1/2", &stranger, {}, nullptr));
    EXPECT_FALSE(cpu.ErasePage(0x2700)) << std::hex << ids.vendorId << ":" << ids.productId;
    EXPECT_TRUE(stranger.log.empty());
    ASSERT_TRUE(tree.Unplug("0/1/2"));
    ASSERT_TRUE(tree.AddDevice("0/1/2", &device, {}, nullptr));
  }
}

TEST(SoftCpuWithoutReceiver, CommandsFailBeforeAnySearch) {
  sim::UsbTree tree;
  TSoftCpu cpu(tree.Ops());
  EXPECT_FALSE(cpu.UpdateMode(1));
  uint8_t page[256] = {};
  EXPECT_FALSE(cpu.ReadPage(0x2700, page));
  EXPECT_EQ(0, tree.OpenHandles());
}

}  // namespace
