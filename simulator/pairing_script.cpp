#include "simulator/pairing_script.h"

#include <utility>

namespace sim {

PairingScript::PairingScript(std::vector<ScriptedDevice> devices)
    : devices_(std::move(devices)), paired_(devices_.size(), false) {}

void PairingScript::Start() {
  active_ = true;
  ++session_;
  reads_ = 0;
  record_.fill(0);
}

void PairingScript::Stop() { active_ = false; }

std::array<uint8_t, 8> PairingScript::ReadStatus() {
  if (!active_) return record_;
  ++reads_;
  for (size_t i = 0; i < devices_.size(); ++i) {
    if (!Due(i)) continue;
    Report(devices_[i]);
    paired_[i] = true;
  }
  return record_;
}

// The record has room for one mouse and one keyboard per session; a further device of a kind that
// already reported waits for a later session.
bool PairingScript::Due(size_t i) const {
  const ScriptedDevice& d = devices_[i];
  const uint8_t flag = d.kind == DeviceKind::kMouse ? kMouseReported : kKeyboardReported;
  return !paired_[i] && (record_[6] & flag) == 0 && session_ >= d.session && reads_ >= d.after;
}

void PairingScript::Report(const ScriptedDevice& d) {
  const size_t first = d.kind == DeviceKind::kMouse ? 0 : 3;
  record_[first] = static_cast<uint8_t>((d.id >> 16) & 0x07);
  record_[first + 1] = static_cast<uint8_t>((d.id >> 8) & 0xFF);
  record_[first + 2] = static_cast<uint8_t>(d.id & 0xFF);
  if (d.kind == DeviceKind::kMouse) {
    record_[6] |= kMouseReported;
    record_[7] = d.attribute;
  } else {
    record_[6] |= kKeyboardReported;
  }
}

}  // namespace sim
