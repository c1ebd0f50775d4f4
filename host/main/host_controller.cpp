#include "host/main/host_controller.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "host/main/host_texts.h"
#include "receiver/config_slots.h"
#include "receiver/receiver_protocol.h"

namespace host {
namespace {

constexpr int kRfSignalByte = 1;
constexpr int kRfChannelByte = 2;
constexpr uint8_t kRfChannelBits = 0x1F;
constexpr uint32_t kIdBits = 0x7FFFF;

DeviceKind KindPolled(int32_t polledType) {
  return polledType == kPolledKeyboard ? DeviceKind::kKeyboard : DeviceKind::kMouse;
}

}  // namespace

std::wstring DeviceCode(uint32_t id) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring code(6, L'0');
  id &= kIdBits;
  for (int i = 5; i >= 0; --i, id >>= 4) code[i] = kDigits[id & 0xF];
  return code;
}

HostController::HostController(TDeviceLibrary& library, HostView& view,
                               const RequestMessages& messages, uint16_t languageId,
                               PairParameterTable& parameters)
    : library_(library), view_(view), messages_(messages), languageId_(languageId),
      parameters_(parameters) {}

void HostController::ShowText(const wchar_t* key) { view_.ShowMessage(view_.Text(key)); }

bool HostController::CheckReceiver() {
  const ReceiverCheck check = host::CheckReceiver(library_, &journal_, wait_, &quarn_);
  TellSettled(check);
  receiverUsable_ = check.state == ReceiverState::kUsable;
  switch (check.state) {
    case ReceiverState::kUsable: break;
    case ReceiverState::kNone: ShowText(kNoDongleExists); break;
    case ReceiverState::kSeveral: ShowText(kMultipleDongle); break;
    case ReceiverState::kLibraryMissing: ShowText(kDeviceLibraryMissing); break;
    case ReceiverState::kUnsupported: ShowText(kDongleNotSupported); break;
  }
  return receiverUsable_;
}

void HostController::SettleAtStart() {
  if (!journal_.Pending()) return;
  TellSettled(host::CheckReceiver(library_, &journal_, wait_, &quarn_, {true, false}));
}

void HostController::TellSettled(const ReceiverCheck& check) {
  if (check.settled != receiver::SettleResult::kCompleted) return;
  const receiver::Page& page = check.settledPage;
  // The message, then a line per kind: "Mice: 051234, 0A1B2C". Four lines are what the confirmation
  // dialog shows, so a kind with more than three devices is given as a count.
  constexpr int kCodesPerLine = 3;
  std::wstring text = view_.Text(kPageRecovered);
  const ConfigPageWords words = PageWords(page);
  for (const SlotKind kind : {SlotKind::kMouse, SlotKind::kKeyboard}) {
    std::wstring codes;
    int count = 0;
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
      const uint32_t value = SlotValue(words, kind, slot);
      if (SlotIsFree(kind, slot, value)) continue;
      codes += (codes.empty() ? L"" : L", ") + DeviceCode(value);
      ++count;
    }
    if (count == 0) continue;
    if (count > kCodesPerLine) codes = std::to_wstring(count);
    std::wstring line = view_.Text(kind == SlotKind::kMouse ? kRecoveredMouse : kRecoveredKeyboard);
    const size_t mark = line.find(L"%s");
    if (mark != std::wstring::npos) line.replace(mark, 2, codes);
    text += L"\n" + line;
  }
  view_.ShowMessage(text);
}

void HostController::FillHead(contract::RecordHead* head) const {
  head->languageId = languageId_;
  std::memset(head->textVariant, 0, sizeof(head->textVariant));
  head->hostWindow = static_cast<contract::WindowField>(hostWindow_);
}

int32_t HostController::RunWizard() {
  contract::WizardParams record{};
  FillHead(&record.head);
  record.reserved = 0;
  record.deviceId = 0;
  record.deviceType = 0;
  record.deviceName[0] = 0;
  record.previousDeviceType = rememberedDeviceType_;

  storeFailed_ = false;
  replaced_ = false;
  reportedType_ = kPolledNothing;
  reportedId_ = 0;
  int32_t result = -1;
  wizardRecord_ = &record;
  const bool called = view_.CallWizard(&record, &result);
  wizardRecord_ = nullptr;
  if (!called) {
    ShowText(kPluginMissing);
    return -1;
  }
  if (result >= 0) rememberedDeviceType_ = record.deviceType;
  RememberPairedName(record);
  ReportPairingStores();
  TellNamesNotSaved();
  return result;
}

