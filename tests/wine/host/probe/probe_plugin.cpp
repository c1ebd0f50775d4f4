// A stand-in plug-in for the host's end-to-end tests: it takes the host's records like the real
// wizard, manager and signal display do, sends the host's requests, and writes what it was given and
// what came back into probe.log beside itself. probe.ini beside it says what to do:
//   [Probe]
//   Results=1001,1  the wizard's results, one per call, the last repeated (Result= for the others)
//   Pair=1          wizard: AM_PAIR_START, polls until a device or Polls, AM_PAIR_STOP
//   Polls=20
//   Insert=1        manager: disables mouse slot 0 (bit 23) and sends AM_CorvilManager_Insert
//   RfRequests=3    signal display: requests until this many answers or AM_DEVICE_REMOVE
//   WatchHost=1     signal display: stays loaded and hooks the host's main window from above, the
//                   way the skin library does, logging whether the window's last message reaches it
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdarg>
#include <cwchar>
#include <string>

#include "framework/core/plugin_contract.h"

namespace {

HMODULE self = nullptr;

std::wstring Folder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

int Setting(const wchar_t* key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntW(L"Probe", key, fallback, (Folder() + L"probe.ini").c_str()));
}

void Log(const char* format, ...) {
  FILE* file = _wfopen((Folder() + L"probe.log").c_str(), L"ab");
  if (file == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(file, format, args);
  va_end(args);
  std::fputs("\n", file);
  std::fclose(file);
}

// A message-only window that collects the host's answers.
struct Answers {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  int count = 0;
};
Answers answers;
UINT returnId = 0, rfInfo = 0, deviceRemove = 0;

LRESULT CALLBACK AnswerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != 0 && (message == returnId || message == rfInfo || message == deviceRemove)) {
    answers.message = message;
    answers.wParam = wParam;
    answers.lParam = lParam;
    ++answers.count;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND AnswerWindow() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = AnswerProc;
  windowClass.hInstance = self;
  windowClass.lpszClassName = L"ProbeAnswers";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"ProbeAnswers", L"FProbe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, self, nullptr);
}

// Runs messages until an answer arrives or the time is up.
bool AwaitAnswer(int before, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (answers.count > before) return true;
    Sleep(10);
  }
  return false;
}

// Results=1001,1 gives 1001 to the first call and 1 to every later one (the library is loaded anew
// for each call, so the calls so far are counted in the log).
int WizardResult() {
  FILE* file = _wfopen((Folder() + L"probe.log").c_str(), L"rb");
  int calls = 0;
  if (file != nullptr) {
    char line[512];
    while (std::fgets(line, sizeof(line), file)) calls += std::string(line).rfind("wizard result=", 0) == 0;
    std::fclose(file);
  }
  wchar_t list[256] = {};
  GetPrivateProfileStringW(L"Probe", L"Results", L"1", list, 256, (Folder() + L"probe.ini").c_str());
  int value = 1;
  const wchar_t* cursor = list;
  for (int i = 0; i <= calls; ++i) {
    value = static_cast<int>(wcstol(cursor, nullptr, 10));
    const wchar_t* comma = wcschr(cursor, L',');
    if (comma == nullptr) break;
    cursor = comma + 1;
  }
  return value;
}

void LogHead(const char* entry, const contract::RecordHead& head) {
  Log("%s language=%u variant=%u window=%s", entry, head.languageId, head.textVariant[0],
      head.hostWindow != 0 ? "set" : "null");
}

WNDPROC hostPrevious = nullptr;

LRESULT CALLBACK HostWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) Log("host window destroyed");
  return CallWindowProcW(hostPrevious, window, message, wParam, lParam);
}

void WatchHost(HWND host) {
  // The host frees this library after the call; the hook must outlive it.
  HMODULE pinned = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&HostWatch), &pinned);
  hostPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWatch)));
  Log("watching host");
}

void RegisterMessages() {
  returnId = RegisterWindowMessageW(contract::kPairReturnId);
  rfInfo = RegisterWindowMessageW(contract::kRfInfo);
  deviceRemove = RegisterWindowMessageW(contract::kDeviceRemove);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    self = instance;
    Log("attached");
  }
  return TRUE;
}

