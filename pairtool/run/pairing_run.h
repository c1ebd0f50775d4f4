// The pairing tool's pairing run: a press of the Pair button finds the receiver and starts pairing
// mode, then every timer tick counts down and reads the pairing status; an identifier that arrives
// is shown and stored in the configuration page at once. The window drives it and shows its texts.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "receiver/page_journal.h"

class TSoftCpu;

namespace pairtool {

// What the run needs from its window.
class PairingView {
 public:
  virtual ~PairingView() = default;
  virtual void ShowMessage(const std::wstring& text) = 0;     // lb_Message
  virtual void ShowMouseId(const std::wstring& text) = 0;     // le_MouseID
  virtual void ShowKeyboardId(const std::wstring& text) = 0;  // le_KeybdID
  virtual void SetTimerEnabled(bool enabled) = 0;             // tmr_Pair, 500 ms
  virtual void Sleep(unsigned milliseconds) = 0;              // blocks the window, as the run expects
};

using Translator = std::function<std::wstring(const std::wstring& key)>;

// Result of storing an identifier in the configuration page.
enum class StoreResult {
  PageUnreadable,  // nothing was written
  Stored,
  WriteFailed,  // the page did not verify: written back as read, or kept in the journal
};

class PairingRun {
 public:
  static constexpr std::array<uint16_t, 11> kPairParameterTable = {2,  6,  7,  8,  12, 14,
                                                                   16, 20, 24, 28, 29};
  static constexpr int kCountdownTicks = 30;  // 30 ticks of 500 ms

  // journal keeps the record of each page rewrite while it runs (not owned).
  PairingRun(TSoftCpu& cpu, Translator translate, PairingView& view,
             receiver::PageJournal& journal);

  void PressPair();  // bt_PairClick
  void Tick();       // tmr_PairTimer

  StoreResult SaveMouseId(uint32_t id, uint8_t attribute, uint8_t rfByte);
  StoreResult SaveKeyboardId(uint32_t id);

  int ParameterIndex() const { return parameterIndex_; }
  int Countdown() const { return countdown_; }

 private:
  bool FindAnyReceiver();
  void Fail(const wchar_t* key);
  // A page rewrite that was cut off is completed before the run; true when one was (the window then
  // shows what the receiver holds again, and this press starts no run).
  bool SettlePageJournal();
  StoreResult StorePage(const std::function<void(uint8_t*)>& patch);
  void ShowStoreResult(StoreResult result, const wchar_t* okKey);

  TSoftCpu& cpu_;
  Translator translate_;
  PairingView& view_;
  receiver::PageJournal& journal_;
  int parameterIndex_ = 0;
  int countdown_ = 0;
};

}  // namespace pairtool
