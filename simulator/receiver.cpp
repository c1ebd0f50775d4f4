#include "simulator/receiver.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

namespace sim {
namespace {

constexpr uint16_t kProgram = 0xB500;
constexpr uint16_t kReadMemory = 0xB501;
constexpr uint16_t kErasePage = 0xB502;
constexpr uint16_t kLoadByte = 0xB504;
constexpr uint16_t kReadRecord = 0xB600;
constexpr uint16_t kSetParameterGroup = 0xBE00;
constexpr uint16_t kUpdateMode = 0xBF01;
constexpr uint16_t kPairing = 0xBF02;

constexpr uint16_t kBlockFlag = 0x8000;
constexpr uint32_t kBlockWords = 32;
constexpr uint32_t kPageWords = 128;
constexpr uint16_t kRfInfoSelector = 4;
constexpr uint16_t kPairingStatusSelector = 6;

long long SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsAbsolute(const std::string& path) {
  return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

std::string Beside(const std::string& scenarioPath, const std::string& name) {
  if (name.empty() || IsAbsolute(name)) return name;
  return FolderOf(scenarioPath) + name;
}

}  // namespace

Receiver::Receiver(const Scenario& scenario)
    : scenario_(scenario),
      flash_(FactoryFlash(scenario)),
      pairing_(scenario.devices),
      connected_(scenario.unplugAfter != 0 && scenario.unplugAfterRfReads != 0),
      openedAtMs_(SteadyMs()) {
  writeBuffer_.fill(0xFF);
}

bool Receiver::Open(const std::string& scenarioPath, Receiver** out, std::string* error) {
  Scenario scenario;
  if (!LoadScenarioFile(scenarioPath, &scenario, error)) return false;

  std::unique_ptr<Receiver> receiver(new Receiver(scenario));
  receiver->imagePath_ = Beside(scenarioPath, scenario.flashImage);
  receiver->transferLogPath_ = Beside(scenarioPath, scenario.transferLog);
  receiver->rfLogPath_ = Beside(scenarioPath, scenario.rfLog);
  receiver->unplugFilePath_ = Beside(scenarioPath, scenario.unplugFile);
  receiver->plugInFilePath_ = Beside(scenarioPath, scenario.plugInFile);

  if (!receiver->transferLogPath_.empty()) {
    FILE* log = std::fopen(receiver->transferLogPath_.c_str(), "ab");
    if (!log) {
      *error = receiver->transferLogPath_ + ": cannot open the transfer log (" + std::strerror(errno) + ")";
      return false;
    }
    std::fclose(log);
  }
  if (!receiver->rfLogPath_.empty()) {
    FILE* log = std::fopen(receiver->rfLogPath_.c_str(), "ab");
    if (!log) {
      *error = receiver->rfLogPath_ + ": cannot open the RF-info log (" + std::strerror(errno) + ")";
      return false;
    }
    std::fclose(log);
  }
  if (!receiver->imagePath_.empty()) {
    switch (LoadFlashImage(receiver->imagePath_, &receiver->flash_, error)) {
      case ImageLoad::kFailed:
        return false;
      case ImageLoad::kMissing:
        if (!SaveFlashImage(receiver->imagePath_, receiver->flash_, error)) return false;
        break;
      case ImageLoad::kLoaded:
        break;
    }
  }
  *out = receiver.release();
  return true;
}

std::array<uint8_t, 18> Receiver::DeviceDescriptor() const {
  const uint16_t vid = scenario_.vendorId;
  const uint16_t pid = scenario_.productId;
  return {18,   0x01,                   // bLength, bDescriptorType DEVICE
          0x10, 0x01,                   // bcdUSB 1.10
          0x00, 0x00, 0x00,             // class defined per interface
          8,                            // bMaxPacketSize0
          static_cast<uint8_t>(vid & 0xFF), static_cast<uint8_t>(vid >> 8),
          static_cast<uint8_t>(pid & 0xFF), static_cast<uint8_t>(pid >> 8),
          0x00, 0x01,                   // bcdDevice 1.00
          1,    2,    0,                // manufacturer, product, no serial number
          1};                           // bNumConfigurations
}

bool Receiver::Connected() const {
  CheckUnplugFile();
  CheckPlugInFile();
  return connected_;
}

// Another process (a tour, a test) pulls the receiver out by creating the file; it stays out even
// if the file goes again, as a real receiver stays out until it is plugged in anew.
void Receiver::CheckUnplugFile() const {
  if (unplugFilePath_.empty() || !connected_) return;
  if (FILE* file = std::fopen(unplugFilePath_.c_str(), "rb")) {
    std::fclose(file);
    connected_ = false;
  }
}

// Another process plugs a pulled-out receiver in again by creating the file. A look from the USB
// tree brings it back; the power-up itself is applied before its next command.
void Receiver::CheckPlugInFile() const {
  if (plugInFilePath_.empty() || connected_) return;
  if (FILE* file = std::fopen(plugInFilePath_.c_str(), "rb")) {
    std::fclose(file);
    connected_ = true;
    poweredUp_ = true;
  }
}

void Receiver::CountAfterErase(uint16_t wValue, uint16_t wIndex) {
  if (transfersSinceErase_ < 0) {
    if (wValue != kErasePage || wIndex != kConfigPage) return;
    transfersSinceErase_ = 0;
  }
  ++transfersSinceErase_;
  // Counted from the erase itself, which is transfer 0 after the erase.
  const long after = transfersSinceErase_ - 1;
  if (scenario_.unplugAfterErase >= 0 && after >= scenario_.unplugAfterErase) {
    connected_ = false;
    scenario_.unplugAfterErase = -1;
  }
  if (scenario_.hangAfterErase >= 0 && after >= scenario_.hangAfterErase) {
    // The program that sent this is stopped from outside while it waits; nothing returns.
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
  }
}

bool Receiver::ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                         uint16_t* replyLength) {
  ++transfers_;
  CheckUnplugFile();
  CheckPlugInFile();
  if (poweredUp_) PlugIn();
  CountAfterErase(wValue, wIndex);
  std::vector<uint8_t> data;
  const bool ok = connected_ && !Refused(wValue) && Execute(wValue, wIndex, wLength, &data);
  if (ok) {
    const size_t n = std::min<size_t>(data.size(), wLength);
    if (n > 0) std::memcpy(reply, data.data(), n);
    *replyLength = static_cast<uint16_t>(n);
  }
  if (scenario_.unplugAfter >= 0 && transfers_ >= scenario_.unplugAfter) connected_ = false;
  if (wValue == kReadRecord && wIndex == kRfInfoSelector) {
    ++rfReads_;
    if (scenario_.unplugAfterRfReads >= 0 && rfReads_ >= static_cast<uint32_t>(scenario_.unplugAfterRfReads)) {
      connected_ = false;
    }
    RecordRfRead(lastRfRecord_, ok);
  }
  Record(wValue, wIndex, wLength, ok);
  return ok;
}

bool Receiver::Execute(uint16_t wValue, uint16_t wIndex, uint16_t wLength, std::vector<uint8_t>* reply) {
  const std::vector<uint8_t> ack(1, 0x01);  // commands without an answer reply one byte
  if ((wValue & 0xFF00) == kSetParameterGroup) {
    parameters_[wValue & 0xFF] = wIndex;
    *reply = ack;
    return true;
  }
  switch (wValue) {
    case kProgram:
      if (!Program(wIndex)) return false;
      break;
    case kReadMemory:
      ReadMemory(wIndex, wLength, reply);
      return true;
    case kErasePage:
      if (!ErasePage(wIndex)) return false;
      break;
    case kLoadByte:
      if ((wIndex & 0xFF) >= writeBuffer_.size()) return false;
      writeBuffer_[wIndex & 0xFF] = static_cast<uint8_t>(wIndex >> 8);
      break;
    case kReadRecord:
      return ReadRecord(wIndex, reply);
    case kUpdateMode:
      if (wIndex != 1 && wIndex != 2) return false;
      updateMode_ = wIndex == 1;
      break;
    case kPairing:
      if (wIndex == 1) pairing_.Start();
      else if (wIndex == 0) pairing_.Stop();
      else return false;
      break;
    default:
      return false;
  }
  *reply = ack;
  return true;
}

// NOR flash: programming can only clear bits. The configuration page is writable in update mode only,
// so that a stray command outside a bracketed rewrite cannot damage the pairing slots.
bool Receiver::Program(uint16_t wIndex) {
  const bool block = (wIndex & kBlockFlag) != 0;
  const uint16_t first = wIndex & 0x7FFF;
  const uint32_t count = block ? kBlockWords : 1;
  if (TouchesConfigPage(first, count)) return false;
  const FlashWords before = imagePath_.empty() ? FlashWords() : flash_;
  for (uint32_t i = 0; i < count; ++i) {
    const uint16_t address = static_cast<uint16_t>(first + i);
    if (Stuck(address)) continue;
    const uint16_t data = static_cast<uint16_t>(writeBuffer_[2 * i] | (writeBuffer_[2 * i + 1] << 8));
    flash_[address] &= data;
  }
  return Persist(before);
}

bool Receiver::ErasePage(uint16_t address) {
  const uint16_t first = address & ~(kPageWords - 1);
  if (TouchesConfigPage(first, kPageWords)) return false;
  const FlashWords before = imagePath_.empty() ? FlashWords() : flash_;
  for (uint32_t i = 0; i < kPageWords; ++i) {
    const uint16_t a = static_cast<uint16_t>(first + i);
    if (!Stuck(a)) flash_[a] = kErasedWord;
  }
  return Persist(before);
}

void Receiver::ReadMemory(uint16_t address, uint16_t wLength, std::vector<uint8_t>* reply) const {
  reply->resize(wLength);
  for (uint32_t i = 0; i < wLength; ++i) {
    const uint16_t word = flash_[static_cast<uint16_t>(address + i / 2)];
    (*reply)[i] = static_cast<uint8_t>(i % 2 == 0 ? word & 0xFF : word >> 8);
  }
}

bool Receiver::ReadRecord(uint16_t selector, std::vector<uint8_t>* reply) {
  std::array<uint8_t, 8> record;
  if (selector == kPairingStatusSelector) {
    record = pairing_.ReadStatus();
  } else if (selector == kRfInfoSelector) {
    record = rfMotion_.Next();
    lastRfRecord_ = record;
  } else {
    return false;
  }
  reply->assign(record.begin(), record.end());
  return true;
}

bool Receiver::Refused(uint16_t wValue) const {
  const std::vector<uint16_t>& refused = scenario_.refusedCommands;
  return std::find(refused.begin(), refused.end(), wValue) != refused.end();
}

bool Receiver::Stuck(uint16_t address) const {
  const std::vector<uint16_t>& stuck = scenario_.stuckWords;
  return std::find(stuck.begin(), stuck.end(), address) != stuck.end();
}

bool Receiver::TouchesConfigPage(uint16_t first, uint32_t count) const {
  if (updateMode_) return false;
  const uint32_t last = first + count - 1;
  return first < kConfigPage + kPageWords && last >= kConfigPage;
}

// Writes a changed flash to the image; if that fails the change is undone and the command fails, so
// memory and image never disagree.
bool Receiver::Persist(const FlashWords& before) {
  if (imagePath_.empty() || before == flash_) return true;
  std::string error;
  if (SaveFlashImage(imagePath_, flash_, &error)) return true;
  flash_ = before;
  lastError_ = error;
  return false;
}

void Receiver::Record(uint16_t wValue, uint16_t wIndex, uint16_t wLength, bool ok) {
  log_.push_back({wValue, wIndex, wLength, ok});
  if (transferLogPath_.empty()) return;
  // Opened per line so that a test in another process sees every transfer at once.
  FILE* file = std::fopen(transferLogPath_.c_str(), "ab");  // "\n" on every platform
  if (!file) return;
  std::fprintf(file, "%04X %04X %04X %s\n", wValue, wIndex, wLength, ok ? "ok" : "fail");
  std::fclose(file);
}

// "<read> <ms> <signal> <channel> ok|fail": the read's number from 1, milliseconds since the receiver
// was opened, byte 1 and byte 2 AND 0x1F as the host passes them on (0 0 for a failed read).
void Receiver::RecordRfRead(const std::array<uint8_t, 8>& record, bool ok) {
  if (rfLogPath_.empty()) return;
  FILE* file = std::fopen(rfLogPath_.c_str(), "ab");
  if (!file) return;
  std::fprintf(file, "%u %lld %u %u %s\n", static_cast<unsigned>(rfReads_), SteadyMs() - openedAtMs_,
               ok ? record[1] : 0u, ok ? (record[2] & 0x1Fu) : 0u, ok ? "ok" : "fail");
  std::fclose(file);
}

uint16_t Receiver::Word(uint16_t address) const { return flash_[address]; }

void Receiver::SetWord(uint16_t address, uint16_t value) {
  const FlashWords before = imagePath_.empty() ? FlashWords() : flash_;
  flash_[address] = value;
  Persist(before);
}

std::array<uint8_t, 256> Receiver::ConfigPage() const {
  std::array<uint8_t, 256> page;
  for (uint32_t k = 0; k < kPageWords; ++k) {
    page[2 * k] = static_cast<uint8_t>(flash_[kConfigPage + k] & 0xFF);
    page[2 * k + 1] = static_cast<uint8_t>(flash_[kConfigPage + k] >> 8);
  }
  return page;
}

const std::vector<TransferRecord>& Receiver::Log() const { return log_; }
void Receiver::ClearLog() { log_.clear(); }
bool Receiver::InUpdateMode() const { return updateMode_; }
bool Receiver::InPairingMode() const { return pairing_.Active(); }
uint16_t Receiver::Parameter(uint8_t n) const { return parameters_[n]; }
void Receiver::Unplug() { connected_ = false; }
void Receiver::PlugIn() {
  connected_ = true;
  poweredUp_ = false;
  updateMode_ = false;
  writeBuffer_.fill(0xFF);
  pairing_.Stop();
  scenario_.unplugAfter = -1;
  scenario_.unplugAfterRfReads = -1;
  scenario_.unplugAfterErase = -1;
  unplugFilePath_.clear();
}
uint16_t Receiver::ProductId() const { return scenario_.productId; }
uint16_t Receiver::VendorId() const { return scenario_.vendorId; }
uint32_t Receiver::PairingSessions() const { return pairing_.Sessions(); }
uint32_t Receiver::RfInfoReads() const { return rfReads_; }
const std::string& Receiver::LastError() const { return lastError_; }

}  // namespace sim
