// Receivers played by the shared receiver simulator, so that the host suite runs without hardware.
// Every reported receiver is the same simulated one; they differ only by tag (1, 2, ...).
#pragma once
#include <memory>
#include <string>

#include "outside/hidora/core/backend.h"
#include "simulator/receiver.h"

namespace hidora {

constexpr char16_t kSimulatorPath[] = u"SIM\\RECEIVER";

class SimBackend : public Backend {
 public:
  // receiver may be null (the scenario did not open): no count can be made then.
  SimBackend(std::unique_ptr<sim::Receiver> receiver, int32_t receivers);

  // Opens the scenario file; on failure the backend has no receiver and *error says why.
  static std::unique_ptr<SimBackend> Open(const std::string& scenarioPath, int32_t receivers,
                                          std::string* error);

  // receivers when the IDs are the simulated receiver's and it is plugged in, else 0.
  int32_t Find(uint16_t vendorId, uint16_t productId, int32_t index, std::u16string* path,
               uint32_t* tag) override;
  bool Transfer(const std::u16string& path, uint16_t tag, uint16_t wValue, uint16_t wIndex,
                uint16_t wLength, uint8_t* reply, uint16_t* replyLength) override;

  sim::Receiver* Receiver() const { return receiver_.get(); }

 private:
  std::unique_ptr<sim::Receiver> receiver_;
  int32_t receivers_;
};

}  // namespace hidora
