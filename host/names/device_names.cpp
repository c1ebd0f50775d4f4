#include "host/names/device_names.h"

#include <algorithm>

#include "framework/core/strutil.h"

namespace host {
namespace {

constexpr uint32_t kCodeBits = 0x7FFFF;
constexpr const char* kSections[] = {"Mouse", "Keyboard"};

std::wstring Utf8ToWide(const std::string& text) {
  std::wstring out;
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    uint32_t cp = 0;
    int extra = 0;
    if (c < 0x80) { cp = c; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
    else return std::wstring();  // not UTF-8: the line is damaged
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= text.size()) return std::wstring();
      const unsigned char d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xC0) != 0x80) return std::wstring();
      cp = (cp << 6) | (d & 0x3F);
    }
    i += 1 + extra;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (cp >> 10));
      out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<wchar_t>(cp);
    }
  }
  return out;
}

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = static_cast<uint16_t>(text[i]);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const uint32_t low = static_cast<uint16_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// A name as stored: no line breaks or control characters, at most 15 characters.
std::wstring Clean(const std::wstring& name) {
  std::wstring out;
  for (wchar_t c : name) {
    if (c >= 0x20 && c != 0x7F) out += c;
  }
  if (out.size() > DeviceNames::kMaxNameLength) {
    size_t length = DeviceNames::kMaxNameLength;
    if (out[length - 1] >= 0xD800 && out[length - 1] <= 0xDBFF) --length;
    out.resize(length);
  }
  return out;
}

bool ParseCode(const std::string& key, uint32_t* code) {
  if (key.size() != 6) return false;
  uint32_t value = 0;
  for (char c : key) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return false;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  if (value > kCodeBits) return false;
  *code = value;
  return true;
}

const int32_t* Ids(const TPairedDeviceTable& table, DeviceKind kind) {
  return kind == DeviceKind::kMouse ? table.mouseIds : table.keyboardIds;
}

std::wstring SlotName(const TPairedDeviceTable& table, DeviceKind kind, int slot) {
  const uint16_t* units = kind == DeviceKind::kMouse ? table.mouseNames[slot] : table.keyboardNames[slot];
  std::wstring name;
  for (int i = 0; i < kDeviceNameUnits - 1 && units[i] != 0; ++i) name += static_cast<wchar_t>(units[i]);
  return name;
}

}  // namespace

bool NoDeviceIn(int32_t slotValue) {
  const uint32_t code = static_cast<uint32_t>(slotValue) & kCodeBits;
  return code == 0 || code == 0x6EEEE || code == 0x7FFFF;
}

DeviceNames::DeviceNames(NameFileOps ops, std::wstring folder) : ops_(std::move(ops)), folder_(std::move(folder)) {
  Load();
}

void DeviceNames::Load() {
  names_.clear();
  std::string bytes;
  // No folder (no per-user application-data folder): names are not kept, and no file is ever
  // looked for relative to the current directory.
  if (folder_.empty()) return;
  if (!ops_.read || !ops_.read(folder_ + kFileName, &bytes)) return;
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  int section = -1;
  size_t start = 0;
  while (start <= bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = line.substr(1, line.size() - 2);
      section = name == kSections[0] ? 0 : name == kSections[1] ? 1 : -1;
      continue;
    }
    const size_t equals = line.find('=');
    uint32_t code = 0;
    if (section < 0 || equals == std::string::npos || !ParseCode(line.substr(0, equals), &code)) continue;
    const std::wstring name = Clean(Utf8ToWide(line.substr(equals + 1)));
    if (!name.empty()) names_[{section, code}] = name;
  }
}

std::wstring DeviceNames::Name(DeviceKind kind, uint32_t id) const {
  const auto found = names_.find({static_cast<int>(kind), id & kCodeBits});
  return found == names_.end() ? std::wstring() : found->second;
}

bool DeviceNames::SetName(DeviceKind kind, uint32_t id, const std::wstring& name) {
  if (NoDeviceIn(static_cast<int32_t>(id))) return false;
  const std::wstring clean = Clean(name);
  if (clean.empty()) return Forget(kind, id);
  std::wstring& stored = names_[{static_cast<int>(kind), id & kCodeBits}];
  if (stored == clean) return false;
  stored = clean;
  return true;
}

bool DeviceNames::Forget(DeviceKind kind, uint32_t id) {
  return names_.erase({static_cast<int>(kind), id & kCodeBits}) > 0;
}

void DeviceNames::FillTable(TPairedDeviceTable* table) const {
  for (DeviceKind kind : {DeviceKind::kMouse, DeviceKind::kKeyboard}) {
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
      const int32_t id = Ids(*table, kind)[slot];
      if (NoDeviceIn(id)) continue;
      const std::wstring name = Name(kind, static_cast<uint32_t>(id));
      uint16_t* units = kind == DeviceKind::kMouse ? table->mouseNames[slot] : table->keyboardNames[slot];
      std::fill(units, units + kDeviceNameUnits, uint16_t{0});
      for (size_t i = 0; i < name.size() && i < kDeviceNameUnits - 1; ++i) units[i] = static_cast<uint16_t>(name[i]);
    }
  }
}

bool DeviceNames::ApplyUpdate(const TPairedDeviceTable& accepted, const TPairedDeviceTable& wanted) {
  bool changed = false;
  for (DeviceKind kind : {DeviceKind::kMouse, DeviceKind::kKeyboard}) {
    const int32_t* before = Ids(accepted, kind);
    const int32_t* after = Ids(wanted, kind);
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
      if (NoDeviceIn(before[slot])) continue;
      const uint32_t code = static_cast<uint32_t>(before[slot]) & kCodeBits;
      const bool stillThere = std::any_of(after, after + kDeviceSlots, [&](int32_t id) {
        return !NoDeviceIn(id) && (static_cast<uint32_t>(id) & kCodeBits) == code;
      });
      if (!stillThere) changed |= Forget(kind, code);
    }
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
      if (NoDeviceIn(after[slot])) continue;
      changed |= SetName(kind, static_cast<uint32_t>(after[slot]), SlotName(wanted, kind, slot));
    }
  }
  return !changed || Save();
}

std::string DeviceNames::Serialize() const {
  std::string text = "; Names of the devices paired with the Tandra receiver, by six-digit code.\r\n";
  for (int section = 0; section < 2; ++section) {
    text += std::string("[") + kSections[section] + "]\r\n";
    for (const auto& [key, name] : names_) {
      if (key.first != section) continue;
      text += WideToUtf8(framework::IntToHexText(key.second, 6)) + "=" + WideToUtf8(name) + "\r\n";
    }
  }
  return text;
}

bool DeviceNames::Save() { return userfiles::ReplaceFile(ops_, folder_, kFileName, Serialize()); }

}  // namespace host
