#include "outside/hidora/core/device_access.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace hidora {
namespace {

uint16_t Low16(uint32_t value) { return static_cast<uint16_t>(value & 0xFFFF); }

// The body of one export; anything thrown inside it becomes the export's failure value.
template <typename Body>
int32_t Guarded(int32_t failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

// A path we gave out is at most 127 units long; never read further than that into a caller's string.
bool ReadPath(const char16_t* path, std::u16string* out) {
  if (path == nullptr) return false;
  const char16_t* end = std::find(path, path + kPathUnits, u'\0');
  if (end == path + kPathUnits || end == path) return false;
  out->assign(path, end);
  return true;
}

}  // namespace

DeviceAccess::DeviceAccess(BackendFactory factory) noexcept : factory_(std::move(factory)) {}

Backend* DeviceAccess::Current() {
  if (!backend_ && factory_) backend_ = factory_();
  return backend_.get();
}

int32_t DeviceAccess::Initial() noexcept {
  return Guarded(0, [&] { return Current() != nullptr ? 1 : 0; });
}

int32_t DeviceAccess::CloseQuery() noexcept {
  backend_.reset();
  return 1;
}

int32_t DeviceAccess::GetUsbDeviceFromHub(uint32_t vendorId, uint32_t productId, int32_t index,
                                          char16_t* path, uint32_t* tag) noexcept {
  return Guarded(kNoCount, [&] {
    if (path == nullptr || tag == nullptr) return kNoCount;
    Backend* backend = Current();
    if (backend == nullptr) return kNoCount;

    std::u16string found;
    uint32_t foundTag = 0;
    const int32_t count =
        backend->Find(Low16(vendorId), Low16(productId), index, &found, &foundTag);
    // A path cut short would address nothing, so one that does not fit is not handed out at all.
    if (found.size() >= static_cast<size_t>(kPathUnits)) found.clear();
    std::memcpy(path, found.c_str(), (found.size() + 1) * sizeof(char16_t));
    *tag = foundTag;
    return count;
  });
}

bool DeviceAccess::Transfer(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
                            uint32_t length, uint8_t* reply, uint16_t* got) {
  std::u16string where;
  if (!ReadPath(path, &where) || Low16(length) == 0) return false;
  Backend* backend = Current();
  if (backend == nullptr) return false;
  return backend->Transfer(where, Low16(tag), Low16(command), Low16(value), Low16(length), reply,
                           got);
}

int32_t DeviceAccess::Write(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
                            uint32_t length) noexcept {
  return Guarded(0, [&] {
    std::vector<uint8_t> scratch(Low16(length) + 1u);
    uint16_t got = 0;
    return Transfer(path, tag, command, value, length, scratch.data(), &got) ? 1 : 0;
  });
}

int32_t DeviceAccess::Read(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
                           uint32_t length, uint8_t* buffer) noexcept {
  return Guarded(0, [&] {
    if (buffer == nullptr) return 0;
    // Through a scratch buffer, so that a short or failed answer leaves the caller's bytes alone.
    std::vector<uint8_t> scratch(Low16(length) + 1u);
    uint16_t got = 0;
    if (!Transfer(path, tag, command, value, length, scratch.data(), &got)) return 0;
    if (got != Low16(length)) return 0;
    std::memcpy(buffer, scratch.data(), got);
    return 1;
  });
}

}  // namespace hidora
