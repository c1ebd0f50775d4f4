#include "simulator/scenario.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "simulator/ini_lines.h"
#include "simulator/receiver.h"

namespace sim {
namespace {

std::string Trim(const std::string& s) {
  const size_t begin = s.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  return s.substr(begin, s.find_last_not_of(" \t") - begin + 1);
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  size_t pos = 0;
  while (true) {
    const size_t comma = text.find(',', pos);
    items.push_back(Trim(text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos)));
    if (comma == std::string::npos) return items;
    pos = comma + 1;
  }
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

// Hexadecimal with 0x, otherwise decimal; nothing else may follow the digits.
bool ParseNumber(const std::string& text, uint32_t max, uint32_t* value, std::string* reason) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const size_t first = hex ? 2 : 0;
  uint64_t result = 0;
  bool ok = text.size() > first && text.size() - first <= 10;
  for (size_t i = first; ok && i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else { ok = false; break; }
    result = result * (hex ? 16 : 10) + digit;
  }
  if (!ok) {
    *reason = "bad number \"" + text + "\"";
    return false;
  }
  if (result > max) {
    *reason = "value " + text + " is out of range (at most " + Hex(max) + ")";
    return false;
  }
  *value = static_cast<uint32_t>(result);
  return true;
}

bool ParseBool(const std::string& text, bool* value, std::string* reason) {
  for (const char* yes : {"yes", "true", "on", "1"}) {
    if (SameName(text, yes)) return *value = true, true;
  }
  for (const char* no : {"no", "false", "off", "0"}) {
    if (SameName(text, no)) return *value = false, true;
  }
  *reason = "expected yes or no, found \"" + text + "\"";
  return false;
}

template <typename T>
bool ParseInto(const std::string& text, uint32_t max, T* value, std::string* reason) {
  uint32_t number;
  if (!ParseNumber(text, max, &number, reason)) return false;
  *value = static_cast<T>(number);
  return true;
}

template <typename T>
bool ParseNumberList(const std::string& text, uint32_t max, std::vector<T>* values, std::string* reason) {
  std::vector<T> result;
  for (const std::string& item : SplitList(text)) {
    T value;
    if (!ParseInto(item, max, &value, reason)) return false;
    result.push_back(value);
  }
  *values = std::move(result);
  return true;
}

bool ParseGeneration(const std::string& text, int* generation, std::string* reason) {
  if (SameName(text, "none")) return *generation = kNoGeneration, true;
  uint32_t value;
  if (!ParseNumber(text, 0xFFFFFFFF, &value, reason)) return false;
  if (value >= 100 && value != 104) {
    *reason = "generation must be 0 to 99, 104 or none, found " + text;
    return false;
  }
  *generation = static_cast<int>(value);
  return true;
}

// "mouse,0x51234,attr=0x80,after=3,session=2" or "keyboard,0x12345,after=1"
bool ParseDevice(const std::string& text, ScriptedDevice* device, std::string* reason) {
  const std::vector<std::string> fields = SplitList(text);
  ScriptedDevice result;
  if (SameName(fields[0], "mouse")) {
    result.kind = DeviceKind::kMouse;
  } else if (SameName(fields[0], "keyboard")) {
    result.kind = DeviceKind::kKeyboard;
  } else {
    *reason = "unknown device kind \"" + fields[0] + "\" (mouse or keyboard)";
    return false;
  }
  if (fields.size() < 2 || fields[1].empty()) {
    *reason = "device identifier missing";
    return false;
  }
  if (!ParseNumber(fields[1], 0xFFFFFFFF, &result.id, reason)) return false;
  if (result.id > kMaxDeviceId) {
    *reason = "device identifier " + fields[1] + " is wider than 19 bits";
    return false;
  }
  for (size_t i = 2; i < fields.size(); ++i) {
    const size_t eq = fields[i].find('=');
    const std::string name = Trim(fields[i].substr(0, eq));
    const std::string value = eq == std::string::npos ? std::string() : Trim(fields[i].substr(eq + 1));
    bool ok;
    if (SameName(name, "attr") && result.kind == DeviceKind::kMouse) {
      ok = ParseInto(value, 0xFF, &result.attribute, reason);
    } else if (SameName(name, "after") || SameName(name, "session")) {
      uint32_t* target = SameName(name, "after") ? &result.after : &result.session;
      ok = ParseNumber(value, 0xFFFFFFFF, target, reason);
      if (ok && *target == 0) {
        *reason = name + " counts from 1";
        ok = false;
      }
    } else {
      *reason = "unknown device field \"" + fields[i] + "\"";
      ok = false;
    }
    if (!ok) return false;
  }
  *device = result;
  return true;
}

bool IsDeviceKey(const std::string& key) {
  if (key.size() <= 6 || !SameName(key.substr(0, 6), "Device")) return false;
  return key.find_first_not_of("0123456789", 6) == std::string::npos;
}

bool IsKnownSection(const std::string& name) {
  for (const char* known : {"Receiver", "Pairing", "RfInfo", "Faults"}) {
    if (SameName(name, known)) return true;
  }
  return false;
}

bool ApplyReceiver(const IniEntry& e, Scenario* s, std::string* reason) {
  const std::string& k = e.key;
  if (SameName(k, "VendorId")) return ParseInto(e.value, 0xFFFF, &s->vendorId, reason);
  if (SameName(k, "ProductId")) return ParseInto(e.value, 0xFFFF, &s->productId, reason);
  if (SameName(k, "Generation")) return ParseGeneration(e.value, &s->generation, reason);
  if (SameName(k, "MouseSlot0Fresh")) return ParseBool(e.value, &s->mouseSlot0Fresh, reason);
  if (SameName(k, "FlashImage")) return s->flashImage = e.value, true;
  if (SameName(k, "TransferLog")) return s->transferLog = e.value, true;
  if (SameName(k, "RfLog")) return s->rfLog = e.value, true;
  *reason = "unknown key \"" + k + "\" in [Receiver]";
  return false;
}

bool ApplyPairing(const IniEntry& e, Scenario* s, std::string* reason) {
  if (!IsDeviceKey(e.key)) {
    *reason = "unknown key \"" + e.key + "\" in [Pairing] (expected Device1, Device2, ...)";
    return false;
  }
  ScriptedDevice device;
  if (!ParseDevice(e.value, &device, reason)) return false;
  s->devices.push_back(device);
  return true;
}

// "low,high,step": 0 <= low <= high <= 255, step 1..255.
bool ParseDrift(const std::string& text, SignalDrift* drift, std::string* reason) {
  std::vector<uint8_t> values;
  if (!ParseNumberList(text, 0xFF, &values, reason)) return false;
  if (values.size() != 3 || values[0] > values[1] || values[2] == 0) {
    *reason = "Drift is low,high,step with low <= high and a step of at least 1, found \"" + text + "\"";
    return false;
  }
  *drift = {true, values[0], values[1], values[2]};
  return true;
}

bool ApplyRfInfo(const IniEntry& e, Scenario* s, std::string* reason) {
  const std::string& k = e.key;
  if (SameName(k, "Signal")) return ParseNumberList(e.value, 0xFF, &s->signal, reason);
  if (SameName(k, "Channel")) {
    if (!ParseNumberList(e.value, 0x1F, &s->channel, reason)) return false;
    s->rfInfo[2] = s->channel.front();
    return true;
  }
  if (SameName(k, "Drift")) return ParseDrift(e.value, &s->drift, reason);
  if (SameName(k, "Extra")) return ParseInto(e.value, 0xFF, &s->rfInfo[5], reason);
  for (int byte : {0, 3, 4, 6, 7}) {
    if (SameName(k, "Byte" + std::to_string(byte))) return ParseInto(e.value, 0xFF, &s->rfInfo[byte], reason);
  }
  *reason = "unknown key \"" + k + "\" in [RfInfo]";
  return false;
}

bool ApplyFaults(const IniEntry& e, Scenario* s, std::string* reason) {
  const std::string& k = e.key;
  if (SameName(k, "UnplugAfter")) return ParseInto(e.value, 0x7FFFFFFF, &s->unplugAfter, reason);
  if (SameName(k, "UnplugFile")) return s->unplugFile = e.value, true;
  if (SameName(k, "UnplugAfterErase")) return ParseInto(e.value, 0x7FFFFFFF, &s->unplugAfterErase, reason);
  if (SameName(k, "HangAfterErase")) return ParseInto(e.value, 0x7FFFFFFF, &s->hangAfterErase, reason);
  if (SameName(k, "PlugInFile")) return s->plugInFile = e.value, true;
  if (SameName(k, "UnplugAfterRfReads")) return ParseInto(e.value, 0x7FFFFFFF, &s->unplugAfterRfReads, reason);
  if (SameName(k, "Refuse")) return ParseNumberList(e.value, 0xFFFF, &s->refusedCommands, reason);
  if (SameName(k, "StuckWord")) return ParseNumberList(e.value, 0xFFFF, &s->stuckWords, reason);
  *reason = "unknown key \"" + k + "\" in [Faults]";
  return false;
}

}  // namespace

