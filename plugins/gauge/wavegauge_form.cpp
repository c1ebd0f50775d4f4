#include "plugins/gauge/wavegauge_form.h"

#include "framework/core/file_io.h"
#include "framework/core/language.h"
#include "framework/core/plugin_contract.h"
#include "framework/win32/apply_form_texts.h"
#include "framework/win32/skin_library.h"
#include "skin/win32/shape_window.h"

namespace gauge {
namespace {

// Shaped on the first activation after each load of the library.
forms::FirstActivation firstActivation;

// Lustrea.dll, loaded by full path on the first form and kept: skinned windows run code inside it.
framework::SkinLibrary skinLibrary;

constexpr wchar_t kLayoutFile[] = L"UI.txt";
constexpr wchar_t kBackgroundFile[] = L"Wavegauge_Background.bmp";
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMeterRed = RGB(220, 0, 0);
constexpr int kTextHeight = 11;   // Tahoma 8 pt
constexpr int kTitleHeight = 16;  // 12 pt

}  // namespace

TFWavegauge::TFWavegauge(HWND owner, const std::wstring& variant, const std::wstring& folder,
                         const std::wstring& root, uint16_t id)
    : Form(kFormCaption, owner), signalAverage_(LibraryAveragingWindow()) {
  SetSize(510, 424);
  requestRfInfo_ = RegisterWindowMessageW(contract::kRequestRfInfo);
  rfInfo_ = RegisterWindowMessageW(contract::kRfInfo);
  deviceRemove_ = RegisterWindowMessageW(contract::kDeviceRemove);
  // The host answers through this window; everything else goes on to the forms layer.
  previousWindowProc_ = ReplaceWindowProc(&TFWavegauge::WindowProc);

  const forms::Font text{L"Tahoma", kTextHeight, false, kWhite};
  forms::Font bold = text;
  bold.bold = true;
  forms::Font title = bold;
  title.height = kTitleHeight;
  for (forms::Label* label : {&lb_Title, &lb_AvoidInterferenceTitle, &lb_AvoidInterferenceNotes,
                              &lb_InspectRSSITitle, &lb_InspectRSSI, &lb_SignalIntensity,
                              &lb_ImproveSuggestionTitle, &lb_Suggestion1, &lb_Suggestion2}) {
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetFont(text);
  }
  lb_Title.SetFont(title);
  lb_SignalIntensity.SetAlignment(forms::Alignment::kCenter);  // over the meter
  for (forms::Label* label : {&lb_AvoidInterferenceTitle, &lb_InspectRSSITitle, &lb_ImproveSuggestionTitle}) {
    label->SetFont(bold);
  }
  lb_Title.SetCaption(L"Find the best wireless signal strength");
  lb_AvoidInterferenceTitle.SetCaption(L"Find and avoid radio interference");
  lb_InspectRSSITitle.SetCaption(L"Check the received signal strength:");
  lb_SignalIntensity.SetCaption(L"Signal meter");
  lb_ImproveSuggestionTitle.SetCaption(L"Suggestions:");

  // The meter: a flat white box with the number in red, bold enough to read at a glance.
  pl_RSSI.SetFlat(true);
  pl_RSSI.SetColor(GetSysColor(COLOR_WINDOW));
  pl_RSSI.SetFont({L"Tahoma", 15, true, kMeterRed});

  bt_Exit.SetTag(22024);
  bt_Close.SetTag(22003);

  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  const auto mouseDown = [this](forms::MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
  OnMouseDown = mouseDown;
  im_BackgroundImage.OnMouseDown = mouseDown;
  for (forms::Label* label : {&lb_Title, &lb_AvoidInterferenceTitle, &lb_AvoidInterferenceNotes,
                              &lb_InspectRSSITitle, &lb_InspectRSSI, &lb_SignalIntensity,
                              &lb_ImproveSuggestionTitle, &lb_Suggestion1, &lb_Suggestion2}) {
    label->OnMouseDown = mouseDown;
  }
  bt_Exit.OnClick = [this] { bt_ExitClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };
  Timer_ChannelSetting.OnTimer = [this] { Timer_ChannelSettingTimer(); };

  languageId = id;
  formsRoot = root;
  pluginFolder = folder;
  textVariant = variant;
  languageName = framework::LanguageNameFor(languageId, GetUserDefaultLangID());

  const std::wstring background = xCheckFile(kBackgroundFile);
  if (!background.empty()) im_BackgroundImage.LoadFromFile(background);

  framework::ApplyFormTexts(*this, {languageName, kSection, textVariant, formsRoot, pluginFolder, kLayoutFile});

  pl_RSSI.SetCaption(L"");
  skinLibrary.Load(formsRoot);
  skinLibrary.NewSkin(Handle(), languageId);
}

std::wstring TFWavegauge::xCheckFile(const std::wstring& file) const {
  for (const std::wstring& folder : {languageName, std::wstring(framework::kEnglish)}) {
    const std::wstring path = pluginFolder + folder + L"\\" + file;
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

LRESULT CALLBACK TFWavegauge::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = static_cast<TFWavegauge*>(forms::Form::FromHandle(hwnd));
  if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT TFWavegauge::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Handlers run inside the host's send: nothing may unwind into it.
  try {
    if (message == rfInfo_) {
      RfInfoArrived(lParam);  // wParam, the radio channel, is not shown
      return 0;
    }
    if (message == deviceRemove_) {
      DeviceRemoved();
      return 0;
    }
  } catch (...) {
    forms::Application::HandleCurrentException();
    return 0;
  }
  return CallWindowProcW(previousWindowProc_, Handle(), message, wParam, lParam);
}

void TFWavegauge::RfInfoArrived(LPARAM signal) {
  ShowPanel(signalAverage_.AddAnswer(static_cast<int32_t>(signal)));
  if (closing_) return;
  Timer_ChannelSetting.SetInterval(kPollPauseMs);
  Timer_ChannelSetting.SetEnabled(true);
}

void TFWavegauge::DeviceRemoved() { bt_ExitClick(); }

void TFWavegauge::ShowPanel(const PanelState& panel) {
  if (!panel.visible) {
    pl_RSSI.SetVisible(false);
    return;
  }
  pl_RSSI.SetCaption(panel.text);
  pl_RSSI.SetVisible(true);
}

void TFWavegauge::FormCreate() {
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  SetExStyle(ToolWindowStyle(forms::Application::MainFormExStyle()));
  skinLibrary.Activate();
}

void TFWavegauge::FormShow() {
  // The first request leaves one pause after the form appears.
  Timer_ChannelSetting.SetInterval(kPollPauseMs);
  Timer_ChannelSetting.SetEnabled(true);
}

void TFWavegauge::FormActivate() {
  if (firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TFWavegauge::FormMouseDown(forms::MouseButton button, int, int) {
  if (button == forms::MouseButton::kLeft) forms::DragWindow(Handle());
}

void TFWavegauge::Timer_ChannelSettingTimer() {
  // Off until the answer: never more than one request outstanding. A host that never answers
  // leaves the meter at its last value; the buttons still close the form.
  Timer_ChannelSetting.SetEnabled(false);
  if (closing_) return;
  PostMessageW(hostWindow, requestRfInfo_, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TFWavegauge::bt_ExitClick() {
  SetResult(kClosedByExit);
  Close();
}

void TFWavegauge::bt_CloseClick() {
  SetResult(kClosedByClose);
  Close();
}

bool TFWavegauge::FormCloseQuery() {
  closing_ = true;
  Timer_ChannelSetting.SetEnabled(false);
  framework::FreeLanguage();
  return true;
}

void TFWavegauge::SetResult(int32_t value) {
  if (result != nullptr) *result = value;
}

}  // namespace gauge
