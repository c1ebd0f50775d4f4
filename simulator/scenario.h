// What a simulated receiver starts with and how it behaves: identity, factory flash content, the
// devices that report during pairing, the RF-info record and injected faults. Read from an INI-style
// file (format in simulator/README.md) or filled in directly by tests.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class DeviceKind { kMouse, kKeyboard };

// A mouse or keyboard that answers a pairing session.
struct ScriptedDevice {
  DeviceKind kind = DeviceKind::kMouse;
  uint32_t id = 0;         // 19 bits
  uint8_t attribute = 0;   // mice only: byte 7 of the pairing status record
  uint32_t after = 1;      // reports at this status read (1 = the first) of a session
  uint32_t session = 1;    // reports in this pairing session (1 = the first) or a later one
};

// Byte 1 of the RF-info record moving like a hand carrying the mouse around: from `low` up to `high`
// by `step` per read, then back down, and so on.
struct SignalDrift {
  bool on = false;
  uint8_t low = 0;
  uint8_t high = 0;
  uint8_t step = 1;
};

constexpr int kNoGeneration = -1;
constexpr uint32_t kMaxDeviceId = 0x7FFFF;

struct Scenario {
  Scenario();  // the defaults of an empty scenario file

  // [Receiver]
  uint16_t vendorId;      // kDefaultVendorId
  uint16_t productId;     // kDefaultProductId
  int generation;         // 0..99 (marked at 0x2701), 104 (marked at 0x058F) or kNoGeneration
  bool mouseSlot0Fresh;   // factory page holds 0xEEEEEE in mouse slot 0 (words 114, 115)
  std::string flashImage;   // image file, relative to the scenario's folder; empty = memory only
  std::string transferLog;  // text log file, relative to the scenario's folder; empty = none
  std::string rfLog;        // one line per RF-info read, relative to the scenario's folder; empty = none

  // [Pairing]
  std::vector<ScriptedDevice> devices;

  // [RfInfo]
  std::array<uint8_t, 8> rfInfo;  // the RF-info record; byte 1 is taken from `signal` when set
  std::vector<uint8_t> signal;    // byte 1 of successive RF-info reads, repeated cyclically
  std::vector<uint8_t> channel;   // byte 2 of successive RF-info reads (0..31), repeated cyclically
  SignalDrift drift;              // byte 1 drifting slowly; excludes `signal`

  // [Faults]
  long unplugAfter;                     // pulled out after this many transfers; -1 = never
  long unplugAfterRfReads;              // pulled out after this many RF-info reads; -1 = never
  std::string unplugFile;               // pulled out once this file exists (relative to the scenario's folder)
  long unplugAfterErase;                // pulled out this many transfers after the first erase of the
                                        // configuration page; -1 = never
  long hangAfterErase;                  // this many transfers after that erase, a transfer never
                                        // returns (a program stopped mid-write); -1 = never
  std::string plugInFile;               // a receiver that is out comes back once this file exists
  std::vector<uint16_t> refusedCommands;  // wValues that fail
  std::vector<uint16_t> stuckWords;       // word addresses that neither erase nor program
};

// Parses scenario text. On error returns false with "<fileName>:<line>: <reason>" and leaves *out
// untouched.
bool ParseScenario(const std::string& text, const std::string& fileName, Scenario* out,
                   std::string* error);

// Reads and parses a scenario file; a file that cannot be read is reported with its name.
bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error);

}  // namespace sim