extern "C" int32_t WINAPI return_CorvilForm(contract::WizardParams* record) {
  RegisterMessages();
  LogHead("wizard", record->head);
  Log("wizard previous=%d reserved=%u id=%u type=%d name=%u", record->previousDeviceType, record->reserved,
      record->deviceId, record->deviceType, record->deviceName[0]);
  HWND host = contract::FromWindowField<HWND>(record->head.hostWindow);
  if (Setting(L"Pair", 0) != 0) {
    HWND window = AnswerWindow();
    const LRESULT started = SendMessageA(host, RegisterWindowMessageW(contract::kPairStart), 0, 0);
    Log("start reply=%ld", static_cast<long>(started));
    const int polls = Setting(L"Polls", 20);
    for (int i = 0; i < polls; ++i) {
      const int before = answers.count;
      const LRESULT reply = SendMessageA(host, RegisterWindowMessageW(contract::kPairGetId),
                                         reinterpret_cast<WPARAM>(window), 0);
      if (reply != 1) {
        Log("poll reply=%ld", static_cast<long>(reply));
        break;
      }
      if (!AwaitAnswer(before, 2000)) {
        Log("poll no answer");
        break;
      }
      const int32_t type = static_cast<int32_t>(answers.wParam);
      Log("poll type=%d id=%05X", type, static_cast<unsigned>(answers.lParam));
      if (type == contract::kMouse || type == contract::kKeyboard) {
        record->deviceType = type;
        record->deviceId = static_cast<uint32_t>(answers.lParam);
        break;
      }
    }
    Log("stop reply=%ld", static_cast<long>(SendMessageA(host, RegisterWindowMessageW(contract::kPairStop), 0, 0)));
    DestroyWindow(window);
  }
  const int result = WizardResult();
  Log("wizard result=%d", result);
  return result;
}

extern "C" int32_t WINAPI return_CorvilManager(contract::TCorvilManagerParams* record) {
  LogHead("manager", record->head);
  Log("manager receivers=%d selected=%d mode=%d mouse0=%06X second=%s", record->receiverCount,
      record->selectedReceiver, record->displayMode, static_cast<unsigned>(record->tables->mouseIds[0]) & 0xFFFFFF,
      record->secondTable != nullptr ? "set" : "null");
  if (Setting(L"Insert", 0) != 0) {
    host::TPairedDeviceTable accepted = *record->tables;
    contract::TCorvilManagerParams before = *record;
    before.tables = &accepted;
    record->tables->mouseIds[0] |= 0x800000;
    HWND host = contract::FromWindowField<HWND>(record->head.hostWindow);
    const LRESULT reply = SendMessageA(host, RegisterWindowMessageW(contract::kManagerInsert),
                                       reinterpret_cast<WPARAM>(&before), reinterpret_cast<LPARAM>(record));
    Log("insert reply=%ld", static_cast<long>(reply));
  }
  return Setting(L"Result", 2);
}

extern "C" int32_t WINAPI return_Wavegauge(contract::GaugeParams* record) {
  RegisterMessages();
  LogHead("gauge", record->head);
  Log("gauge present=%u", record->receiverPresent);
  if (Setting(L"WatchHost", 0) != 0 && hostPrevious == nullptr) {
    WatchHost(contract::FromWindowField<HWND>(record->head.hostWindow));
  }
  const int requests = Setting(L"RfRequests", 0);
  if (requests > 0) {
    HWND window = AnswerWindow();
    HWND host = contract::FromWindowField<HWND>(record->head.hostWindow);
    for (int i = 0; i < requests; ++i) {
      const int before = answers.count;
      PostMessageA(host, RegisterWindowMessageW(contract::kRequestRfInfo), reinterpret_cast<WPARAM>(window), 0);
      if (!AwaitAnswer(before, 3000)) {
        Log("rf no answer");
        break;
      }
      if (answers.message == deviceRemove) {
        Log("rf removed");
        break;
      }
      Log("rf channel=%u signal=%u", static_cast<unsigned>(answers.wParam), static_cast<unsigned>(answers.lParam));
    }
    DestroyWindow(window);
  }
  return Setting(L"Result", 0);
}
