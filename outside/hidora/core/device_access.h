// What the five exports do, over whichever backend the library runs on: argument checks, the
// 256-byte path buffer, and Read's "exactly length bytes" rule. Every bad argument gives the
// export's failure value. Nothing leaves these calls as an exception: whatever is thrown below them
// (an allocation that fails on the real path, a fault in a backend) ends as the failure value too,
// since an exception leaving an extern "C" export would end the host.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "outside/hidora/core/backend.h"

namespace hidora {

// The caller's path buffer: 256 bytes, at most 127 UTF-16 units and the terminator.
constexpr int kPathUnits = 128;
constexpr int32_t kNoCount = -1;

using BackendFactory = std::function<std::unique_ptr<Backend>()>;

class DeviceAccess {
 public:
  explicit DeviceAccess(BackendFactory factory) noexcept;

  // Makes the backend unless there is one. 1 when a backend is ready.
  int32_t Initial() noexcept;
  // Drops the backend; the next call makes a new one.
  int32_t CloseQuery() noexcept;

  // The receiver count (-1 on bad arguments or without backend). For the receiver at index the
  // buffer gets its path (empty if the path would not fit) and *tag its tag; for another index an
  // empty path and tag 0. On -1 neither is touched.
  int32_t GetUsbDeviceFromHub(uint32_t vendorId, uint32_t productId, int32_t index, char16_t* path,
                              uint32_t* tag) noexcept;
  // 1 when the receiver took the command, else 0. Only the low 16 bits of tag, command, value and
  // length count.
  int32_t Write(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
                uint32_t length) noexcept;
  // 1 when exactly length bytes came back into buffer, else 0 with buffer untouched.
  int32_t Read(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
               uint32_t length, uint8_t* buffer) noexcept;

 private:
  Backend* Current();
  // One transfer into a scratch buffer; the reply length in *got.
  bool Transfer(const char16_t* path, uint32_t tag, uint32_t command, uint32_t value,
                uint32_t length, uint8_t* reply, uint16_t* got);

  BackendFactory factory_;
  std::unique_ptr<Backend> backend_;
};

}  // namespace hidora
