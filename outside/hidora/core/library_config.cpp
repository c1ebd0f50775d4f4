#include "outside/hidora/core/library_config.h"

#include "framework/core/file_io.h"
#include "outside/hidora/core/sim_backend.h"
#include "outside/hidora/core/usb_backend.h"

namespace hidora {
namespace {

bool IsAbsolute(const std::wstring& path) {
  return (!path.empty() && (path[0] == L'\\' || path[0] == L'/')) ||
         (path.size() > 1 && path[1] == L':');
}

// Plain decimal only: a typo must not turn into some other receiver count.
bool ParseCount(const std::wstring& text, int32_t* count) {
  if (text.empty() || text.size() > 3) return false;
  int32_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    value = value * 10 + (c - L'0');
  }
  *count = value;
  return true;
}

}  // namespace

LibraryConfig ReadLibraryConfig(const std::wstring& folder) {
  return ParseLibraryConfig(framework::IniFile::Open(framework::JoinPath(folder, kConfigFileName)),
                            folder);
}

LibraryConfig ParseLibraryConfig(const framework::IniFile& ini, const std::wstring& folder) {
  LibraryConfig config;
  config.simulator = ini.Exists();
  if (!config.simulator) return config;

  const std::wstring scenario = ini.ReadString(L"Simulator", L"Scenario", framework::kMissingValue);
  if (scenario == framework::kMissingValue || scenario.empty()) {
    config.error = "DLL_Hidora.ini: [Simulator] Scenario is missing";
    return config;
  }
  config.scenarioPath = IsAbsolute(scenario) ? scenario : framework::JoinPath(folder, scenario);

  const std::wstring receivers =
      ini.ReadString(L"Simulator", L"Receivers", framework::kMissingValue);
  if (receivers != framework::kMissingValue &&
      (!ParseCount(receivers, &config.receivers) || config.receivers > kMaxSimulatedReceivers)) {
    config.error = "DLL_Hidora.ini: [Simulator] Receivers must be 0 to 10";
  }
  return config;
}

std::unique_ptr<Backend> MakeBackend(const LibraryConfig& config,
                                     const usb::UsbPlatformOps& platform, NarrowPath narrow) {
  if (!config.simulator) return std::make_unique<UsbBackend>(platform);
  if (!config.error.empty()) return std::make_unique<SimBackend>(nullptr, 0);
  return SimBackend::Open(narrow(config.scenarioPath), config.receivers, nullptr);
}

}  // namespace hidora
