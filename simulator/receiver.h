// The simulated receiver: word-addressed flash, write buffer, pairing mode, status records and
// injected faults, behind the same command set as the real receiver.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "simulator/flash_image.h"
#include "simulator/pairing_script.h"
#include "simulator/rf_motion.h"
#include "simulator/scenario.h"
#include "simulator/sim_usb_device.h"

namespace sim {

// The receiver's USB identity unless a scenario says otherwise.
constexpr uint16_t kDefaultVendorId = 0x2B6E;
constexpr uint16_t kDefaultProductId = 0x054F;

struct TransferRecord {
  uint16_t wValue;
  uint16_t wIndex;
  uint16_t wLength;
  bool ok;  // false: the receiver did not take the command (refused, unplugged, stalled)
};

class Receiver : public SimUsbDevice {
 public:
  static constexpr uint32_t kFlashWords = 65536;
  static constexpr uint16_t kConfigPage = 0x2700;

  // A receiver built from a scenario already in memory. Its flash starts as the scenario says
  // (factory image) and is kept in memory only.
  explicit Receiver(const Scenario& scenario);

  // A receiver whose state lives in files: the scenario file (INI) names the flash image file (relative
  // to the scenario's folder). A missing image is created from the factory content; an existing one is
  // loaded. Every change of the flash is written back to the image at once. On failure (malformed
  // scenario or image) returns false with a message that names the file and the problem; nothing is
  // half-applied.
  static bool Open(const std::string& scenarioPath, Receiver** out, std::string* error);

  // SimUsbDevice
  std::array<uint8_t, 18> DeviceDescriptor() const override;
  bool Connected() const override;
  bool ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                 uint16_t* replyLength) override;

  // Inspection and set-up for tests.
  uint16_t Word(uint16_t address) const;
  void SetWord(uint16_t address, uint16_t value);  // direct write, bypasses the flash rules
  std::array<uint8_t, 256> ConfigPage() const;     // bytes of the page at 0x2700, low byte first
  const std::vector<TransferRecord>& Log() const;
  void ClearLog();
  bool InUpdateMode() const;
  bool InPairingMode() const;
  uint16_t Parameter(uint8_t n) const;
  void Unplug();
  // Plugged in again after being pulled out: powered up anew (update and pairing mode off, write
  // buffer cleared), flash as it was. Faults that pulled it out do not strike again.
  void PlugIn();
  uint16_t ProductId() const;
  uint16_t VendorId() const;
  uint32_t PairingSessions() const;  // sessions started so far
  uint32_t RfInfoReads() const;      // RF-info reads answered or refused so far
  // Why the last flash change could not be saved to the image (that command then failed); empty if
  // none failed.
  const std::string& LastError() const;

 private:
  void CheckUnplugFile() const;
  void CheckPlugInFile() const;
  // The faults counted from the first erase of the configuration page.
  void CountAfterErase(uint16_t wValue, uint16_t wIndex);
  bool Execute(uint16_t wValue, uint16_t wIndex, uint16_t wLength, std::vector<uint8_t>* reply);
  bool Program(uint16_t wIndex);
  bool ErasePage(uint16_t address);
  void ReadMemory(uint16_t address, uint16_t wLength, std::vector<uint8_t>* reply) const;
  bool ReadRecord(uint16_t selector, std::vector<uint8_t>* reply);
  bool Refused(uint16_t wValue) const;
  bool Stuck(uint16_t address) const;
  bool TouchesConfigPage(uint16_t first, uint32_t count) const;
  bool Persist(const FlashWords& before);
  void Record(uint16_t wValue, uint16_t wIndex, uint16_t wLength, bool ok);
  void RecordRfRead(const std::array<uint8_t, 8>& record, bool ok);

  Scenario scenario_;
  FlashWords flash_;
  std::array<uint8_t, 64> writeBuffer_;
  std::array<uint16_t, 256> parameters_{};
  PairingScript pairing_;
  bool updateMode_ = false;
  mutable bool connected_;  // also cleared by a look at the pull-out file
  long transfers_ = 0;
  RfMotion rfMotion_{scenario_};
  uint32_t rfReads_ = 0;         // RF-info read requests, refused ones included
  std::array<uint8_t, 8> lastRfRecord_{};
  std::vector<TransferRecord> log_;
  std::string imagePath_;        // empty: flash kept in memory only
  std::string transferLogPath_;  // empty: no text log
  std::string rfLogPath_;        // empty: no RF-info log
  std::string unplugFilePath_;   // empty: none; its existence pulls the receiver out
  std::string plugInFilePath_;   // empty: none; its existence plugs a pulled-out receiver in
  long transfersSinceErase_ = -1;
  mutable bool poweredUp_ = false;  // plugged in by the file: power-up state still to apply  // -1 until the configuration page is first erased
  long long openedAtMs_;         // steady clock at construction, for the RF log's times
  std::string lastError_;
};

}  // namespace sim
