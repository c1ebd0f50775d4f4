// The host main window's decisions: the receiver check before every plug-in, opening the plug-ins
// and chaining the wizard's results, and answering the plug-ins' requests for receiver work.
// Portable: the window, the dialogs and the plug-in calls are behind HostView, the receiver behind
// the device-access library binding.
#pragma once
#include <cstdint>
#include <string>

#include "framework/core/plugin_contract.h"
#include "host/main/host_view.h"
#include "host/names/device_names.h"
#include "host/receiver/device_library.h"
#include "host/receiver/pair_parameters.h"
#include "host/receiver/quarn.h"
#include "host/receiver/receiver_check.h"
#include "host/receiver/receiver_operations.h"
#include "receiver/page_journal.h"

namespace host {

// The registered numbers of the requests the host answers.
struct RequestMessages {
  uint32_t pairStart = 0;
  uint32_t pairGetId = 0;
  uint32_t pairStop = 0;
  uint32_t managerInsert = 0;
  uint32_t requestRfInfo = 0;
};

// Between the two reads of the device list handed to the manager.
constexpr uint32_t kSecondTableDelayMs = 50;

class HostController {
 public:
  // library and view must outlive the controller. languageId is the host's own (never 0 once the
  // window has chosen its language).
  HostController(TDeviceLibrary& library, HostView& view, const RequestMessages& messages,
                 uint16_t languageId, PairParameterTable& parameters = ProcessPairParameters());

  void SetWait(const Wait& wait) { wait_ = wait; }
  // Where the names users give their devices are kept; without it names last one manager opening.
  void SetNameStore(const NameFileOps& ops, const std::wstring& folder) {
    nameOps_ = ops;
    nameFolder_ = folder;
  }
  // Where the record of a configuration-page rewrite is kept while it runs; without it the record
  // lives in memory only (a receiver pulled out is recovered, a stopped program is not).
  void SetJournalStore(const userfiles::FileOps& ops, const std::wstring& folder) {
    journal_ = receiver::PageJournal(ops, folder);
  }
  void SetHostWindow(WindowRef window) { hostWindow_ = window; }

  // Exactly one receiver of a supported generation: true. Otherwise the user is told why and the
  // result is false. The result is also kept (ReceiverUsable).
  bool CheckReceiver();
  bool ReceiverUsable() const { return receiverUsable_; }
  // Right after start: a rewrite that an earlier run left unfinished is settled when exactly one
  // receiver answers. Says nothing unless a rewrite was completed.
  void SettleAtStart();

  // The three buttons.
  void NewPairing();
  void OpenManager();
  void OpenSignalDisplay();
  // One wizard call; its result, or -1 when the wizard could not be called.
  int32_t RunWizard();

  // A request of a plug-in: true when `message` is one of the host's requests, with the reply in
  // *result; false for every other message (the window handles it as usual).
  bool HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t* result);

  int32_t RememberedDeviceType() const { return rememberedDeviceType_; }
  TQUARN& Quarn() { return quarn_; }

 private:
  intptr_t PairStart();
  intptr_t PairGetId(WindowRef window);
  intptr_t PairStop();
  intptr_t ManagerInsert(const contract::TCorvilManagerParams* accepted,
                         const contract::TCorvilManagerParams* wanted);
  void RequestRfInfo(WindowRef window);

  void FillHead(contract::RecordHead* head) const;
  // Tells the user what an interrupted rewrite that the check completed put back.
  void TellSettled(const ReceiverCheck& check);
  void ShowText(const wchar_t* key);
  // What happened to the devices that reported during the wizard run, told after it returns.
  void ReportPairingStores();
  // The stored names, read afresh for each use.
  DeviceNames LoadNames() const;
  // The name step 4 gave goes to the device the receiver reported last, as the kind it reported.
  void RememberPairedName(const contract::WizardParams& record);
  // A device reported: the wizard's record carries its stored name, which step 4 offers.
  void OfferStoredName(int32_t polledType, uint32_t id);
  // Told once, after the plug-in that caused it has returned.
  void TellNamesNotSaved();

  TDeviceLibrary& library_;
  HostView& view_;
  RequestMessages messages_;
  uint16_t languageId_;
  PairParameterTable& parameters_;
  Wait wait_ = SleepMilliseconds;
  WindowRef hostWindow_ = 0;

  TQUARN quarn_;
  receiver::PageJournal journal_;
  bool receiverUsable_ = false;
  int32_t rememberedDeviceType_ = contract::kMouse;
  WindowRef rfInfoWindow_ = 0;

  // Collected while the wizard runs.
  contract::WizardParams* wizardRecord_ = nullptr;
  int32_t reportedType_ = kPolledNothing;  // of the last poll in which a device reported
  uint32_t reportedId_ = 0;
  bool storeFailed_ = false;
  bool replaced_ = false;
  uint32_t replacedId_ = 0;
  DeviceKind replacedKind_ = DeviceKind::kMouse;
  // Collected while the manager runs.
  bool changeNotStored_ = false;
  // The names file could not be written during the last plug-in run.
  bool namesNotSaved_ = false;
  NameFileOps nameOps_;
  std::wstring nameFolder_;
};

// Six upper-case hexadecimal digits of the 19-bit identifier.
std::wstring DeviceCode(uint32_t id);

}  // namespace host
