// A stand-in for DLL_Hidora behind the binding's table of operations: a "module" whose exports are
// plain functions that carry each command to one simulated receiver, with counters and knobs for
// the binding's decisions (file missing, export missing, result bits).
#pragma once
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "host/receiver/device_library.h"
#include "simulator/receiver.h"

namespace hosttest {

class FakeDeviceLibrary {
 public:
  static constexpr host::ModuleHandle kModule = 0x5A000;

  explicit FakeDeviceLibrary(sim::Receiver* receiver) : receiver_(receiver) { active_ = this; }
  ~FakeDeviceLibrary() {
    if (active_ == this) active_ = nullptr;
  }
  FakeDeviceLibrary(const FakeDeviceLibrary&) = delete;
  FakeDeviceLibrary& operator=(const FakeDeviceLibrary&) = delete;

  const host::DeviceLibraryOps& Ops() const { return ops_; }

  // Knobs.
  bool fileMissing = false;
  std::set<std::string> missingExports;
  int32_t receivers = 1;
  std::u16string path = u"SIM\\RECEIVER";
  uint32_t tag = 0xABCD0001;            // the host keeps only the low 16 bits
  int32_t success = 0x0001;
  int32_t failure = 0x0100;             // non-zero, but its low byte says "failed"
  bool leaveUnterminated = false;       // fill all 128 path units, no terminator

  // What happened.
  int loads = 0, unloads = 0, initialCalls = 0, closeQueryCalls = 0;
  std::u16string loadedFile;
  void* lastWindow = nullptr;
  std::vector<std::string> lookups;

  int Lookups(const std::string& name) const {
    int n = 0;
    for (const auto& looked : lookups) n += looked == name;
    return n;
  }

 private:
  static FakeDeviceLibrary* active_;

  static host::ModuleHandle Load(void* context, const std::u16string& file) {
    auto* self = static_cast<FakeDeviceLibrary*>(context);
    ++self->loads;
    self->loadedFile = file;
    return self->fileMissing ? host::kNoModule : kModule;
  }
  static void Unload(void* context, host::ModuleHandle) {
    ++static_cast<FakeDeviceLibrary*>(context)->unloads;
  }
  static void* Lookup(void* context, host::ModuleHandle module, const char* name) {
    auto* self = static_cast<FakeDeviceLibrary*>(context);
    self->lookups.push_back(name);
    if (module != kModule || self->missingExports.count(name) != 0) return nullptr;
    const std::string export_name = name;
    if (export_name == "Initial") return reinterpret_cast<void*>(&Initial);
    if (export_name == "CloseQuery") return reinterpret_cast<void*>(&CloseQuery);
    if (export_name == "Write") return reinterpret_cast<void*>(&Write);
    if (export_name == "Read") return reinterpret_cast<void*>(&Read);
    if (export_name == "GetUsbDeviceFromHub") return reinterpret_cast<void*>(&GetUsbDeviceFromHub);
    return nullptr;
  }
  static std::u16string Folder(void*) { return u"C:\\Suite\\"; }

  static int32_t HIDORA_CDECL Initial(void* window) {
    ++active_->initialCalls;
    active_->lastWindow = window;
    return 1;
  }
  static int32_t HIDORA_CDECL CloseQuery() {
    ++active_->closeQueryCalls;
    return 1;
  }
  static int32_t HIDORA_CDECL GetUsbDeviceFromHub(uint32_t vendorId, uint32_t productId,
                                                  int32_t index, char16_t* pathOut,
                                                  uint32_t* tagOut) {
    FakeDeviceLibrary& self = *active_;
    if (vendorId != self.receiver_->VendorId() || productId != self.receiver_->ProductId()) return 0;
    if (index == 0 && self.receivers > 0) {
      if (self.leaveUnterminated) {
        for (int i = 0; i < host::kDevicePathUnits; ++i) pathOut[i] = u'X';
      } else {
        std::memcpy(pathOut, self.path.c_str(), (self.path.size() + 1) * sizeof(char16_t));
      }
      *tagOut = self.tag;
    }
    return self.receivers;
  }
  static bool Addressed(const char16_t* pathIn, uint32_t tagIn) {
    return pathIn != nullptr && std::u16string(pathIn) == active_->path &&
           tagIn == (active_->tag & 0xFFFF);
  }
  static int32_t HIDORA_CDECL Write(const char16_t* pathIn, uint32_t tagIn, uint32_t command,
                                    uint32_t value, uint32_t length) {
    FakeDeviceLibrary& self = *active_;
    if (!Addressed(pathIn, tagIn)) return self.failure;
    std::vector<uint8_t> reply(length + 1);
    uint16_t got = 0;
    return self.receiver_->ControlIn(static_cast<uint16_t>(command), static_cast<uint16_t>(value),
                                     static_cast<uint16_t>(length), reply.data(), &got)
               ? self.success
               : self.failure;
  }
  static int32_t HIDORA_CDECL Read(const char16_t* pathIn, uint32_t tagIn, uint32_t command,
                                   uint32_t value, uint32_t length, uint8_t* buffer) {
    FakeDeviceLibrary& self = *active_;
    if (!Addressed(pathIn, tagIn)) return self.failure;
    std::vector<uint8_t> reply(length + 1);
    uint16_t got = 0;
    if (!self.receiver_->ControlIn(static_cast<uint16_t>(command), static_cast<uint16_t>(value),
                                   static_cast<uint16_t>(length), reply.data(), &got) ||
        got != length) {
      return self.failure;
    }
    std::memcpy(buffer, reply.data(), length);
    return self.success;
  }

  sim::Receiver* receiver_;
  host::DeviceLibraryOps ops_{this, Load, Unload, Lookup, Folder};
};

inline FakeDeviceLibrary* FakeDeviceLibrary::active_ = nullptr;

}  // namespace hosttest
