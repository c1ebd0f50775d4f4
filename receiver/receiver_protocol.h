// The receiver's command set as both the pairing tool and the host send it: command codes (the
// wValue of a GET_DESCRIPTOR request), the status records and the configuration page.
#pragma once
#include <cstdint>

namespace receiver {

// USB IDs. The product ID tells the receiver generation.
constexpr uint16_t kVendorId = 0x2B6E;
constexpr uint16_t kProductIdA = 0x054F;
constexpr uint16_t kProductIdB = 0x055F;

// Command codes: high byte the command group, low byte the sub-command.
constexpr uint16_t CMD_PROGRAM = 0xB500;
constexpr uint16_t CMD_READ_MEMORY = 0xB501;
constexpr uint16_t CMD_ERASE_PAGE = 0xB502;
constexpr uint16_t CMD_LOAD_BYTE = 0xB504;
constexpr uint16_t CMD_READ_RECORD = 0xB600;
constexpr uint16_t CMD_SET_PARAMETER = 0xBE00;  // plus the parameter number 0..255
constexpr uint16_t CMD_UPDATE_MODE = 0xBF01;
constexpr uint16_t CMD_PAIRING = 0xBF02;

// CMD_PROGRAM argument: the word address with bit 15 set programs a 32-word block.
constexpr uint16_t kProgramBlockFlag = 0x8000;
// CMD_UPDATE_MODE and CMD_PAIRING arguments.
constexpr uint16_t kUpdateModeEnter = 1;
constexpr uint16_t kUpdateModeLeave = 2;
constexpr uint16_t kPairingStop = 0;
constexpr uint16_t kPairingStart = 1;
// Commands whose reply means nothing ask for one byte.
constexpr uint16_t kDiscardedReplyLength = 1;

// Flash geometry, in 16-bit words (two bytes each, low byte first).
constexpr uint16_t kWriteBufferBytes = 64;
constexpr uint16_t kBlockWords = 32;
constexpr uint16_t kBlockBytes = 64;
constexpr uint16_t kPageWords = 128;
constexpr uint16_t kPageBytes = 256;
constexpr uint16_t kBlocksPerPage = 4;

// Status records, CMD_READ_RECORD with a selector; 8 bytes each.
constexpr uint16_t kRecordBytes = 8;
constexpr uint16_t kRecordRfInfo = 4;
constexpr uint16_t kRecordPairingStatus = 6;

// RF-info record bytes.
constexpr int kRfSignalStrength = 1;
constexpr int kRfChannel = 2;  // AND kRfChannelMask
constexpr uint8_t kRfChannelMask = 0x1F;
constexpr int kRfPairingByte = 5;  // copied into the configuration page with a mouse

// Pairing status record bytes.
constexpr int kStatusMouseId = 0;     // bytes 0-2: bits 16-18, 8-15, 0-7
constexpr int kStatusKeyboardId = 3;  // bytes 3-5 likewise
constexpr int kStatusFlags = 6;
constexpr int kStatusMouseAttribute = 7;
constexpr uint8_t kStatusMouseReported = 0x20;
constexpr uint8_t kStatusKeyboardReported = 0x40;
constexpr uint32_t kDeviceIdMask = 0x7FFFF;  // identifiers are 19 bits

// The configuration page and the page bytes the pairing tool writes.
constexpr uint16_t kConfigPageAddress = 0x2700;
constexpr int kPageMouseIdHigh = 228;     // bits 16-23
constexpr int kPageMouseIdZero = 229;
constexpr int kPageMouseIdLow = 230;      // bits 0-7
constexpr int kPageMouseIdMiddle = 231;   // bits 8-15
constexpr int kPageKeyboardIdHigh = 232;
constexpr int kPageKeyboardIdZero = 233;
constexpr int kPageKeyboardIdLow = 234;
constexpr int kPageKeyboardIdMiddle = 235;
constexpr int kPageMouseZero = 236;
constexpr int kPageMouseAttribute = 237;  // attribute AND 0x7F
constexpr int kPageMouseRfByte = 238;     // RF-info byte 5
constexpr int kPageMouseAttributeFlag = 240;
constexpr uint8_t kAttributeLowBits = 0x7F;
constexpr uint8_t kAttributeHighBit = 0x80;
constexpr uint8_t kAttributeFlagSet = 0xA4;    // page byte 240 when attribute bit 7 is set
constexpr uint8_t kAttributeFlagClear = 0xFF;  // otherwise

// The 19-bit identifier in three record bytes: bits 16-18, 8-15, 0-7 (bits 3-7 of the first ignored).
inline uint32_t DecodeDeviceId(const uint8_t* bytes) {
  return (static_cast<uint32_t>(bytes[0] & 0x07) << 16) | (static_cast<uint32_t>(bytes[1]) << 8) |
         bytes[2];
}

struct PairingStatus {
  bool mouseReported = false;
  bool keyboardReported = false;
  uint32_t mouseId = 0;
  uint32_t keyboardId = 0;
  uint8_t mouseAttribute = 0;
};

inline PairingStatus DecodePairingStatus(const uint8_t* record) {
  PairingStatus status;
  status.mouseReported = (record[kStatusFlags] & kStatusMouseReported) != 0;
  status.keyboardReported = (record[kStatusFlags] & kStatusKeyboardReported) != 0;
  status.mouseId = DecodeDeviceId(record + kStatusMouseId);
  status.keyboardId = DecodeDeviceId(record + kStatusKeyboardId);
  status.mouseAttribute = record[kStatusMouseAttribute];
  return status;
}

// Page byte 240 for a mouse attribute byte.
inline uint8_t AttributeFlagByte(uint8_t attribute) {
  return (attribute & kAttributeHighBit) != 0 ? kAttributeFlagSet : kAttributeFlagClear;
}

}  // namespace receiver
