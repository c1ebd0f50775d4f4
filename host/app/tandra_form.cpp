#include "host/app/tandra_form.h"

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"
#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "framework/win32/plugin_library.h"
#include "host/main/host_texts.h"
#include "userfiles/win32/win32_user_files.h"
#include "host/win32/device_library_win32.h"
#include "skin/win32/shape_window.h"

namespace hostapp {
namespace {

// The main window is shaped on its first activation in the process.
forms::FirstActivation firstActivation;

constexpr wchar_t kHostFolderName[] = L"CorvilMaintain\\";
constexpr wchar_t kFormsBelowProgram[] = L"Data\\Tandra_Technology\\Forms\\";
constexpr wchar_t kLayoutFile[] = L"UI_Main.txt";
constexpr wchar_t kBackgroundFile[] = L"CorvilMain_Background.bmp";
constexpr wchar_t kIconFile[] = L"Application.ico";
// Posted to the window once it shows: settle a page rewrite left unfinished by an earlier run.
constexpr UINT kSettleJournalMessage = WM_APP + 0x47;

constexpr int kCloseTag = 22003;
constexpr int kNewPairingTag = 22023;
constexpr int kManagerTag = 22022;
constexpr int kGaugeTag = 22028;

// The plug-in's entry runs on this thread with the record; nothing may unwind out of it, and a
// missing library or entry is not called.
template <typename Proc, typename Record>
bool CallEntry(const std::wstring& formsRoot, const wchar_t* library, const char* entry,
               Record* record, int32_t* result) {
  return framework::CallPluginOnce<Proc>(formsRoot + library, entry, result, record);
}

}  // namespace

HostFolders FoldersOfProgram(const std::wstring& programFolder) {
  HostFolders folders;
  folders.programFolder = programFolder;
  folders.formsRoot = programFolder + kFormsBelowProgram;
  folders.hostFolder = folders.formsRoot + kHostFolderName;
  return folders;
}

TTandraTechnology::TTandraTechnology(const HostFolders& folders, uint16_t languageId)
    : Form(L"TandraTechnology"), folders_(folders), languageId_(languageId) {
  SetUpComponents();
  languageName_ = framework::LanguageNameFromId(languageId_);

  const host::RequestMessages requests{
      RegisterWindowMessageW(contract::kPairStart), RegisterWindowMessageW(contract::kPairGetId),
      RegisterWindowMessageW(contract::kPairStop), RegisterWindowMessageW(contract::kManagerInsert),
      RegisterWindowMessageW(contract::kRequestRfInfo)};
  returnIdMessage_ = RegisterWindowMessageW(contract::kPairReturnId);
  rfInfoMessage_ = RegisterWindowMessageW(contract::kRfInfo);
  deviceRemoveMessage_ = RegisterWindowMessageW(contract::kDeviceRemove);
  controller_ = std::make_unique<host::HostController>(host::HostDeviceLibrary(), *this, requests,
                                                       languageId_);
  controller_->SetHostWindow(reinterpret_cast<host::WindowRef>(Handle()));
  controller_->SetNameStore(userfiles::Win32FileOps(), userfiles::UserFolder(L"Tandra"));
  controller_->SetJournalStore(userfiles::Win32FileOps(), userfiles::UserFolder(L"Tandra"));
  OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return FormMessage(message, wParam, lParam, result);
  };

  // Files of the host folder are found relative to it, as the skin library expects.
  SetCurrentDirectoryW(folders_.hostFolder.c_str());
  const std::wstring background = LookupFormFile(kBackgroundFile);
  if (!background.empty()) im_BackgroundImage.LoadFromFile(background);
  LoadIcon();
  framework::ApplyFormTexts(*this, {languageName_, host::kMainSection, L"", folders_.formsRoot,
                                    folders_.hostFolder, kLayoutFile});
  SetCaption(lb_Title.Caption());
  LoadVersion();

  skin_.Load(folders_.formsRoot);
  skin_.NewSkin(Handle(), languageId_);
}