DeviceNames HostController::LoadNames() const {
  // Without file operations nothing is read or written.
  return DeviceNames(nameOps_, nameOps_.read ? nameFolder_ : std::wstring());
}

void HostController::OfferStoredName(int32_t polledType, uint32_t id) {
  if (wizardRecord_ == nullptr) return;
  const std::wstring stored = LoadNames().Name(KindPolled(polledType), id);
  const size_t length = std::min(stored.size(), static_cast<size_t>(contract::kDeviceNameUnits - 1));
  std::fill(std::begin(wizardRecord_->deviceName), std::end(wizardRecord_->deviceName), u'\0');
  for (size_t i = 0; i < length; ++i) wizardRecord_->deviceName[i] = static_cast<char16_t>(stored[i]);
}

void HostController::RememberPairedName(const contract::WizardParams& record) {
  // Only a name step 4 handed back counts: the step-1 choice may differ from what answered, and a
  // wizard left early (Close, Escape, No) names nothing, so a stored name stays as it is.
  const bool reported = reportedType_ == kPolledMouse || reportedType_ == kPolledKeyboard;
  std::wstring name;
  for (int i = 0; reported && i < contract::kDeviceNameUnits && record.deviceName[i] != 0; ++i) {
    name += static_cast<wchar_t>(record.deviceName[i]);
  }
  if (name.size() > DeviceNames::kMaxNameLength) name.resize(DeviceNames::kMaxNameLength);
  if (name.empty() && !replaced_) return;
  DeviceNames names = LoadNames();
  bool changed = false;
  if (replaced_) changed |= names.Forget(replacedKind_, replacedId_);
  if (!name.empty()) changed |= names.SetName(KindPolled(reportedType_), reportedId_, name);
  if (changed && !names.Save()) namesNotSaved_ = true;
}

void HostController::TellNamesNotSaved() {
  if (namesNotSaved_) ShowText(kNamesNotSaved);
  namesNotSaved_ = false;
}

void HostController::ReportPairingStores() {
  if (storeFailed_) ShowText(kDeviceNotStored);
  if (replaced_) {
    std::wstring text = view_.Text(kDeviceReplaced);
    const size_t mark = text.find(L"%s");
    if (mark != std::wstring::npos) text.replace(mark, 2, DeviceCode(replacedId_));
    view_.ShowMessage(text);
  }
  storeFailed_ = false;
  replaced_ = false;
}

void HostController::NewPairing() {
  for (;;) {
    if (!CheckReceiver()) return;
    const int32_t result = RunWizard();
    if (result == -1) return;  // no wizard: the window stays as it was
    if (result == contract::kWizardOpenManager) {
      view_.SetPairingButtonsEnabled(false);
      OpenManager();
      view_.SetPairingButtonsEnabled(true);
      return;
    }
    if (result == contract::kWizardAgain || result == contract::kWizardPairAnother) continue;
    view_.CloseMainWindow();
    return;
  }
}

void HostController::OpenManager() {
  if (!CheckReceiver()) return;
  view_.ProcessMessages();

  contract::TCorvilManagerParams record{};
  FillHead(&record.head);
  record.receiverCount = 1;
  record.selectedReceiver = 0;
  record.displayMode = contract::kShowMouseNames;
  TPairedDeviceTable first{};
  TPairedDeviceTable second{};
  ReadDeviceList(quarn_, &first);
  wait_(kSecondTableDelayMs);
  ReadDeviceList(quarn_, &second);
  const DeviceNames names = LoadNames();
  names.FillTable(&first);
  names.FillTable(&second);
  record.tables = &first;
  record.secondTable = &second;

  CheckReceiver();
  changeNotStored_ = false;
  int32_t result = 0;
  if (!view_.CallManager(&record, &result)) {
    ShowText(kPluginMissing);
    return;
  }
  if (changeNotStored_) ShowText(kChangeNotStored);
  changeNotStored_ = false;
  TellNamesNotSaved();
}

