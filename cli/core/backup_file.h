// The backup of one receiver: its configuration page and the names of its devices, as a text file a
// person can read and a program can check. UTF-8, lines ending in CRLF (LF is accepted):
//
//   ; Tandra receiver backup. Do not edit: the last line is a checksum of everything above it.
//   [Backup]
//   Format=1
//   Generation=104
//   [Page]
//   00=<32 bytes of the page from byte 0x00, as 64 hexadecimal digits>
//   20=...                        eight lines, byte offsets 00, 20, 40, ... E0
//   [Mouse]
//   051234=Desk mouse             names of the devices on the page (optional)
//   [Keyboard]
//   0A1B2C=Office keys
//   Checksum=1A2B3C4D             CRC-32 (IEEE) of every byte before this line, 8 hex digits
//
// Anything else (a wrong checksum, a missing or doubled page line, another format number, bad
// hexadecimal, a name longer than 15 characters, text that is not UTF-8) makes the file damaged;
// a damaged file is never written to a receiver.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/names/device_names.h"
#include "receiver/command_channel.h"

namespace cli {

struct BackupName {
  host::DeviceKind kind = host::DeviceKind::kMouse;
  uint32_t code = 0;  // 19 bits
  std::wstring name;
};

struct Backup {
  int generation = 0;
  receiver::Page page{};
  std::vector<BackupName> names;  // mice first, then keyboards, each in slot order
};

std::string SerializeBackup(const Backup& backup);
// nullopt for a damaged file.
std::optional<Backup> ParseBackup(const std::string& bytes);

}  // namespace cli
