// "DLL_Hidora.ini" beside the library chooses the simulator backend:
//   [Simulator]
//   Scenario=<receiver scenario file, relative to the library's folder>
//   Receivers=<how many identical receivers to report: 0 to 10, default 1>
// Without the file the library drives the real USB tree.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/ini_file.h"
#include "outside/hidora/core/backend.h"
#include "usb/usb_platform.h"

namespace hidora {

constexpr wchar_t kConfigFileName[] = L"DLL_Hidora.ini";
constexpr int32_t kMaxSimulatedReceivers = 10;  // as many as the USB search lists

struct LibraryConfig {
  bool simulator = false;     // the file exists
  std::wstring scenarioPath;  // folder-relative names joined with the library's folder
  int32_t receivers = 1;
  std::string error;          // why the simulator cannot run; it then reports no count (-1)
};

// folder: the library's own folder.
LibraryConfig ReadLibraryConfig(const std::wstring& folder);
LibraryConfig ParseLibraryConfig(const framework::IniFile& ini, const std::wstring& folder);

// Turns a (UTF-16) file name into the 8-bit name the simulator opens.
using NarrowPath = std::string (*)(const std::wstring& path);

// The simulator backend when the configuration asks for it, else the USB backend over platform.
std::unique_ptr<Backend> MakeBackend(const LibraryConfig& config,
                                     const usb::UsbPlatformOps& platform, NarrowPath narrow);

}  // namespace hidora
