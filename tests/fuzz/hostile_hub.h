// A hub driver whose every answer comes from the fuzz input: whether a call succeeds, how many bytes
// it reports and what they are. The hub access must take whatever it says without reading or
// writing outside its own buffers, and must close every handle and set it opened.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "usb/usb_layout.h"
#include "usb/usb_platform.h"

namespace fuzz {

class HostileHub {
 public:
  HostileHub(const uint8_t* data, size_t size) : data_(data), size_(size) {
    ops_.context = this;
    ops_.interfaceDataSize = 28;
    ops_.interfaceDetailSize = 5;
    ops_.openPath = [](void* c, const char*) -> usb::PlatformHandle {
      auto* self = static_cast<HostileHub*>(c);
      if ((self->Byte() & 3) == 0) return usb::kInvalidHandle;
      ++self->openHandles_;
      return 100 + self->openHandles_;
    };
    ops_.closeHandle = [](void* c, usb::PlatformHandle) { --static_cast<HostileHub*>(c)->openHandles_; };
    ops_.deviceIoControl = [](void* c, usb::PlatformHandle, uint32_t code, const void*, uint32_t, void* out,
                              uint32_t outSize, uint32_t* bytesReturned, uint32_t /*timeoutMs*/) {
      auto* self = static_cast<HostileHub*>(c);
      const uint8_t how = self->Byte();
      if ((how & 7) == 0) return false;
      // Fill some of the buffer; report any length up to its size (the I/O manager never reports
      // more than the caller's buffer holds).
      const uint32_t length = self->Length(outSize);
      self->Fill(static_cast<uint8_t*>(out), std::min<uint32_t>(length, outSize));
      if (bytesReturned) *bytesReturned = (how & 8) ? outSize : length;
      if (how & 0x10) ShowReceiver(code, static_cast<uint8_t*>(out), outSize);
      return true;
    };
    ops_.getHostControllerSet = [](void* c) -> usb::InterfaceSet {
      auto* self = static_cast<HostileHub*>(c);
      if ((self->Byte() & 3) == 0) return usb::kInvalidSet;
      ++self->openSets_;
      return 7;
    };
    ops_.enumDeviceInterfaces = [](void* c, usb::InterfaceSet, uint32_t index, usb::DeviceInterfaceData*) {
      return index < 4 && (static_cast<HostileHub*>(c)->Byte() & 1) != 0;
    };
    ops_.getInterfaceDetail = [](void* c, usb::InterfaceSet, usb::DeviceInterfaceData*, void* detail,
                                 uint32_t detailSize, uint32_t* requiredSize) {
      auto* self = static_cast<HostileHub*>(c);
      if (!detail) {
        if (requiredSize) *requiredSize = self->Byte() | self->Byte() << 8 | uint32_t{self->Byte()} << 24;
        return false;
      }
      if ((self->Byte() & 3) == 0) return false;
      self->Fill(static_cast<uint8_t*>(detail) + 4, detailSize > 4 ? detailSize - 4 : 0);
      return true;
    };
    ops_.destroyInterfaceSet = [](void* c, usb::InterfaceSet) { --static_cast<HostileHub*>(c)->openSets_; };
    ops_.narrowName = [](void* c, const std::u16string& name, std::string* out) {
      if ((static_cast<HostileHub*>(c)->Byte() & 7) == 0) return false;
      out->clear();
      for (char16_t ch : name) out->push_back(static_cast<char>(ch));
      return true;
    };
  }

  static constexpr uint16_t kVendorId = 0x2B6E;
  static constexpr uint16_t kProductId = 0x054F;

  const usb::UsbPlatformOps& Ops() const { return ops_; }
  bool AllClosed() const { return openHandles_ == 0 && openSets_ == 0; }

 private:
  // One input bit turns an answer into one that shows the receiver (a device connected, not a hub,
  // with its IDs), which a fuzzer would hardly guess byte by byte; the rest stays as hostile.
  static void ShowReceiver(uint32_t code, uint8_t* out, uint32_t outSize) {
    size_t descriptor = 0;
    if (code == usb::kIoctlGetNodeConnectionInformationEx && outSize >= usb::kConnectionInfoSize) {
      out[usb::kConnectionInfoDeviceIsHub] = 0;
      usb::WriteLe32(out + usb::kConnectionInfoStatus, usb::kDeviceConnected);
      descriptor = usb::kConnectionInfoDescriptor;
    } else if (code == usb::kIoctlGetDescriptorFromNodeConnection &&
               outSize >= usb::kDescriptorRequestHeader + usb::kDeviceDescriptorSize) {
      descriptor = usb::kDescriptorRequestHeader;
    } else {
      return;
    }
    out[descriptor] = usb::kDeviceDescriptorSize;
    usb::WriteLe16(out + descriptor + usb::kDescriptorVendorId, kVendorId);
    usb::WriteLe16(out + descriptor + usb::kDescriptorProductId, kProductId);
  }

  // Once the input is used up every call fails, so any walk comes to an end.
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Length(uint32_t bufferSize) {
    const uint8_t pick = Byte();
    if (pick < 64) return pick;
    if (pick < 128) return bufferSize;
    return bufferSize > 0 ? pick % bufferSize : 0;
  }
  void Fill(uint8_t* out, uint32_t length) {
    const size_t n = std::min<size_t>(length, size_ - at_);
    if (n > 0) std::memcpy(out, data_ + at_, n);
    at_ += n;
  }

  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  int openHandles_ = 0;
  int openSets_ = 0;
  usb::UsbPlatformOps ops_{};
};

}  // namespace fuzz
