#include "simulator/simulated_usb.h"

#include <cstdio>
#include <vector>

#include "simulator/ini_lines.h"

namespace sim {
namespace {

const char kDefaultTree[] = "controller 0\ndevice 0/2 receiver\n";

bool ReadWholeFile(const std::string& path, std::string* text) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) text->append(chunk, n);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

std::string Beside(const std::string& settingsPath, const std::string& name) {
  const bool absolute = (!name.empty() && (name[0] == '/' || name[0] == '\\')) ||
                        (name.size() > 1 && name[1] == ':');
  if (absolute) return name;
  const size_t slash = settingsPath.find_last_of("/\\");
  return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) + name;
}

}  // namespace

bool SimulatedUsb::Open(const std::string& settingsPath, std::unique_ptr<SimulatedUsb>* out,
                        std::string* error) {
  std::string text;
  if (!ReadWholeFile(settingsPath, &text)) {
    *error = settingsPath + ": cannot read the simulator settings";
    return false;
  }
  std::vector<IniEntry> entries;
  int line = 0;
  std::string reason;
  if (!SplitIni(text, &entries, &line, &reason)) {
    *error = settingsPath + ":" + std::to_string(line) + ": " + reason;
    return false;
  }
  std::string scenario, tree;
  for (const IniEntry& e : entries) {
    if (e.header) continue;
    if (!SameName(e.section, "Simulator")) {
      *error = settingsPath + ":" + std::to_string(e.line) + ": unknown section [" + e.section + "]";
      return false;
    }
    if (SameName(e.key, "Scenario")) {
      scenario = e.value;
    } else if (SameName(e.key, "Tree")) {
      tree = e.value;
    } else {
      *error = settingsPath + ":" + std::to_string(e.line) + ": unknown key " + e.key;
      return false;
    }
  }
  if (scenario.empty()) {
    *error = settingsPath + ": [Simulator] Scenario is missing";
    return false;
  }

  std::string treeText = kDefaultTree;
  if (!tree.empty()) {
    treeText.clear();
    if (!ReadWholeFile(Beside(settingsPath, tree), &treeText)) {
      *error = Beside(settingsPath, tree) + ": cannot read the USB tree";
      return false;
    }
  }

  std::unique_ptr<SimulatedUsb> usb(new SimulatedUsb());
  Receiver* receiver = nullptr;
  if (!Receiver::Open(Beside(settingsPath, scenario), &receiver, error)) return false;
  usb->receiver_.reset(receiver);
  Receiver* device = usb->receiver_.get();
  const DeviceResolver resolve = [device](const std::string& name) -> SimUsbDevice* {
    return name == "receiver" ? device : nullptr;
  };
  std::string treeError;
  if (!usb->tree_.Load(treeText, resolve, &treeError)) {
    *error = (tree.empty() ? std::string("built-in USB tree") : Beside(settingsPath, tree)) + ": " +
             treeError;
    return false;
  }
  *out = std::move(usb);
  return true;
}

}  // namespace sim
