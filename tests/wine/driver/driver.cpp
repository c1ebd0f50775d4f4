#include "tests/wine/driver/driver.h"

#include "forms/component_props.h"

namespace driver {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

HWND FindTopWindow(const std::wstring& caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowW(nullptr, caption.c_str())) != nullptr; }, timeoutMs);
  return found;
}

namespace {

struct ProcessSearch {
  DWORD processId;
  const std::wstring* caption;
  HWND found;
  bool byFormName = false;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ProcessSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  const std::wstring key = search->byFormName ? forms::ComponentName(window) : GetText(window);
  if (key == *search->caption && (!search->byFormName || IsWindowVisible(window))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

struct NameSearch {
  const std::wstring* name;
  HWND found;
};

BOOL CALLBACK MatchName(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<NameSearch*>(context);
  if (forms::ComponentName(window) == *search->name) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindTopWindowOfProcess(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
  ProcessSearch search{processId, &caption, nullptr};
  WaitUntil([&] {
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

HWND FindFormOfProcess(DWORD processId, const std::wstring& formName, DWORD timeoutMs) {
  ProcessSearch search{processId, &formName, nullptr, true};
  WaitUntil([&] {
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

HWND FindComponent(HWND root, const std::wstring& name) {
  NameSearch search{&name, nullptr};
  EnumChildWindows(root, &MatchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) children.push_back(h);
  return children;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &result[0], size, nullptr, nullptr);
  return result;
}

std::wstring ComponentName(HWND window) { return forms::ComponentName(window); }
std::wstring ComponentClass(HWND window) { return forms::ComponentClass(window); }
int ComponentTag(HWND window) { return forms::ComponentTag(window); }

std::wstring WindowClassName(HWND window) {
  wchar_t name[256] = {};
  return std::wstring(name, GetClassNameW(window, name, 256));
}

std::wstring GetText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                      5000, &copied);
  text.resize(copied);
  return text;
}

bool SetText(HWND window, const std::wstring& text) {
  return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

void Click(HWND button, Delivery delivery) {
  if (delivery == Delivery::kPost) {
    PostMessageW(button, BM_CLICK, 0, 0);
  } else {
    SendMessageW(button, BM_CLICK, 0, 0);
  }
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool WaitEnabled(HWND window, bool enabled, DWORD timeoutMs) {
  return WaitUntil([&] { return (IsWindowEnabled(window) != FALSE) == enabled; }, timeoutMs);
}

bool WaitVisible(HWND window, bool visible, DWORD timeoutMs) {
  return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, timeoutMs);
}

bool WaitText(HWND window, const std::wstring& text, DWORD timeoutMs) {
  return WaitUntil([&] { return GetText(window) == text; }, timeoutMs);
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void Close(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

}  // namespace driver
