// What the host's decisions need from its window and from the other windows of the process. The
// Win32 main window implements it; the unit tests record what happens.
#pragma once
#include <cstdint>
#include <string>

#include "framework/core/plugin_contract.h"

namespace host {

// A window handle as a number: what a message's wParam carries.
using WindowRef = uintptr_t;

class HostView {
 public:
  virtual ~HostView() = default;

  // A text of the main window's language-file section, "" when no file has it.
  virtual std::wstring Text(const std::wstring& key) = 0;
  // The confirmation dialog with this text; returns when the user has closed it.
  virtual void ShowMessage(const std::wstring& text) = 0;
  // Closing the main window ends the program.
  virtual void CloseMainWindow() = 0;
  // Runs the window messages that are waiting.
  virtual void ProcessMessages() = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
  virtual void SetPairingButtonsEnabled(bool enabled) = 0;

  // Answers to a plug-in's windows.
  virtual void PostReturnId(WindowRef window, int32_t type, uint32_t id) = 0;
  virtual void SendRfInfo(WindowRef window, uint32_t channel, uint32_t signal) = 0;
  virtual void SendDeviceRemove(WindowRef window) = 0;

  // Loads the plug-in, calls its entry once with the record and unloads it. False when the library
  // or its entry is missing: nothing was called then.
  virtual bool CallWizard(contract::WizardParams* record, int32_t* result) = 0;
  virtual bool CallManager(contract::TCorvilManagerParams* record, int32_t* result) = 0;
  virtual bool CallGauge(contract::GaugeParams* record, int32_t* result) = 0;
};

}  // namespace host
