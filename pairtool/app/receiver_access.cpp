#include "pairtool/app/receiver_access.h"

#include <windows.h>

#include "usb/win32/win32_usb_platform.h"
#include "simulator/simulated_usb.h"

namespace pairtool {
namespace {

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &result[0], size, nullptr, nullptr);
  return result;
}

std::wstring Widen(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring result(size > 0 ? size - 1 : 0, L'\0');
  if (size > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &result[0], size);
  return result;
}

}  // namespace

ReceiverAccess::ReceiverAccess() = default;
ReceiverAccess::~ReceiverAccess() = default;

bool ReceiverAccess::Open(const std::wstring& dataFolder, std::wstring* error) {
  const std::wstring settings = dataFolder + L"Simulator.ini";
  if (GetFileAttributesW(settings.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  std::string message;
  if (!sim::SimulatedUsb::Open(Narrow(settings), &simulated_, &message)) {
    *error = Widen(message);
    return false;
  }
  return true;
}

const usb::UsbPlatformOps& ReceiverAccess::Ops() const {
  return simulated_ ? simulated_->Ops() : usb::Win32UsbPlatform();
}

}  // namespace pairtool
