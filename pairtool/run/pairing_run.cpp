#include "pairtool/run/pairing_run.h"

#include <algorithm>
#include <utility>

#include "framework/core/strutil.h"
#include "receiver/page_rewrite.h"
#include "receiver/tool_slots.h"
#include "receiver/receiver_protocol.h"
#include "receiver/softcpu.h"

namespace pairtool {

using namespace receiver;

namespace {
constexpr unsigned kAfterParameterMs = 100;
constexpr unsigned kAfterUpdateModeMs = 20;
constexpr uint8_t kPairingParameter = 1;
}  // namespace

PairingRun::PairingRun(TSoftCpu& cpu, Translator translate, PairingView& view,
                       receiver::PageJournal& journal)
    : cpu_(cpu), translate_(std::move(translate)), view_(view), journal_(journal) {}

bool PairingRun::FindAnyReceiver() {
  return cpu_.FindReceiver(kVendorId, kProductIdA) || cpu_.FindReceiver(kVendorId, kProductIdB);
}

void PairingRun::Fail(const wchar_t* key) { view_.ShowMessage(translate_(key)); }

void PairingRun::PressPair() {
  // Every press steps the parameter, whatever follows, so the first press uses the second value.
  parameterIndex_ = (parameterIndex_ + 1) % static_cast<int>(kPairParameterTable.size());
  const bool found = FindAnyReceiver();
  if (found && SettlePageJournal()) return;
  if (!found ||
      !cpu_.SetParameter(kPairingParameter, kPairParameterTable[parameterIndex_])) {
    Fail(L"PAIR_NoReceiverFound");
    return;
  }
  view_.Sleep(kAfterParameterMs);
  view_.ShowMouseId(L"");
  view_.ShowKeyboardId(L"");
  if (!cpu_.StartPairing()) {
    Fail(L"PAIR_NoReceiverFound");
    return;
  }
  view_.SetTimerEnabled(true);
  countdown_ = kCountdownTicks;
}

bool PairingRun::SettlePageJournal() {
  const receiver::UpdateModeWaits waits{kAfterUpdateModeMs, 0};
  receiver::Page page{};
  if (receiver::SettlePendingRewrite(cpu_, journal_, [this](uint32_t ms) { view_.Sleep(ms); },
                                     waits, &page) != receiver::SettleResult::kCompleted) {
    return false;
  }
  const uint32_t mouse = PageMouseId(page.data());
  const uint32_t keyboard = PageKeyboardId(page.data());
  view_.ShowMouseId(IsPairedId(mouse) ? framework::IntToHexText(mouse, 6) : L"");
  view_.ShowKeyboardId(IsPairedId(keyboard) ? framework::IntToHexText(keyboard, 6) : L"");
  view_.ShowMessage(translate_(L"PAIR_Recovered"));
  return true;
}

void PairingRun::Tick() {
  const int ticks = countdown_;
  view_.ShowMessage(std::to_wstring(ticks / 2) + L" " + translate_(L"PAIR_Second"));
  if (ticks == 1) view_.ShowMessage(L"");
  countdown_ = ticks - 1;
  if (countdown_ <= 0) view_.SetTimerEnabled(false);

  uint8_t status[kRecordBytes];
  uint8_t rfInfo[kRecordBytes];
  if (!cpu_.ReadRecord(kRecordPairingStatus, status) || !cpu_.ReadRecord(kRecordRfInfo, rfInfo)) {
    view_.SetTimerEnabled(false);
    Fail(L"PAIR_Fail");
    return;
  }
  const PairingStatus reported = DecodePairingStatus(status);
  if (reported.mouseReported) {
    view_.ShowMouseId(framework::IntToHexText(reported.mouseId, 6));
    view_.SetTimerEnabled(false);
    ShowStoreResult(SaveMouseId(reported.mouseId, reported.mouseAttribute, rfInfo[kRfPairingByte]),
                    L"PAIR_MouseOK");
  }
  if (reported.keyboardReported) {
    view_.ShowKeyboardId(framework::IntToHexText(reported.keyboardId, 6));
    view_.SetTimerEnabled(false);
    ShowStoreResult(SaveKeyboardId(reported.keyboardId), L"PAIR_KeybdOK");
  }
}

void PairingRun::ShowStoreResult(StoreResult result, const wchar_t* okKey) {
  // An unreadable page leaves the identifier on screen without a confirmation text.
  if (result == StoreResult::Stored) view_.ShowMessage(translate_(okKey));
  if (result == StoreResult::WriteFailed) Fail(L"PAIR_Fail");
}

StoreResult PairingRun::SaveMouseId(uint32_t id, uint8_t attribute, uint8_t rfByte) {
  StoreResult result =
      StorePage([&](uint8_t* page) { PatchMouse(page, id, attribute, rfByte); });
  if (result != StoreResult::PageUnreadable) cpu_.SetParameter(kPairingParameter, id & 0x1F);
  return result;
}

StoreResult PairingRun::SaveKeyboardId(uint32_t id) {
  return StorePage([&](uint8_t* page) { PatchKeyboard(page, id); });
}

StoreResult PairingRun::StorePage(const std::function<void(uint8_t*)>& patch) {
  receiver::Page original{};
  if (!cpu_.ReadPage(kConfigPageAddress, original.data())) return StoreResult::PageUnreadable;
  receiver::Page page = original;
  patch(page.data());
  const receiver::UpdateModeWaits waits{kAfterUpdateModeMs, 0};
  const bool written = receiver::RewriteConfigPage(
      cpu_, journal_, original, page, [this](uint32_t ms) { view_.Sleep(ms); }, waits);
  return written ? StoreResult::Stored : StoreResult::WriteFailed;
}

}  // namespace pairtool
