// A page-journal record left in the user's folder, and the configuration page a receiver shows at
// the next check. Whatever the two hold, the check writes only when the record is intact and every
// block of the page is the record's intended block, its original block or erased, and then it writes
// exactly the intended page.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "receiver/page_rewrite.h"
#include "simulator/receiver.h"
#include "tests/unit/support/memory_files.h"

namespace {

// Commands straight to a simulated receiver.
class SimulatedChannel : public receiver::CommandChannel {
 public:
  explicit SimulatedChannel(sim::Receiver& r) : r_(r) {}
  bool SendCommand(uint16_t command, uint16_t value, uint16_t length) override {
    uint8_t reply[8];
    uint16_t got = 0;
    return r_.ControlIn(command, value, length > 8 ? 8 : length, reply, &got);
  }
  bool ReadCommand(uint16_t command, uint16_t value, uint16_t length, uint8_t* buffer) override {
    uint8_t reply[256];
    uint16_t got = 0;
    if (length > sizeof(reply) || !r_.ControlIn(command, value, length, reply, &got) || got != length) {
      return false;
    }
    std::copy(reply, reply + length, buffer);
    return true;
  }

 private:
  sim::Receiver& r_;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

// Input: the record file's bytes, then the 256 bytes of the page the receiver holds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < receiver::kPageBytes) return 0;
  const size_t recordSize = size - receiver::kPageBytes;
  receiver::Page page;
  std::copy(data + recordSize, data + size, page.begin());

  testfiles::MemoryFiles files;
  files.files[std::wstring(testfiles::kUserFolder) + receiver::PageJournal::kFileName] =
      std::string(reinterpret_cast<const char*>(data), recordSize);
  receiver::PageJournal journal(files.Ops(), testfiles::kUserFolder);

  sim::Receiver simulated{sim::Scenario()};
  for (int k = 0; k < receiver::kPageWords; ++k) {
    simulated.SetWord(static_cast<uint16_t>(receiver::kConfigPageAddress + k),
                      static_cast<uint16_t>(page[2 * k] | (page[2 * k + 1] << 8)));
  }
  SimulatedChannel channel(simulated);
  const auto pending = journal.Pending();
  const receiver::SettleResult result =
      receiver::SettlePendingRewrite(channel, journal, [](uint32_t) {}, {0, 0});

  bool erased = false;
  for (const auto& transfer : simulated.Log()) erased |= transfer.wValue == receiver::CMD_ERASE_PAGE;
  if (!pending) {
    Check(result == receiver::SettleResult::kNothingPending && !erased);
  } else if (receiver::ClassifyPage(*pending, page) == receiver::PageState::kInterrupted) {
    Check(result == receiver::SettleResult::kCompleted && simulated.ConfigPage() == pending->intended);
  } else {
    Check(!erased && simulated.ConfigPage() == page);
  }
  return 0;
}
