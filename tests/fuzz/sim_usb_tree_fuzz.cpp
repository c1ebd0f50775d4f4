// The simulator's USB tree description, loaded and then searched and used exactly as the pairing
// tool does: the receiver search over the tree's hub driver, and a command to what it found.
#include <cstdlib>
#include <string>

#include "receiver/receiver_protocol.h"
#include "receiver/softcpu.h"
#include "simulator/receiver.h"
#include "simulator/usb_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  sim::Receiver device{sim::Scenario{}};
  sim::UsbTree tree;
  std::string error;
  const bool loaded = tree.Load(
      text, [&](const std::string& name) -> sim::SimUsbDevice* { return name == "receiver" ? &device : nullptr; },
      &error);
  if (!loaded && error.empty()) __builtin_trap();  // a refusal always says why
  {
    TSoftCpu cpu(tree.Ops());
    if (cpu.FindReceiver(device.VendorId(), device.ProductId())) {
      uint8_t record[8];
      cpu.ReadRecord(receiver::kRecordPairingStatus, record);
    }
    cpu.FindReceiver(0x1234, 0x5678);
  }
  if (tree.OpenHandles() != 0 || tree.OpenSets() != 0) std::abort();  // the search leaks nothing
  return 0;
}
