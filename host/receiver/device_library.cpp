#include "host/receiver/device_library.h"

#include <algorithm>

namespace host {

TDeviceLibrary::TDeviceLibrary(const DeviceLibraryOps& ops) : ops_(ops) {}

template <typename Proc>
Proc TDeviceLibrary::Export(const char* name) const {
  if (module_ == kNoModule) return nullptr;
  return reinterpret_cast<Proc>(ops_.lookup(ops_.context, module_, name));
}

int32_t TDeviceLibrary::BindDeviceLibrary(void* window) {
  // A second bind keeps the module already in use: one copy, but Initial again.
  if (module_ == kNoModule) {
    module_ = ops_.load(ops_.context, ops_.programFolder(ops_.context) + kDeviceLibraryFile);
  }
  const auto initial = Export<InitialProc>("Initial");
  return initial != nullptr ? initial(window) : 0;
}

void TDeviceLibrary::ReleaseDeviceLibrary() {
  if (module_ == kNoModule) return;
  if (const auto closeQuery = Export<CloseQueryProc>("CloseQuery")) closeQuery();
  ops_.unload(ops_.context, module_);
  module_ = kNoModule;
}

int32_t TDeviceLibrary::FindReceiver(int32_t index, std::u16string* path, uint16_t* tag) {
  const auto find = Export<GetUsbDeviceFromHubProc>("GetUsbDeviceFromHub");
  if (find == nullptr) return kNoReceiverCount;
  char16_t buffer[kDevicePathUnits] = {};
  uint32_t fullTag = 0;
  const int32_t count = find(kReceiverVendorId, kReceiverProductId, index, buffer, &fullTag);
  // A library that leaves out the terminator must not send us reading past the buffer.
  const auto end = std::find(buffer, buffer + kDevicePathUnits, u'\0');
  if (path != nullptr) path->assign(buffer, end);
  if (tag != nullptr) *tag = static_cast<uint16_t>(fullTag & 0xFFFF);
  return count;
}

int32_t TDeviceLibrary::SendCommand(const std::u16string& path, uint16_t tag, uint16_t command,
                                    uint16_t value, uint16_t length) {
  const auto write = Export<WriteProc>("Write");
  if (write == nullptr) return kCommandFailed;
  return write(path.c_str(), tag, command, value, length);
}

int32_t TDeviceLibrary::ReadCommand(const std::u16string& path, uint16_t tag, uint16_t command,
                                    uint16_t value, uint16_t length, uint8_t* buffer) {
  const auto read = Export<ReadProc>("Read");
  if (read == nullptr || buffer == nullptr) return kCommandFailed;
  return read(path.c_str(), tag, command, value, length, buffer);
}

}  // namespace host