Scenario::Scenario()
    : vendorId(kDefaultVendorId),
      productId(kDefaultProductId),
      generation(104),
      mouseSlot0Fresh(false),
      rfInfo{},
      unplugAfter(-1),
      unplugAfterRfReads(-1),
      unplugAfterErase(-1),
      hangAfterErase(-1) {}

bool ParseScenario(const std::string& text, const std::string& fileName, Scenario* out,
                   std::string* error) {
  std::vector<IniEntry> entries;
  int line = 0;
  std::string reason;
  if (!SplitIni(text, &entries, &line, &reason)) {
    *error = fileName + ":" + std::to_string(line) + ": " + reason;
    return false;
  }
  Scenario scenario;
  std::map<std::string, int> seen;  // "section/key" in lower case -> first line
  for (const IniEntry& e : entries) {
    std::string id = e.section + "/" + e.key;
    for (char& c : id) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool ok;
    if (e.header) {
      ok = IsKnownSection(e.section);
      if (!ok) reason = "unknown section [" + e.section + "]";
    } else if (seen.count(id)) {
      reason = "duplicate key \"" + e.key + "\" (first at line " + std::to_string(seen[id]) + ")";
      ok = false;
    } else if (SameName(e.section, "Receiver")) {
      ok = ApplyReceiver(e, &scenario, &reason);
    } else if (SameName(e.section, "Pairing")) {
      ok = ApplyPairing(e, &scenario, &reason);
    } else if (SameName(e.section, "RfInfo")) {
      ok = ApplyRfInfo(e, &scenario, &reason);
    } else if (SameName(e.section, "Faults")) {
      ok = ApplyFaults(e, &scenario, &reason);
    } else {
      reason = "unknown section [" + e.section + "]";
      ok = false;
    }
    if (!ok) {
      *error = fileName + ":" + std::to_string(e.line) + ": " + reason;
      return false;
    }
    if (!e.header) seen[id] = e.line;
  }
  if (scenario.drift.on && !scenario.signal.empty()) {
    *error = fileName + ": [RfInfo] Signal and Drift exclude each other";
    return false;
  }
  *out = std::move(scenario);
  return true;
}

bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    *error = path + ": cannot open the scenario (" + std::strerror(errno) + ")";
    return false;
  }
  std::string text;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, n);
  const bool readError = std::ferror(file) != 0;
  std::fclose(file);
  if (readError) {
    *error = path + ": cannot read the scenario";
    return false;
  }
  return ParseScenario(text, path, out, error);
}

}  // namespace sim
