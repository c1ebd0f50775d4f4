// The host's main window: three large buttons that open the pairing wizard, the paired-device
// manager and the signal display, and the window procedure that answers the plug-ins' requests.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "framework/win32/skin_library.h"
#include "host/main/host_controller.h"
#include "host/main/host_view.h"

namespace hostapp {

// Where the host finds its files; every path is a full path with a trailing backslash.
struct HostFolders {
  std::wstring programFolder;  // the folder of Tandra_Technology.exe
  std::wstring formsRoot;      // Data\Tandra_Technology\Forms below the program folder
  std::wstring hostFolder;     // CorvilMaintain below the forms root
};
HostFolders FoldersOfProgram(const std::wstring& programFolder);

class TTandraTechnology : public forms::Form, public host::HostView {
 public:
  TTandraTechnology(const HostFolders& folders, uint16_t languageId);
  ~TTandraTechnology() override;

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 375, 345}};
  forms::Label lb_Title{*this, L"lb_Title", {28, 15, 147, 18}, L"lb_Title"};
  forms::Image im_Totem{*this, L"im_Totem", {182, 8, 20, 20}};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {208, 9, 131, 18}};
  forms::Label lb_ForMeeting{*this, L"lb_ForMeeting", {20, 36, 321, 18}};
  forms::Label lb_ForMeetingNotes{*this, L"lb_ForMeetingNotes", {20, 54, 335, 55}};
  forms::Label lb_ForLife{*this, L"lb_ForLife", {20, 111, 321, 18}};
  forms::Label lb_ForLifeNotes{*this, L"lb_ForLifeNotes", {20, 129, 335, 58}};
  forms::Label lb_Version{*this, L"lb_Version", {8, 327, 131, 18}, L"Version"};
  forms::Button bt_Close{*this, L"bt_Close", {345, 5, 20, 20}};
  forms::Button bt_NewCorvilProcess{*this, L"bt_NewCorvilProcess", {8, 232, 132, 33}};
  forms::Button bt_OpenCorvilManager{*this, L"bt_OpenCorvilManager", {7, 271, 133, 33}};
  forms::Button bt_OpenWavegauge{*this, L"bt_OpenWavegauge", {209, 271, 132, 33}};

  // ".\<language>\<file>" of the host folder, else the English one, else "" (full paths).
  std::wstring LookupFormFile(const std::wstring& file) const;
  host::HostController& Controller() { return *controller_; }

  // HostView
  std::wstring Text(const std::wstring& key) override;
  void ShowMessage(const std::wstring& text) override;
  void CloseMainWindow() override;
  void ProcessMessages() override;
  void Sleep(uint32_t milliseconds) override;
  void SetPairingButtonsEnabled(bool enabled) override;
  void PostReturnId(host::WindowRef window, int32_t type, uint32_t id) override;
  void SendRfInfo(host::WindowRef window, uint32_t channel, uint32_t signal) override;
  void SendDeviceRemove(host::WindowRef window) override;
  bool CallWizard(contract::WizardParams* record, int32_t* result) override;
  bool CallManager(contract::TCorvilManagerParams* record, int32_t* result) override;
  bool CallGauge(contract::GaugeParams* record, int32_t* result) override;

 private:
  void SetUpComponents();
  void LoadVersion();
  void LoadIcon();
  void FormCreate();
  void FormActivate();
  void FormMouseDown(forms::MouseButton button, int x, int y);
  bool FormCloseQuery();
  bool FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HostFolders folders_;
  uint16_t languageId_;
  std::wstring languageName_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  framework::SkinLibrary skin_;
  std::unique_ptr<host::HostController> controller_;
  UINT returnIdMessage_ = 0;
  UINT rfInfoMessage_ = 0;
  UINT deviceRemoveMessage_ = 0;
};

}  // namespace hostapp
