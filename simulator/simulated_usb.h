// A simulated USB tree with one simulated receiver in it, described by a small settings file, so a
// program that searches the USB tree finds the receiver as it would find real hardware.
//
// Settings file (INI):
//   [Simulator]
//   Scenario=receiver.ini      the receiver's scenario file (see README.md), relative to this file
//   Tree=usb-tree.txt          optional: the USB tree (usb_tree.h format, the receiver is the device
//                              named "receiver"); relative to this file. Default: one controller
//                              with the receiver at port 2 of its root hub.
#pragma once
#include <memory>
#include <string>

#include "simulator/receiver.h"
#include "simulator/usb_tree.h"

namespace sim {

class SimulatedUsb {
 public:
  // On failure returns false with a message naming the file and the problem; nothing is created.
  static bool Open(const std::string& settingsPath, std::unique_ptr<SimulatedUsb>* out,
                   std::string* error);

  const usb::UsbPlatformOps& Ops() const { return tree_.Ops(); }
  Receiver& ReceiverDevice() { return *receiver_; }
  UsbTree& Tree() { return tree_; }

 private:
  SimulatedUsb() = default;
  std::unique_ptr<Receiver> receiver_;
  UsbTree tree_;
};

}  // namespace sim
