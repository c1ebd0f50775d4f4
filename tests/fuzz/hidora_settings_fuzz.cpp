// The device-access library's settings file and the scenario it names (two parts of the input), as
// the library reads them when it loads: the backend it builds must answer a search and a command
// whatever the files said.
#include <cstdlib>
#include <string>

#include "framework/core/text_codec.h"
#include "fuzz_input.h"
#include "outside/hidora/core/library_config.h"
#include "simulator/scenario.h"

namespace {

std::string Narrow(const std::wstring& path) { return framework::EncodeUtf8(path); }

// The files a scenario names are created beside it; only plain names keep them in the scratch folder.
bool PlainName(const std::string& name) {
  return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
         name.find("..") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzz::SplitParts(data, size, 2);
  fuzz::PutFile("DLL_Hidora.ini", &parts[0]);
  fuzz::PutFile("receiver.ini", &parts[1]);
  const std::wstring folder = fuzz::Wide(fuzz::ScratchFolder());
  const hidora::LibraryConfig config = hidora::ReadLibraryConfig(folder);
  if (!config.simulator) std::abort();  // the file is there
  if (config.error.empty() && (config.receivers < 0 || config.receivers > hidora::kMaxSimulatedReceivers)) {
    std::abort();  // a count out of range must come with an error
  }

  // Settings that point elsewhere, or a scenario whose files would land elsewhere, are left at the
  // configuration: the fuzzer must not write outside its folder.
  if (config.error.empty() && config.scenarioPath != folder + L"receiver.ini") return 0;
  sim::Scenario scenario;
  std::string error;
  if (sim::ParseScenario(parts[1], "receiver.ini", &scenario, &error) &&
      (!PlainName(scenario.flashImage) || !PlainName(scenario.transferLog) ||
       !PlainName(scenario.rfLog) || !PlainName(scenario.unplugFile))) {
    return 0;
  }
  const usb::UsbPlatformOps noUsb{};
  const auto backend = hidora::MakeBackend(config, noUsb, Narrow);
  std::u16string path;
  uint32_t tag = 0;
  const int32_t count = backend->Find(scenario.vendorId, scenario.productId, 0, &path, &tag);
  if (count > hidora::kMaxSimulatedReceivers) std::abort();
  uint8_t reply[8];
  uint16_t replyLength = 0;
  if (count > 0 && backend->Transfer(path, static_cast<uint16_t>(tag), 0xB600, 6, 8, reply, &replyLength) &&
      replyLength > 8) {
    std::abort();
  }
  return 0;
}
