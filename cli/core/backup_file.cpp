#include "cli/core/backup_file.h"

#include <cstdio>

#include "framework/core/text_codec.h"
#include "receiver/page_journal.h"

namespace cli {
namespace {

constexpr char kHeader[] = "; Tandra receiver backup. Do not edit: the last line is a checksum of everything above it.";
constexpr char kChecksumKey[] = "Checksum=";
constexpr int kFormat = 1;
constexpr size_t kRowBytes = 32;
constexpr size_t kRows = receiver::kPageBytes / kRowBytes;

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof(text), "%0*X", digits, static_cast<unsigned>(value));
  return text;
}

// Upper- or lower-case hexadecimal of exactly `digits` digits.
std::optional<uint32_t> ParseHex(const std::string& text, size_t digits) {
  if (text.size() != digits) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string SerializeBackup(const Backup& backup) {
  std::string text = std::string(kHeader) + "\r\n[Backup]\r\nFormat=" + std::to_string(kFormat) +
                     "\r\nGeneration=" + std::to_string(backup.generation) + "\r\n[Page]\r\n";
  for (size_t row = 0; row < kRows; ++row) {
    text += Hex(static_cast<uint32_t>(row * kRowBytes), 2) + "=";
    for (size_t i = 0; i < kRowBytes; ++i) text += Hex(backup.page[row * kRowBytes + i], 2);
    text += "\r\n";
  }
  for (host::DeviceKind kind : {host::DeviceKind::kMouse, host::DeviceKind::kKeyboard}) {
    text += kind == host::DeviceKind::kMouse ? "[Mouse]\r\n" : "[Keyboard]\r\n";
    for (const BackupName& entry : backup.names) {
      if (entry.kind != kind || entry.name.empty()) continue;
      text += Hex(entry.code & 0x7FFFF, 6) + "=" + framework::EncodeUtf8(entry.name) + "\r\n";
    }
  }
  const uint32_t crc = receiver::Crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return text + kChecksumKey + Hex(crc, 8) + "\r\n";
}

std::optional<Backup> ParseBackup(const std::string& bytes) {
  if (!framework::IsWellFormedUtf8(bytes)) return std::nullopt;
  // The checksum line is the last line; only line breaks may follow it.
  std::string body = bytes;
  while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
  const size_t lineStart = body.rfind('\n');
  const size_t checksumAt = lineStart == std::string::npos ? 0 : lineStart + 1;
  const std::string checksumLine = body.substr(checksumAt);
  if (checksumLine.compare(0, sizeof(kChecksumKey) - 1, kChecksumKey) != 0) return std::nullopt;
  const std::optional<uint32_t> crc = ParseHex(checksumLine.substr(sizeof(kChecksumKey) - 1), 8);
  if (!crc || *crc != receiver::Crc32(reinterpret_cast<const uint8_t*>(bytes.data()), checksumAt)) {
    return std::nullopt;
  }

  Backup backup;
  bool formatSeen = false, generationSeen = false;
  bool rowSeen[kRows] = {};
  std::string section;
  for (const std::string& line : Lines(bytes.substr(0, checksumAt))) {
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return std::nullopt;
      section = line.substr(1, line.size() - 2);
      if (section != "Backup" && section != "Page" && section != "Mouse" && section != "Keyboard") {
        return std::nullopt;
      }
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (section == "Backup" && key == "Format") {
      if (formatSeen || value != std::to_string(kFormat)) return std::nullopt;
      formatSeen = true;
    } else if (section == "Backup" && key == "Generation") {
      if (generationSeen || value.empty() || value.size() > 3 ||
          value.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
      }
      backup.generation = std::stoi(value);
      generationSeen = true;
    } else if (section == "Page") {
      const std::optional<uint32_t> offset = ParseHex(key, 2);
      if (!offset || *offset % kRowBytes != 0 || rowSeen[*offset / kRowBytes]) return std::nullopt;
      if (value.size() != kRowBytes * 2) return std::nullopt;
      for (size_t i = 0; i < kRowBytes; ++i) {
        const std::optional<uint32_t> byte = ParseHex(value.substr(i * 2, 2), 2);
        if (!byte) return std::nullopt;
        backup.page[*offset + i] = static_cast<uint8_t>(*byte);
      }
      rowSeen[*offset / kRowBytes] = true;
    } else if (section == "Mouse" || section == "Keyboard") {
      const std::optional<uint32_t> code = ParseHex(key, 6);
      const std::wstring name = framework::DecodeUtf8(value);
      if (!code || *code > 0x7FFFF || name.size() > host::DeviceNames::kMaxNameLength) return std::nullopt;
      backup.names.push_back({section == "Mouse" ? host::DeviceKind::kMouse : host::DeviceKind::kKeyboard,
                              *code, name});
    } else {
      return std::nullopt;
    }
  }
  if (!formatSeen || !generationSeen) return std::nullopt;
  for (bool seen : rowSeen) {
    if (!seen) return std::nullopt;
  }
  return backup;
}

}  // namespace cli
