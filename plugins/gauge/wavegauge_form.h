// The signal display's window: advice texts and a meter that shows the running average of the
// receiver's signal value, which the form keeps asking the host for.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "forms/forms.h"
#include "plugins/gauge/core/signal_average.h"

namespace gauge {

// What the entry returns: which way the display was closed.
enum GaugeResult : int32_t { kClosedByExit = 0, kClosedByClose = 3 };

inline constexpr wchar_t kFormCaption[] = L"FWavegauge";
inline constexpr wchar_t kSection[] = L"Wavegauge";

// Pause between an answer and the next request.
constexpr UINT kPollPauseMs = 20;

class TFWavegauge : public forms::Form {
 public:
  // `pluginFolder` and `formsRoot` end with a backslash.
  TFWavegauge(HWND owner, const std::wstring& textVariant, const std::wstring& pluginFolder,
              const std::wstring& formsRoot, uint16_t languageId);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 478, 388}};
  forms::Label lb_Title{*this, L"lb_Title", {23, 10, 356, 23}};
  forms::Label lb_AvoidInterferenceTitle{*this, L"lb_AvoidInterferenceTitle", {23, 55, 389, 13}};
  forms::Label lb_AvoidInterferenceNotes{*this, L"lb_AvoidInterferenceNotes", {23, 74, 412, 20}};
  forms::Label lb_InspectRSSITitle{*this, L"lb_InspectRSSITitle", {28, 101, 303, 13}};
  forms::Label lb_InspectRSSI{*this, L"lb_InspectRSSI", {28, 120, 303, 75}};
  forms::Label lb_SignalIntensity{*this, L"lb_SignalIntensity", {381, 125, 64, 12}};
  forms::Panel pl_RSSI{*this, L"pl_RSSI", {380, 149, 65, 22}};
  forms::Label lb_ImproveSuggestionTitle{*this, L"lb_ImproveSuggestionTitle", {28, 201, 83, 13}};
  forms::Label lb_Suggestion1{*this, L"lb_Suggestion1", {36, 226, 401, 43}};
  forms::Label lb_Suggestion2{*this, L"lb_Suggestion2", {36, 291, 401, 30}};
  forms::Button bt_Exit{*this, L"bt_Exit", {358, 350, 77, 27}};
  forms::Button bt_Close{*this, L"bt_Close", {447, 11, 20, 20}};
  forms::Timer Timer_ChannelSetting{*this, L"Timer_ChannelSetting", kPollPauseMs, false};

  uint16_t languageId = 0;
  std::wstring languageName;
  std::wstring textVariant;
  std::wstring pluginFolder;
  std::wstring formsRoot;
  HWND hostWindow = nullptr;
  int32_t* result = nullptr;  // the entry's result cell

  // <plug-in folder><language name>\<file>, else <plug-in folder>English\<file>, else "".
  std::wstring xCheckFile(const std::wstring& file) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RfInfoArrived(LPARAM signal);
  void DeviceRemoved();

  void FormCreate();
  void FormShow();
  void FormActivate();
  bool FormCloseQuery();
  void FormMouseDown(forms::MouseButton button, int x, int y);
  void Timer_ChannelSettingTimer();
  void bt_ExitClick();
  void bt_CloseClick();
  void SetResult(int32_t value);
  void ShowPanel(const PanelState& panel);

  SignalAverage signalAverage_;
  WNDPROC previousWindowProc_ = nullptr;
  UINT requestRfInfo_ = 0;
  UINT rfInfo_ = 0;
  UINT deviceRemove_ = 0;
  bool closing_ = false;  // answers that arrive while the form closes start no new request
};

}  // namespace gauge
