// Which USB the pairing tool talks to: the hub driver, or a simulated USB tree with a simulated
// receiver when data\Simulator.ini lies beside the program (demo and test installations only).
#pragma once
#include <memory>
#include <string>

#include "usb/usb_platform.h"

namespace sim {
class SimulatedUsb;
}

namespace pairtool {

class ReceiverAccess {
 public:
  ReceiverAccess();
  ~ReceiverAccess();

  // dataFolder ends with a backslash. False, with a message, when a simulator settings file is
  // there but cannot be used.
  bool Open(const std::wstring& dataFolder, std::wstring* error);
  const usb::UsbPlatformOps& Ops() const;
  bool Simulated() const { return simulated_ != nullptr; }

 private:
  std::unique_ptr<sim::SimulatedUsb> simulated_;
};

}  // namespace pairtool
