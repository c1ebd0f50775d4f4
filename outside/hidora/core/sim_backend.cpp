#include "outside/hidora/core/sim_backend.h"

namespace hidora {

SimBackend::SimBackend(std::unique_ptr<sim::Receiver> receiver, int32_t receivers)
    : receiver_(std::move(receiver)), receivers_(receivers) {}

std::unique_ptr<SimBackend> SimBackend::Open(const std::string& scenarioPath, int32_t receivers,
                                             std::string* error) {
  sim::Receiver* opened = nullptr;
  std::string why;
  if (!sim::Receiver::Open(scenarioPath, &opened, &why)) {
    if (error != nullptr) *error = why;
    opened = nullptr;
  }
  return std::make_unique<SimBackend>(std::unique_ptr<sim::Receiver>(opened), receivers);
}

int32_t SimBackend::Find(uint16_t vendorId, uint16_t productId, int32_t index,
                         std::u16string* path, uint32_t* tag) {
  if (!receiver_) return -1;
  if (vendorId != receiver_->VendorId() || productId != receiver_->ProductId()) return 0;
  if (!receiver_->Connected()) return 0;
  if (index >= 0 && index < receivers_) {
    *path = kSimulatorPath;
    *tag = static_cast<uint32_t>(index + 1);
  }
  return receivers_;
}

bool SimBackend::Transfer(const std::u16string& path, uint16_t tag, uint16_t wValue,
                          uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                          uint16_t* replyLength) {
  if (!receiver_ || path != kSimulatorPath || tag < 1 || tag > receivers_) return false;
  if (reply == nullptr || replyLength == nullptr) return false;
  return receiver_->ControlIn(wValue, wIndex, wLength, reply, replyLength);
}

}  // namespace hidora
