#include "plugins/manager/core/manager_model.h"

#include <algorithm>

#include "framework/core/strutil.h"

namespace manager {
namespace {

constexpr Kind kKinds[] = {Kind::kMouse, Kind::kKeyboard};

bool ValidSlot(int slot) { return slot >= 1 && slot <= kSlots; }

}  // namespace

Rows Display(const host::TPairedDeviceTable& table, int activeCount, const ManagerTexts& texts) {
  Rows rows;
  for (Kind kind : kKinds) {
    for (int slot = 1; slot <= kSlots; ++slot) {
      SlotRow& row = rows.Of(kind)[slot - 1];
      const int32_t id = SlotId(table, kind, slot);
      row.id = texts.noDevice;
      if (slot <= activeCount && SlotUnread(id)) {
        // Not "No device": the user must not take it for a free slot.
        row.unread = true;
        row.id = texts.unreadSlot;
      } else if (slot <= activeCount && !SlotEmpty(id)) {
        row.boxVisible = true;
        row.checked = !SlotDisabled(id);
        row.statusVisible = true;
        row.status = texts.present;
        row.removeVisible = true;
        row.id = IdText(id);
        row.nameVisible = true;
        row.name = NameOf(table, kind, slot);
      }
    }
  }
  return rows;
}

void Collect(const Rows& rows, int activeCount, const std::wstring& noDeviceText, host::TPairedDeviceTable& table) {
  for (Kind kind : kKinds) {
    for (int slot = 1; slot <= std::min(activeCount, kSlots); ++slot) {
      const SlotRow& row = rows.Of(kind)[slot - 1];
      if (row.unread) continue;
      if (row.id.empty() || row.id == noDeviceText) {
        EmptySlot(table, kind, slot);
        continue;
      }
      const uint32_t id = framework::HexTextToInt(row.id) & kIdBits;
      SlotId(table, kind, slot) = static_cast<int32_t>(row.checked ? id : (id | kDisabledBit));
      SetName(table, kind, slot, row.name);
    }
    // Slots above the active count are not shown: what they hold stays as it is.
  }
}

ManagerModel::ManagerModel(contract::TCorvilManagerParams* params, ManagerPorts ports, ManagerTexts texts,
                           int activeCount)
    : params_(params), ports_(std::move(ports)), texts_(std::move(texts)),
      activeCount_(std::clamp(activeCount, 1, kSlots)) {
  // The record comes from another module: its receiver fields index tables, so they are bounded
  // before anything uses them.
  receivers_ = std::clamp(params_->receiverCount, 1, kMaxReceivers);
  selected_ = std::clamp(params_->selectedReceiver, 0, receivers_ - 1);
  currentTable_ = params_->tables[0];
  openingTable_ = params_->tables[0];
  current_.displayMode = opening_.displayMode = params_->displayMode;
  current_.tables = &currentTable_;
  opening_.tables = &openingTable_;
  current_.receiverCount = opening_.receiverCount = 1;
}

void ManagerModel::Show() {
  Redisplay();
  shown_ = true;
}

host::TPairedDeviceTable& ManagerModel::ShownTable() { return params_->tables[selected_]; }

void ManagerModel::Redisplay() { rows_ = Display(ShownTable(), activeCount_, texts_); }

void ManagerModel::CollectShown() { Collect(rows_, activeCount_, texts_.noDevice, ShownTable()); }

void ManagerModel::ShowRowsNow() const {
  if (ports_.show) ports_.show(rows_);
}

bool ManagerModel::SendUpdate() {
  ShowRowsNow();
  const int32_t answer = ports_.insert ? ports_.insert(&current_, params_) : 0;
  if (answer == contract::kInsertRefused) {
    result_ = kClosedKeeping;
    closeRequested_ = true;
    return false;
  }
  current_.displayMode = params_->displayMode;
  currentTable_ = params_->tables[0];
  return true;
}

bool ManagerModel::Confirmed(const std::wstring& question) {
  // Closing the dialog, Escape, or a dialog that never showed is not consent: nothing that removes
  // or switches off a device happens without a Yes the user saw and chose.
  return ports_.ask && ports_.ask(question) == kYes;
}

int ManagerModel::CheckedCount(Kind kind) const {
  int count = 0;
  for (int slot = 1; slot <= activeCount_; ++slot) {
    const SlotRow& row = rows_.Of(kind)[slot - 1];
    if (row.boxVisible && row.checked) ++count;
  }
  return count;
}

void ManagerModel::MouseBoxClicked(int slot, bool checkedNow) {
  if (!shown_ || closeRequested_ || !ValidSlot(slot)) return;
  rows_.mice[slot - 1].checked = checkedNow;
  if (CheckedCount(Kind::kMouse) == 0) {
    // The last mouse that works stays on: without it the user could not click any more.
    rows_.mice[slot - 1].checked = true;
    ShowRowsNow();
    if (ports_.inform) ports_.inform(texts_.mouseAtLeastOne);
    return;
  }
  CollectShown();
  SendUpdate();
}

void ManagerModel::KeyboardBoxClicked(int slot, bool checkedNow) {
  if (!shown_ || closeRequested_ || !ValidSlot(slot)) return;
  rows_.keyboards[slot - 1].checked = checkedNow;
  if (CheckedCount(Kind::kKeyboard) == 0) {
    // Only a Yes keeps the box clear: a closed, escaped or missing dialog leaves the keyboard on.
    if (!Confirmed(texts_.keyboardDisableYesNo)) rows_.keyboards[slot - 1].checked = true;
  }
  CollectShown();
  SendUpdate();
}

void ManagerModel::RemoveClicked(Kind kind, int slot) {
  if (!shown_ || closeRequested_ || !ValidSlot(slot) || slot > activeCount_) return;
  if (kind == Kind::kMouse) {
    int highest = 0;
    for (int i = 1; i <= activeCount_; ++i) {
      if (rows_.mice[i - 1].boxVisible && rows_.mice[i - 1].checked) highest = i;
    }
    if (CheckedCount(Kind::kMouse) == 1 && highest == slot) {
      // Refused whether or not the message can be shown.
      if (ports_.inform) ports_.inform(texts_.mouseAtLeastOne);
      return;
    }
  }
  if (Confirmed(kind == Kind::kMouse ? texts_.mouseRemoveYesNo : texts_.keyboardRemoveYesNo)) Remove(kind, slot);
}

void ManagerModel::Remove(Kind kind, int slot) {
  SlotRow& row = rows_.Of(kind)[slot - 1];
  row.removeVisible = false;
  row.checked = false;
  row.status.clear();
  row.id = texts_.noDevice;
  row.name.clear();
  CollectShown();
  CompactSlots(ShownTable(), kind, activeCount_);
  Redisplay();
  SendUpdate();
}

void ManagerModel::NameClicked(Kind kind, int slot) {
  if (!shown_ || closeRequested_ || !ValidSlot(slot)) return;
  SlotRow& row = rows_.Of(kind)[slot - 1];
  if (!row.nameVisible) return;
  std::wstring text = row.name;
  if (ports_.edit && ports_.edit(texts_.inputDeviceName, &text, kDeviceNameMaxLength)) {
    row.name = text.substr(0, kDeviceNameMaxLength);
  }
  CollectShown();
  Redisplay();
  SendUpdate();
}

void ManagerModel::DisplayModeChosen(int32_t mode) {
  if (!shown_ || closeRequested_) return;
  params_->displayMode = mode;
  SendUpdate();
}

void ManagerModel::ReceiverChosen(int index) {
  if (!shown_ || closeRequested_) return;
  selected_ = std::clamp(index, 0, receivers_ - 1);
  Redisplay();
}

bool ManagerModel::TableChanged() const {
  return TablesDiffer(params_->displayMode, params_->tables[0], opening_.displayMode, openingTable_);
}

void ManagerModel::Ok() {
  if (closeRequested_) return;
  result_ = kClosedKeeping;
  closeRequested_ = true;
}

void ManagerModel::Cancel() {
  if (closeRequested_) return;
  if (TableChanged()) {
    params_->displayMode = opening_.displayMode;
    params_->tables[0] = openingTable_;
    result_ = SendUpdate() ? kRestored : kClosedKeeping;
  } else {
    result_ = kClosedKeeping;
  }
  closeRequested_ = true;
}

}  // namespace manager
