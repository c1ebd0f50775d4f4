// How the library reaches receivers: found by USB IDs, then addressed by the path and tag it gave out.
// The real USB tree and the receiver simulator each implement this.
#pragma once
#include <cstdint>
#include <string>

namespace hidora {

class Backend {
 public:
  virtual ~Backend() = default;

  // The number of receivers with these IDs, -1 when no count can be made. For the receiver at
  // index (if there is one) its path and tag are set; otherwise they are left alone.
  virtual int32_t Find(uint16_t vendorId, uint16_t productId, int32_t index, std::u16string* path,
                       uint32_t* tag) = 0;

  // One control-IN request (wValue, wIndex, wLength) to the receiver at path and tag; at most
  // wLength reply bytes. False when that receiver is unknown, gone, or the request fails; reply and
  // replyLength are then left alone.
  virtual bool Transfer(const std::u16string& path, uint16_t tag, uint16_t wValue, uint16_t wIndex,
                        uint16_t wLength, uint8_t* reply, uint16_t* replyLength) = 0;
};

}  // namespace hidora
