// A simulated receiver reached the way the host reaches it: binding -> device library -> receiver.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/receiver/device_library.h"
#include "host/receiver/quarn.h"
#include "host/receiver/receiver_operations.h"
#include "simulator/receiver.h"
#include "tests/unit/host/fake_device_library.h"

namespace hosttest {

class ReceiverFixture : public ::testing::Test {
 protected:
  // Tests adjust `scenario` and call Connect() before touching the receiver.
  void Connect() {
    receiver = std::make_unique<sim::Receiver>(scenario);
    fake = std::make_unique<FakeDeviceLibrary>(receiver.get());
    library = std::make_unique<host::TDeviceLibrary>(fake->Ops());
    library->BindDeviceLibrary(nullptr);
    std::u16string path;
    uint16_t tag = 0;
    ASSERT_EQ(1, library->FindReceiver(0, &path, &tag));
    quarn = host::TQUARN(library.get(), path, tag);
  }

  // Mouse or keyboard slot value written straight into the flash: words k and k+1.
  void SetSlot(int firstWord, uint32_t value) {
    receiver->SetWord(static_cast<uint16_t>(0x2700 + firstWord), static_cast<uint16_t>(value >> 16));
    receiver->SetWord(static_cast<uint16_t>(0x2700 + firstWord + 1),
                      static_cast<uint16_t>(value & 0xFFFF));
  }
  uint16_t PageWord(int k) const { return receiver->Word(static_cast<uint16_t>(0x2700 + k)); }
  std::vector<uint16_t> Page() const {
    std::vector<uint16_t> words;
    for (int k = 0; k < 128; ++k) words.push_back(PageWord(k));
    return words;
  }

  host::Wait RecordWaits() {
    return [this](uint32_t ms) { waits.push_back(ms); };
  }

  sim::Scenario scenario;
  std::unique_ptr<sim::Receiver> receiver;
  std::unique_ptr<FakeDeviceLibrary> fake;
  std::unique_ptr<host::TDeviceLibrary> library;
  host::TQUARN quarn;
  std::vector<uint32_t> waits;
};

}  // namespace hosttest
