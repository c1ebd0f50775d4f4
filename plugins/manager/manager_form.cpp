#include "plugins/manager/manager_form.h"

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"
#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "skin/core/slot_table.h"
#include "skin/win32/shape_window.h"

namespace manager {
namespace {

// Static data of the plug-in: the window is shaped on its first activation after each load.
forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"CorvilManager";
constexpr wchar_t kLayoutFile[] = L"UI.txt";
constexpr wchar_t kActiveCountKey[] = L"SetActiveDeviceCount";
constexpr int kMouseFirstRowTop = 142;
constexpr int kKeyboardFirstRowTop = 308;
constexpr int kRowStep = 26;
constexpr COLORREF kText = RGB(30, 43, 56);
constexpr COLORREF kHeading = RGB(23, 84, 138);

// Skin tags: check box slot 5; Remove (slot 25), OK (1), Cancel (2), close (3) and the radios (12)
// in plain fill, copied then shaped.
constexpr int kCheckTag = 5;
constexpr int kRemoveTag = 22025;
constexpr int kRadioTag = 22012;
constexpr int kComboTag = 6;

std::wstring Numbered(const wchar_t* stem, int n) { return stem + std::to_wstring(n); }

// ".\<language>\<file>", else ".\English\<file>", else "".
std::wstring BitmapPath(const std::wstring& languageName, const std::wstring& file) {
  for (const std::wstring& folder : {languageName, std::wstring(framework::kEnglish)}) {
    const std::wstring path = L".\\" + folder + L"\\" + file;
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

}  // namespace

TFCorvilManager::TFCorvilManager(HWND owner, uint16_t languageId, const std::wstring& text,
                                 const std::wstring& formsRoot, const std::wstring& pluginFolder)
    : Form(L"FCorvilManager", owner),
      languageId_(languageId == 0 ? GetUserDefaultLangID() : languageId),
      text_(text),
      formsRoot_(formsRoot),
      pluginFolder_(pluginFolder),
      dialogs_(languageId_, formsRoot, pluginFolder) {
  SetSize(549, 557);
  SetFont({L"Tahoma", 13, false, kText});
  for (int n = 1; n <= 7; ++n) {
    lb_Notes_[n - 1] = std::make_unique<forms::Label>(*this, Numbered(L"lb_Notes_", n), forms::Bounds{84, 110, 0, 0});
  }
  BuildRows();

  lb_Title.SetFont({L"Tahoma", 16, true, RGB(255, 255, 255)});
  lb_ProgramTitle.SetFont({L"Tahoma", 14, true, kHeading});
  lb_Notes.SetAutoSize(false);
  lb_Notes.SetWordWrap(true);
  lb_Notes2.SetAutoSize(false);
  lb_Notes2.SetWordWrap(true);
  for (forms::Label* heading : {&lb_PenColor, &lb_MouseStatus, &lb_MouseRemoveID, &lb_MouseID, &lb_MouseName,
                                &lb_KeyboardStatus, &lb_KeyboardRemoveID, &lb_KeyboardID, &lb_KeyboardName,
                                &lb_DisplayMouseNameType}) {
    // Regular weight: the longest headings (Russian, Turkish) then fit their columns.
    heading->SetFont({L"Tahoma", 13, false, kHeading});
  }
  bt_Close.SetTag(22003);
  bt_OK.SetTag(22001);
  bt_Cancel.SetTag(22002);
  rb_DisplayMouseText.SetTag(kRadioTag);
  rb_DisplayColorCircle.SetTag(kRadioTag);
  rb_Undisplay.SetTag(kRadioTag);
  cb_Dongle.SetTag(kComboTag);
  for (forms::Control* hidden : std::initializer_list<forms::Control*>{
           &cb_Dongle, &lb_DongleName, &ed_DeviceName, &lb_NoDeviceString, &lb_ActivateDevice}) {
    hidden->SetVisible(false);
  }

  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  const auto drag = [this](forms::MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
  OnMouseDown = drag;
  for (forms::Control* dragger : std::initializer_list<forms::Control*>{
           &im_BackgroundImage, &im_Totem, &im_Poetry, &lb_Title, &lb_ProgramTitle, &lb_Notes, &lb_Notes2,
           &lb_PenColor, &lb_MouseStatus, &lb_MouseRemoveID, &lb_MouseID, &lb_MouseName, &lb_KeyboardStatus,
           &lb_KeyboardRemoveID, &lb_KeyboardID, &lb_KeyboardName, &lb_DisplayMouseNameType}) {
    dragger->OnMouseDown = drag;
  }
  bt_OK.OnClick = [this] { Act([](ManagerModel& m) { m.Ok(); }); };
  bt_Cancel.OnClick = [this] { Act([](ManagerModel& m) { m.Cancel(); }); };
  bt_Close.OnClick = [this] { Act([](ManagerModel& m) { m.Cancel(); }); };
  for (forms::RadioButton* radio : {&rb_DisplayMouseText, &rb_DisplayColorCircle, &rb_Undisplay}) {
    radio->OnClick = [this] { rb_DisplayMouseTextClick(); };
  }
  const auto radioLabel = [this](forms::RadioButton& radio) {
    return [this, &radio](forms::MouseButton button, int, int) {
      if (button != forms::MouseButton::kLeft) return;
      radio.SetChecked(true);
      rb_DisplayMouseTextClick();
    };
  };
  lb_DisplayMouseText.OnMouseDown = radioLabel(rb_DisplayMouseText);
  lb_DisplayColorCircle.OnMouseDown = radioLabel(rb_DisplayColorCircle);
  lb_Undisplay.OnMouseDown = radioLabel(rb_Undisplay);
  cb_Dongle.OnChange = [this] { Act([this](ManagerModel& m) { m.ReceiverChosen(cb_Dongle.ItemIndex()); }); };

  languageName_ = framework::LanguageNameFor(languageId_, GetUserDefaultLangID());
  const std::wstring background = BitmapPath(languageName_, L"CorvilManager_Background.bmp");
  if (!background.empty()) im_BackgroundImage.LoadFromFile(background);
  const std::wstring totem = BitmapPath(languageName_, L"LogoTotem.bmp");
  if (!totem.empty()) im_Totem.LoadFromFile(totem);
  const std::wstring poetry = BitmapPath(languageName_, L"Poetry.bmp");
  if (!poetry.empty()) im_Poetry.LoadFromFile(poetry);

  framework::ApplyFormTexts(*this, {languageName_, kSection, text_, formsRoot_, L".\\", kLayoutFile});
  skin_ = std::make_unique<skin::Lustrea>(Handle(), languageId_, skin::ManagerSlotTable());
  skin_->SetSharedFolder(skin::kSharedSkinFolder);  // the skin pictures the forms share
}

TFCorvilManager::~TFCorvilManager() = default;

void TFCorvilManager::BuildRows() {
  for (Kind kind : {Kind::kMouse, Kind::kKeyboard}) {
    const bool mouse = kind == Kind::kMouse;
    const std::wstring device = mouse ? L"Mouse" : L"Keyboard";
    for (int slot = 1; slot <= kSlots; ++slot) {
      SlotControls& row = Row(kind, slot);
      const int top = (mouse ? kMouseFirstRowTop : kKeyboardFirstRowTop) + (slot - 1) * kRowStep;
      if (mouse) row.pen = std::make_unique<forms::Label>(*this, Numbered(L"lb_MousePen", slot), forms::Bounds{30, top + 1, 26, 16});
      row.enable = std::make_unique<forms::CheckBox>(*this, Numbered((L"ck_" + device + L"Enable").c_str(), slot),
                                                     forms::Bounds{104, top + 2, 13, 13});
      row.enable->SetTag(kCheckTag);
      row.activate = std::make_unique<forms::Label>(*this, Numbered((L"lb_" + device + L"Activate").c_str(), slot),
                                                    forms::Bounds{121, top + 1, 53, 16});
      row.remove = std::make_unique<forms::Button>(*this, Numbered((L"bt_" + device + L"Remove").c_str(), slot),
                                                   forms::Bounds{178, top - 1, 64, 20});
      row.remove->SetTag(kRemoveTag);
      row.id = std::make_unique<forms::Label>(*this, Numbered((L"lb_" + device + L"ID").c_str(), slot),
                                              forms::Bounds{250, top + 1, 96, 16});
      row.name = std::make_unique<forms::Label>(*this, Numbered((L"lb_" + device + L"Name").c_str(), slot),
                                                forms::Bounds{350, top, 184, 18});
      row.name->SetAutoSize(false);  // an empty name can still be clicked
      row.activate->OnMouseDown = [this](forms::MouseButton b, int x, int y) { FormMouseDown(b, x, y); };
      row.id->OnMouseDown = row.activate->OnMouseDown;
      if (row.pen) row.pen->OnMouseDown = row.activate->OnMouseDown;
      row.enable->OnClick = [this, kind, slot] {
        const bool checked = Row(kind, slot).enable->Checked();
        Act([kind, slot, checked](ManagerModel& m) {
          if (kind == Kind::kMouse) {
            m.MouseBoxClicked(slot, checked);
          } else {
            m.KeyboardBoxClicked(slot, checked);
          }
        });
      };
      row.remove->OnClick = [this, kind, slot] { Act([kind, slot](ManagerModel& m) { m.RemoveClicked(kind, slot); }); };
      row.name->OnMouseDown = [this, kind, slot](forms::MouseButton button, int, int) {
        if (button == forms::MouseButton::kLeft) Act([kind, slot](ManagerModel& m) { m.NameClicked(kind, slot); });
      };
    }
  }
  for (SlotControls& row : keyboardRows) row.enable->SetVisible(false);  // shown by Display
}

void TFCorvilManager::Attach(contract::TCorvilManagerParams* params, int32_t* result) {
  params_ = params;
  result_ = result;
}

void TFCorvilManager::FormCreate() {
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  SetExStyle(ToolWindowStyle(forms::Application::MainFormExStyle()));
  cb_Dongle.Clear();
  cb_Dongle.SetText(L"");
  skin_->Active();
}

ManagerTexts TFCorvilManager::Texts() const {
  const std::wstring section = framework::ResolveSection(kSection, text_);
  ManagerTexts texts;
  if (!lb_NoDeviceString.Caption().empty()) texts.noDevice = lb_NoDeviceString.Caption();
  if (!lb_ActivateDevice.Caption().empty()) texts.present = lb_ActivateDevice.Caption();
  const std::wstring unread = framework::GetText(section, L"SlotNotReadString");
  if (!unread.empty()) texts.unreadSlot = unread;
  texts.mouseAtLeastOne = framework::GetText(section, L"MouseAtLeastOneMessage");
  texts.keyboardDisableYesNo = framework::GetText(section, L"KeyboardDisableYesNo");
  texts.mouseRemoveYesNo = framework::GetText(section, L"MouseRemoveYesNo");
  texts.keyboardRemoveYesNo = framework::GetText(section, L"KeyboardRemoveYesNo");
  texts.inputDeviceName = framework::GetText(section, L"InputDeviceName");
  return texts;
}

int TFCorvilManager::ReadActiveDeviceCount() const {
  const framework::IniFile layout = framework::IniFile::Open(pluginFolder_ + kLayoutFile);
  std::wstring value = layout.ReadString(languageName_, kActiveCountKey, framework::kMissingValue);
  if (value == framework::kMissingValue) value = layout.ReadString(framework::kEnglish, kActiveCountKey, framework::kMissingValue);
  return ActiveDeviceCount(value == framework::kMissingValue ? nullptr : &value);
}

void TFCorvilManager::FormShow() {
  if (params_ == nullptr) return;
  activeCount_ = ReadActiveDeviceCount();
  for (Kind kind : {Kind::kMouse, Kind::kKeyboard}) {
    for (int slot = 1; slot <= kSlots; ++slot) {
      const bool shown = slot <= activeCount_;
      SlotControls& row = Row(kind, slot);
      for (forms::Control* control : std::initializer_list<forms::Control*>{
               row.pen.get(), row.enable.get(), row.activate.get(), row.remove.get(), row.id.get(), row.name.get()}) {
        if (control != nullptr) control->SetVisible(shown);
      }
    }
  }
  SelectDisplayRadio(params_->displayMode);

  ManagerPorts ports;
  ports.insert = [this](contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted) {
    return SendInsert(accepted, wanted);
  };
  ports.inform = [this](const std::wstring& text) { dialogs_.Inform(text); };
  ports.ask = [this](const std::wstring& question) { return dialogs_.Ask(question); };
  ports.edit = [this](const std::wstring& prompt, std::wstring* text, int maxLength) {
    return dialogs_.Edit(prompt, text, maxLength);
  };
  ports.show = [this](const Rows&) {
    ApplyRows();
    // Painted now: the host's work or a message box would otherwise keep the old rows on screen.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  model_ = std::make_unique<ManagerModel>(params_, ports, Texts(), activeCount_);
  const std::wstring prefix = framework::GetText(framework::ResolveSection(kSection, text_), L"DongleString");
  for (int i = 1; i <= model_->ReceiverCount(); ++i) cb_Dongle.AddItem(prefix + std::to_wstring(i));
  cb_Dongle.SetItemIndex(model_->SelectedReceiver());
  model_->Show();
  ApplyRows();
}

void TFCorvilManager::SelectDisplayRadio(int32_t mode) {
  if (mode == contract::kMarkNothing) rb_Undisplay.SetChecked(true);
  if (mode == contract::kShowMouseNames) rb_DisplayMouseText.SetChecked(true);
  if (mode == contract::kShowMouseColours) rb_DisplayColorCircle.SetChecked(true);
}

void TFCorvilManager::ApplyRows() {
  if (!model_) return;
  const Rows& rows = model_->CurrentRows();
  for (Kind kind : {Kind::kMouse, Kind::kKeyboard}) {
    for (int slot = 1; slot <= kSlots; ++slot) {
      const SlotRow& state = rows.Of(kind)[slot - 1];
      SlotControls& row = Row(kind, slot);
      const bool shownRow = slot <= activeCount_;
      row.enable->SetChecked(state.checked);
      row.enable->SetVisible(shownRow && state.boxVisible);
      row.activate->SetCaption(state.status);
      row.activate->SetVisible(shownRow && state.statusVisible);
      row.remove->SetVisible(shownRow && state.removeVisible);
      row.id->SetCaption(state.id);
      row.name->SetCaption(state.name);
      row.name->SetVisible(shownRow && state.nameVisible);
    }
  }
}

int32_t TFCorvilManager::SendInsert(contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted) {
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  // Let the window paint what changed before the host works; input waits until the host answered.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&message);
  HWND host = contract::FromWindowField<HWND>(params_->head.hostWindow);
  const UINT insert = RegisterWindowMessageW(contract::kManagerInsert);
  const LRESULT answer = SendMessageA(host, insert, reinterpret_cast<WPARAM>(accepted), reinterpret_cast<LPARAM>(wanted));
  SetCursor(previous != nullptr ? previous : LoadCursorW(nullptr, IDC_ARROW));
  return static_cast<int32_t>(answer);
}

template <typename Action>
void TFCorvilManager::Act(Action action) {
  if (!model_ || !model_->Shown() || model_->CloseRequested()) return;
  action(*model_);
  SelectDisplayRadio(model_->DisplayMode());
  ApplyRows();
  if (model_->CloseRequested()) {
    if (result_ != nullptr) *result_ = model_->Result();
    Close();
  }
}

void TFCorvilManager::rb_DisplayMouseTextClick() {
  int32_t mode = contract::kMarkNothing;
  if (rb_DisplayMouseText.Checked()) mode = contract::kShowMouseNames;
  if (rb_DisplayColorCircle.Checked()) mode = contract::kShowMouseColours;
  Act([mode](ManagerModel& m) {
    if (mode != m.DisplayMode()) m.DisplayModeChosen(mode);
  });
}

void TFCorvilManager::FormActivate() {
  if (firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TFCorvilManager::FormMouseDown(forms::MouseButton button, int, int) {
  if (button == forms::MouseButton::kLeft) forms::DragWindow(Handle());
}

bool TFCorvilManager::FormCloseQuery() {
  framework::FreeLanguage();
  return true;
}

}  // namespace manager
