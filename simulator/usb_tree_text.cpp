// Reading the text description of a simulated USB tree (format in usb_tree.h).
#include <cctype>
#include <vector>

#include "simulator/usb_tree.h"

namespace sim {
namespace {

// The blank-separated words of one line. Split by hand: string streams would bring the whole
// locale machinery of the C++ runtime into the pairing tool, most of its size.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  size_t at = 0;
  for (;;) {
    while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
    if (at == line.size()) return words;
    const size_t start = at;
    while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) ++at;
    words.push_back(line.substr(start, at - start));
  }
}

bool ParseCount(const std::string& text, int* value) {
  if (text.empty() || text.size() > 3) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  *value = std::stoi(text);
  return true;
}

bool ParseHex16(const std::string& text, uint16_t* value) {
  if (text.size() != 4) return false;
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  *value = static_cast<uint16_t>(std::stoul(text, nullptr, 16));
  return true;
}

// "vvvv:pppp" with four hex digits each.
bool ParseIds(const std::string& text, uint16_t* vendorId, uint16_t* productId) {
  const size_t colon = text.find(':');
  return colon != std::string::npos && ParseHex16(text.substr(0, colon), vendorId) &&
         ParseHex16(text.substr(colon + 1), productId);
}

// One "key=value" or flag word of a hub or device line.
bool ParsePortOption(const std::string& word, bool isDevice, PortOptions* options, int* ports,
                     std::string* error) {
  const size_t equals = word.find('=');
  const std::string key = word.substr(0, equals);
  const std::string value = equals == std::string::npos ? std::string() : word.substr(equals + 1);
  if (word == "noex") {
    options->extendedQueryFails = true;
  } else if (word == "noinfo") {
    options->connectionQueriesFail = true;
  } else if (word == "noanswer" && isDevice) {
    options->neverAnswers = true;
  } else if (word == "noopen" && !isDevice) {
    options->hubOpenFails = true;
  } else if (key == "ports" && !isDevice && equals != std::string::npos) {
    if (!ParseCount(value, ports)) {
      *error = "ports=" + value + " is not a port count";
      return false;
    }
  } else if (key == "shows" && isDevice && equals != std::string::npos) {
    if (!ParseIds(value, &options->shownVendorId, &options->shownProductId)) {
      *error = "shows=" + value + " is not <vid>:<pid> in hex";
      return false;
    }
    options->showsOtherIds = true;
  } else if (key == "descriptor" && isDevice && equals != std::string::npos) {
    if (value == "ok") {
      options->descriptorFault = DescriptorFault::kNone;
    } else if (value == "fail") {
      options->descriptorFault = DescriptorFault::kFail;
    } else if (value == "short") {
      options->descriptorFault = DescriptorFault::kShort;
    } else if (value == "badlength") {
      options->descriptorFault = DescriptorFault::kBadLength;
    } else {
      *error = "descriptor=" + value + " is not one of ok, fail, short, badlength";
      return false;
    }
  } else {
    *error = "unknown option '" + word + "' for a " + (isDevice ? "device" : "hub");
    return false;
  }
  return true;
}

bool LoadController(UsbTree* tree, const std::vector<std::string>& words, std::string* error) {
  int number = 0;
  if (words.size() < 2 || !ParseCount(words[1], &number)) {
    *error = "expected 'controller <number>'";
    return false;
  }
  int ports = 4;
  ControllerAccess access = ControllerAccess::kBoth;
  for (size_t i = 2; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.compare(0, 6, "ports=") == 0 && ParseCount(word.substr(6), &ports)) continue;
    if (word == "access=both") {
      access = ControllerAccess::kBoth;
    } else if (word == "access=number") {
      access = ControllerAccess::kNumberOnly;
    } else if (word == "access=interface") {
      access = ControllerAccess::kInterfaceOnly;
    } else {
      *error = "unknown option '" + word + "' for a controller";
      return false;
    }
  }
  return tree->AddController(number, ports, access, error);
}

bool LoadHub(UsbTree* tree, const std::vector<std::string>& words, std::string* error) {
  if (words.size() < 2) {
    *error = "expected 'hub <path> [ports=<count>]'";
    return false;
  }
  PortOptions options;
  int ports = 4;
  for (size_t i = 2; i < words.size(); ++i) {
    if (!ParsePortOption(words[i], false, &options, &ports, error)) return false;
  }
  return tree->AddHub(words[1], ports, options, error);
}

bool LoadDevice(UsbTree* tree, const std::vector<std::string>& words,
                const DeviceResolver& resolve, std::string* error) {
  if (words.size() < 3) {
    *error = "expected 'device <path> <vid>:<pid>' or 'device <path> <name>'";
    return false;
  }
  PortOptions options;
  int unused = 0;
  for (size_t i = 3; i < words.size(); ++i) {
    if (!ParsePortOption(words[i], true, &options, &unused, error)) return false;
  }
  const std::string& kind = words[2];
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  if (ParseIds(kind, &vendorId, &productId)) {
    return tree->AddPlainDevice(words[1], vendorId, productId, options, error);
  }
  SimUsbDevice* device = resolve ? resolve(kind) : nullptr;
  if (device == nullptr) {
    *error = "no device named '" + kind + "'";
    return false;
  }
  return tree->AddDevice(words[1], device, options, error);
}

}  // namespace

bool UsbTree::Load(const std::string& text, const DeviceResolver& resolve, std::string* error) {
  size_t lineStart = 0;
  for (int number = 1; lineStart < text.size(); ++number) {
    size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    std::string line = text.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    const size_t comment = line.find('#');
    if (comment != std::string::npos) line.erase(comment);
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;

    std::string problem;
    bool ok = false;
    if (words[0] == "controller") {
      ok = LoadController(this, words, &problem);
    } else if (words[0] == "hub") {
      ok = LoadHub(this, words, &problem);
    } else if (words[0] == "device") {
      ok = LoadDevice(this, words, resolve, &problem);
    } else {
      problem = "unknown statement '" + words[0] + "' (expected controller, hub or device)";
    }
    if (!ok) {
      if (error != nullptr) *error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
  }
  return true;
}

}  // namespace sim
