// What a hostile or damaged receiver answers the host, through the device-access library's Read and
// Write: pairing status and RF-info records while pairing (and storing what reported), the
// configuration page as the slot layout reads it, the generation mark, and a rewrite of the list.
#include <cstdlib>
#include <cstring>

#include "host/receiver/device_commands.h"
#include "host/receiver/quarn.h"
#include "host/receiver/receiver_operations.h"
#include "receiver/receiver_protocol.h"

namespace {

// Each answer takes one byte (its result) and, for a read that succeeds, `length` bytes of reply.
class HostileLibrary : public host::DeviceCommands {
 public:
  HostileLibrary(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int32_t SendCommand(const std::u16string&, uint16_t, uint16_t, uint16_t, uint16_t) override {
    return Result();
  }
  int32_t ReadCommand(const std::u16string&, uint16_t, uint16_t, uint16_t, uint16_t length,
                      uint8_t* buffer) override {
    const int32_t result = Result();
    if (host::LibrarySucceeded(result)) {
      const size_t n = std::min<size_t>(length, size_ - at_);
      if (n > 0) std::memcpy(buffer, data_ + at_, n);
      at_ += n;
    }
    return result;
  }

 private:
  // Out of input: every command fails, so every loop ends.
  int32_t Result() { return at_ < size_ ? static_cast<int32_t>(data_[at_++] * 0x01010101u) : 0; }
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HostileLibrary library(data, size);
  host::TQUARN quarn(&library, u"\\\\?\\usb#receiver", 1);
  const host::Wait noWait = [](uint32_t) {};
  host::PairParameterTable parameters;
  host::StartPairing(quarn, parameters, noWait);
  for (int poll = 0; poll < 3; ++poll) {
    int32_t type = 0;
    uint32_t id = 0;
    host::StoreReport report;
    if (host::PollPairing(quarn, &type, &id, noWait, &report) && id > receiver::kDeviceIdMask) std::abort();
  }
  host::StopPairing(quarn);
  quarn.ReadGeneration();
  host::TPairedDeviceTable list{};
  host::ReadDeviceList(quarn, &list);
  host::TPairedDeviceTable wanted = list;
  wanted.mouseIds[0] = 0x51234;
  host::UpdateDeviceList(quarn, list, wanted, noWait);
  return 0;
}
