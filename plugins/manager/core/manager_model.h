// What the manager window does, without the window: the rows it shows (Display), reading them back
// into the host's table (Collect), the live updates to the host with the state before and after
// each change, and every user action with its questions. The window only mirrors `Rows()` onto its
// controls and forwards clicks here.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/plugin_contract.h"
#include "plugins/manager/core/device_slots.h"

namespace manager {

// One row of one kind: the controls' state.
struct SlotRow {
  bool boxVisible = false;
  bool checked = false;
  bool statusVisible = false;
  std::wstring status;
  bool removeVisible = false;
  std::wstring id;  // six hexadecimal digits, the empty-slot text, or the unread-slot text
  bool nameVisible = false;
  std::wstring name;
  bool unread = false;  // the host could not read this slot: shown as such, never collected
};

struct Rows {
  std::array<SlotRow, kSlots> mice;
  std::array<SlotRow, kSlots> keyboards;
  std::array<SlotRow, kSlots>& Of(Kind kind) { return kind == Kind::kMouse ? mice : keyboards; }
  const std::array<SlotRow, kSlots>& Of(Kind kind) const { return kind == Kind::kMouse ? mice : keyboards; }
};

// The language texts the window uses.
struct ManagerTexts {
  std::wstring noDevice = L"No device";  // lb_NoDeviceString
  std::wstring present = L"Enabled";     // lb_ActivateDevice
  std::wstring unreadSlot = L"Not readable";
  std::wstring mouseAtLeastOne;
  std::wstring keyboardDisableYesNo;
  std::wstring mouseRemoveYesNo;
  std::wstring keyboardRemoveYesNo;
  std::wstring inputDeviceName;
};

// The rows that show `table` with `activeCount` rows.
Rows Display(const host::TPairedDeviceTable& table, int activeCount, const ManagerTexts& texts);

// The rows read back into `table`. Slots of the shown rows take the identifier label (with the
// disabled bit when the box is clear) and the name, or become empty; slots above the active count
// keep exactly what they hold, so devices the window does not show are never unpaired; so do slots
// the host could not read.
void Collect(const Rows& rows, int activeCount, const std::wstring& noDeviceText, host::TPairedDeviceTable& table);

// How the window reaches the host and the dialogs.
struct ManagerPorts {
  // Sends AM_CorvilManager_Insert (wParam = state the host last accepted, lParam = the host's
  // block with the wanted state) and returns the host's answer; -1 = refused.
  std::function<int32_t(contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted)> insert;
  // Ackbox: a message that only informs.
  std::function<void(const std::wstring& text)> inform;
  // Notabox: 1 yes, 0 (or another non-negative value) no, negative no answer; kNotAsked when the
  // dialog could not be shown at all.
  std::function<int32_t(const std::wstring& question)> ask;
  // Querent: true with *text replaced when the user accepted; false leaves *text.
  std::function<bool(const std::wstring& prompt, std::wstring* text, int maxLength)> edit;
  // The window mirrors the rows now: before the host starts working and before a message, so the
  // user never looks at a state the model has already left.
  std::function<void(const Rows& rows)> show;
};

// The receivers a manager record may describe.
constexpr int kMaxReceivers = 5;

// The question dialog could not be shown: no answer, and nothing the question guards may change.
constexpr int32_t kNotAsked = INT32_MIN;
// The one answer that lets a question's action happen.
constexpr int32_t kYes = 1;

// Results of the manager's entry.
constexpr int32_t kClosedOtherwise = 0;
constexpr int32_t kRestored = 1;
constexpr int32_t kClosedKeeping = 2;

constexpr int kDeviceNameMaxLength = 14;

class ManagerModel {
 public:
  // Copies the host's display mode and the first table into the current and the opening state.
  ManagerModel(contract::TCorvilManagerParams* params, ManagerPorts ports, ManagerTexts texts, int activeCount);
  ManagerModel(const ManagerModel&) = delete;
  ManagerModel& operator=(const ManagerModel&) = delete;

  // The window is shown: the selected receiver's table is displayed; handlers work from now on.
  void Show();
  bool Shown() const { return shown_; }
  const Rows& CurrentRows() const { return rows_; }
  int ActiveCount() const { return activeCount_; }
  int SelectedReceiver() const { return selected_; }
  // The record's receiver count, bounded to 1..kMaxReceivers.
  int ReceiverCount() const { return receivers_; }
  int32_t DisplayMode() const { return params_->displayMode; }

  // The user's actions. The window applies CurrentRows() afterwards and closes when CloseRequested().
  // `checkedNow` is the box's state after the user's click.
  void MouseBoxClicked(int slot, bool checkedNow);
  void KeyboardBoxClicked(int slot, bool checkedNow);
  void RemoveClicked(Kind kind, int slot);
  void NameClicked(Kind kind, int slot);
  void DisplayModeChosen(int32_t mode);
  void ReceiverChosen(int index);
  void Ok();
  void Cancel();  // also the close button

  bool CloseRequested() const { return closeRequested_; }
  int32_t Result() const { return result_; }
  // Whether the host's block differs from the opening state.
  bool TableChanged() const;
  const host::TPairedDeviceTable& OpeningTable() const { return openingTable_; }
  const host::TPairedDeviceTable& CurrentTable() const { return currentTable_; }

 private:
  host::TPairedDeviceTable& ShownTable();
  void Redisplay();
  void ShowRowsNow() const;
  void CollectShown();
  // Sends the host's block with the state it last accepted; refused: result 2, close.
  bool SendUpdate();
  void Remove(Kind kind, int slot);
  // Asks before a device is removed or switched off; true only for an explicit Yes.
  bool Confirmed(const std::wstring& question);
  int CheckedCount(Kind kind) const;

  contract::TCorvilManagerParams* params_;
  ManagerPorts ports_;
  ManagerTexts texts_;
  int activeCount_;
  int receivers_ = 1;
  int selected_ = 0;
  Rows rows_;
  bool shown_ = false;
  bool closeRequested_ = false;
  int32_t result_ = kClosedOtherwise;
  // The state the host last accepted, and the state at opening; only display mode and table are used.
  contract::TCorvilManagerParams current_{};
  contract::TCorvilManagerParams opening_{};
  host::TPairedDeviceTable currentTable_{};
  host::TPairedDeviceTable openingTable_{};
};

}  // namespace manager