TTandraTechnology::~TTandraTechnology() {
  if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

void TTandraTechnology::SetUpComponents() {
  SetSize(406, 375);
  SetFont({L"Tahoma", 11, false, RGB(0, 0, 0)});
  for (forms::Label* label : {&lb_Title, &lb_ProgramTitle, &lb_ForMeeting, &lb_ForMeetingNotes,
                              &lb_ForLife, &lb_ForLifeNotes, &lb_Version}) {
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetTransparent(true);
  }
  lb_Title.SetFont({L"Tahoma", 15, true, RGB(0, 0, 0)});
  lb_ProgramTitle.SetFont({L"Tahoma", 12, false, RGB(0, 0, 0)});
  lb_ForMeeting.SetFont({L"Tahoma", 12, true, RGB(0, 0, 0)});
  lb_ForMeetingNotes.SetFont({L"Tahoma", 11, false, RGB(0, 0, 0)});
  lb_ForLife.SetFont({L"Tahoma", 12, true, RGB(0, 0, 0)});
  lb_ForLifeNotes.SetFont({L"Tahoma", 11, false, RGB(0, 0, 0)});
  lb_Version.SetFont({L"Tahoma", 12, false, RGB(0, 0, 0)});
  im_Totem.SetAutoSize(false);

  bt_Close.SetTag(kCloseTag);
  bt_NewCorvilProcess.SetTag(kNewPairingTag);
  bt_OpenCorvilManager.SetTag(kManagerTag);
  bt_OpenWavegauge.SetTag(kGaugeTag);

  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  const auto mouseDown = [this](forms::MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
  OnMouseDown = mouseDown;
  for (forms::Control* control :
       std::initializer_list<forms::Control*>{&im_BackgroundImage, &im_Totem, &lb_Title, &lb_ProgramTitle,
                                              &lb_ForMeeting, &lb_ForMeetingNotes, &lb_ForLife,
                                              &lb_ForLifeNotes, &lb_Version}) {
    control->OnMouseDown = mouseDown;
  }
  bt_Close.OnClick = [this] { Close(); };
  bt_NewCorvilProcess.OnClick = [this] { controller_->NewPairing(); };
  bt_OpenCorvilManager.OnClick = [this] { controller_->OpenManager(); };
  bt_OpenWavegauge.OnClick = [this] { controller_->OpenSignalDisplay(); };
}

std::wstring TTandraTechnology::LookupFormFile(const std::wstring& file) const {
  for (const std::wstring& folder : {languageName_, std::wstring(framework::kEnglish)}) {
    const std::wstring path = folders_.hostFolder + folder + L"\\" + file;
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

void TTandraTechnology::LoadIcon() {
  const std::wstring path = LookupFormFile(kIconFile);
  if (path.empty()) return;
  bigIcon_ = static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE));
  smallIcon_ = static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
  if (bigIcon_ != nullptr) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  if (smallIcon_ != nullptr) SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void TTandraTechnology::LoadVersion() {
  lb_Version.SetCaption(L"");
  const framework::IniFile layout = framework::IniFile::Open(folders_.hostFolder + kLayoutFile);
  if (!layout.Exists()) return;
  const std::wstring version = layout.ReadString(framework::kEnglish, L"Version", framework::kMissingValue);
  if (version != framework::kMissingValue) lb_Version.SetCaption(version);
}

void TTandraTechnology::FormCreate() {
  // The picture's size, or without one the image's own bounds: never the design size of the form,
  // which leaves a grey margin around the controls.
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  skin_.Activate();
  host::BindDeviceLibrary(Handle());
}

void TTandraTechnology::FormActivate() {
  if (!firstActivation.Take()) return;
  skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
  // Once the window shows: a page rewrite that an earlier run left unfinished is completed first.
  PostMessageW(Handle(), kSettleJournalMessage, 0, 0);
}

void TTandraTechnology::FormMouseDown(forms::MouseButton button, int, int) {
  if (button == forms::MouseButton::kLeft) forms::DragWindow(Handle());
}

bool TTandraTechnology::FormCloseQuery() {
  forms::Application::ProcessMessages();
  host::ReleaseDeviceLibrary();
  framework::FreeLanguage();
  return true;
}

bool TTandraTechnology::FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == kSettleJournalMessage) {
    controller_->SettleAtStart();
    return true;
  }
  intptr_t reply = 0;
  if (!controller_->HandleMessage(message, wParam, lParam, &reply)) return false;
  *result = static_cast<LRESULT>(reply);
  return true;
}

std::wstring TTandraTechnology::Text(const std::wstring& key) {
  return framework::GetText(host::kMainSection, key);
}

void TTandraTechnology::ShowMessage(const std::wstring& text) {
  int32_t ignored = 0;
  framework::CallPluginOnce<contract::ReturnAckboxProc>(
      folders_.formsRoot + contract::kAckboxLibrary, contract::kReturnAckbox, &ignored,
      static_cast<uint32_t>(languageId_), text.c_str(), static_cast<uint32_t>(0));
  // The dialog makes its own folder current; the host's files are found from the host folder.
  SetCurrentDirectoryW(folders_.hostFolder.c_str());
}

void TTandraTechnology::CloseMainWindow() { Close(); }

void TTandraTechnology::ProcessMessages() { forms::Application::ProcessMessages(); }

void TTandraTechnology::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

void TTandraTechnology::SetPairingButtonsEnabled(bool enabled) {
  bt_NewCorvilProcess.SetEnabled(enabled);
  bt_OpenCorvilManager.SetEnabled(enabled);
}

void TTandraTechnology::PostReturnId(host::WindowRef window, int32_t type, uint32_t id) {
  PostMessageW(reinterpret_cast<HWND>(window), returnIdMessage_,
               static_cast<WPARAM>(static_cast<intptr_t>(type)), static_cast<LPARAM>(id));
}

void TTandraTechnology::SendRfInfo(host::WindowRef window, uint32_t channel, uint32_t signal) {
  SendMessageW(reinterpret_cast<HWND>(window), rfInfoMessage_, channel, signal);
}

void TTandraTechnology::SendDeviceRemove(host::WindowRef window) {
  SendMessageW(reinterpret_cast<HWND>(window), deviceRemoveMessage_, 0, 0);
}

bool TTandraTechnology::CallWizard(contract::WizardParams* record, int32_t* result) {
  const bool called = CallEntry<contract::ReturnCorvilFormProc>(
      folders_.formsRoot, contract::kWizardLibrary, contract::kReturnCorvilForm, record, result);
  SetCurrentDirectoryW(folders_.hostFolder.c_str());
  return called;
}

bool TTandraTechnology::CallManager(contract::TCorvilManagerParams* record, int32_t* result) {
  const bool called = CallEntry<contract::ReturnCorvilManagerProc>(
      folders_.formsRoot, contract::kManagerLibrary, contract::kReturnCorvilManager, record, result);
  SetCurrentDirectoryW(folders_.hostFolder.c_str());
  return called;
}

bool TTandraTechnology::CallGauge(contract::GaugeParams* record, int32_t* result) {
  const bool called = CallEntry<contract::ReturnWavegaugeProc>(
      folders_.formsRoot, contract::kGaugeLibrary, contract::kReturnWavegauge, record, result);
  SetCurrentDirectoryW(folders_.hostFolder.c_str());
  return called;
}

}  // namespace hostapp
