// What a hostile or damaged receiver answers the pairing tool: the receiver sits at a port of a
// well-behaved simulated USB tree and answers every command from the fuzz input. The pairing run
// reads pairing status and RF-info records and stores what reported in the configuration page.
#include <cstdlib>
#include <cstring>
#include <string>

#include "pairtool/run/pairing_run.h"
#include "receiver/receiver_protocol.h"
#include "receiver/softcpu.h"
#include "simulator/usb_tree.h"

namespace {

class HostileReceiver : public sim::SimUsbDevice {
 public:
  HostileReceiver(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  std::array<uint8_t, 18> DeviceDescriptor() const override {
    return {18, 1, 0x10, 1, 0, 0, 0, 8, 0x6E, 0x2B, 0x4F, 0x05, 0, 1, 1, 2, 0, 1};
  }
  // Each answer takes one byte (fails when even, else how many bytes of reply) and then the reply.
  bool ControlIn(uint16_t, uint16_t, uint16_t wLength, uint8_t* reply, uint16_t* replyLength) override {
    if (at_ >= size_) return false;  // out of input: the receiver is gone, every loop ends
    const uint8_t how = data_[at_++];
    if ((how & 1) == 0) return false;
    const size_t wanted = (how & 2) ? wLength : std::min<size_t>(how >> 2, wLength);
    const size_t n = std::min(wanted, size_ - at_);
    if (n > 0) std::memcpy(reply, data_ + at_, n);
    at_ += n;
    *replyLength = static_cast<uint16_t>(n);
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

class SilentView : public pairtool::PairingView {
 public:
  void ShowMessage(const std::wstring&) override {}
  void ShowMouseId(const std::wstring& text) override { Check(text); }
  void ShowKeyboardId(const std::wstring& text) override { Check(text); }
  void SetTimerEnabled(bool) override {}
  void Sleep(unsigned) override {}

 private:
  static void Check(const std::wstring& id) {
    if (id.size() > 6) std::abort();  // six hexadecimal digits at most
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HostileReceiver device(data, size);
  sim::UsbTree tree;
  if (!tree.AddController(0, 2, sim::ControllerAccess::kBoth, nullptr) ||
      !tree.AddDevice("0/2", &device, {}, nullptr)) {
    std::abort();
  }
  TSoftCpu cpu(tree.Ops());
  SilentView view;
  receiver::PageJournal journal;
  pairtool::PairingRun run(cpu, [](const std::wstring& key) { return key; }, view, journal);
  run.PressPair();
  for (int tick = 0; tick < pairtool::PairingRun::kCountdownTicks + 2; ++tick) run.Tick();
  return 0;
}