void HostController::OpenSignalDisplay() {
  if (!CheckReceiver()) return;
  view_.ProcessMessages();
  contract::GaugeParams record{};
  FillHead(&record.head);
  record.receiverPresent = CheckReceiver() ? 1 : 0;
  int32_t result = 0;
  if (!view_.CallGauge(&record, &result)) ShowText(kPluginMissing);
}

bool HostController::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                   intptr_t* result) {
  if (message == 0) return false;
  intptr_t reply = 0;
  if (message == messages_.pairStart) {
    reply = PairStart();
  } else if (message == messages_.pairGetId) {
    reply = PairGetId(wParam);
  } else if (message == messages_.pairStop) {
    reply = PairStop();
  } else if (message == messages_.managerInsert) {
    reply = ManagerInsert(reinterpret_cast<const contract::TCorvilManagerParams*>(wParam),
                          reinterpret_cast<const contract::TCorvilManagerParams*>(lParam));
  } else if (message == messages_.requestRfInfo) {
    RequestRfInfo(wParam);
  } else {
    return false;
  }
  if (result != nullptr) *result = reply;
  return true;
}

intptr_t HostController::PairStart() { return StartPairing(quarn_, parameters_, wait_) ? 1 : 0; }

intptr_t HostController::PairGetId(WindowRef window) {
  int32_t type = kPolledNothing;
  uint32_t id = 0;
  StoreReport report;
  const bool polled = PollPairing(quarn_, &type, &id, wait_, &report);
  if (report.storeFailed) {
    storeFailed_ = true;
    // The wizard goes back to step 1 without asking for a stop: the receiver would stay in
    // pairing mode, ready to pair whatever comes along.
    StopPairing(quarn_);
  } else if (polled && type != kPolledNothing) {
    // A later store that worked: the user is told about the run's last store only.
    storeFailed_ = false;
  }
  if (!polled) return 0;
  if (report.replaced) {
    replaced_ = true;
    replacedId_ = report.replacedId;
    replacedKind_ = KindPolled(type);
  }
  if (type == kPolledMouse || type == kPolledKeyboard) {
    reportedType_ = type;
    reportedId_ = id;
    OfferStoredName(type, id);
  }
  view_.PostReturnId(window, type, id);
  return 1;
}

intptr_t HostController::PairStop() { return StopPairing(quarn_) ? 1 : 0; }

intptr_t HostController::ManagerInsert(const contract::TCorvilManagerParams* accepted,
                                       const contract::TCorvilManagerParams* wanted) {
  uint8_t rfInfo[receiver::kRecordBytes] = {};
  if (!quarn_.ReadRecord(receiver::kRecordRfInfo, rfInfo)) {
    view_.CloseMainWindow();
    return contract::kInsertRefused;
  }
  if (accepted == nullptr || wanted == nullptr || accepted->tables == nullptr ||
      wanted->tables == nullptr) {
    return contract::kInsertRefused;
  }
  if (!UpdateDeviceList(quarn_, *accepted->tables, *wanted->tables, wait_)) {
    // The page as it was has been written back; the manager must not believe the change arrived.
    changeNotStored_ = true;
    return contract::kInsertRefused;
  }
  // Names live only on this computer: an accepted change carries them, identifiers or not.
  if (!LoadNames().ApplyUpdate(*accepted->tables, *wanted->tables)) namesNotSaved_ = true;
  return 0;
}

void HostController::RequestRfInfo(WindowRef window) {
  rfInfoWindow_ = window;
  uint8_t rfInfo[receiver::kRecordBytes] = {};
  if (!quarn_.ReadRecord(receiver::kRecordRfInfo, rfInfo)) {
    view_.SendDeviceRemove(rfInfoWindow_);
    view_.CloseMainWindow();
    return;
  }
  view_.SendRfInfo(rfInfoWindow_, rfInfo[kRfChannelByte] & kRfChannelBits, rfInfo[kRfSignalByte]);
}

}  // namespace host
