#include "cli/console_io.h"

#include "framework/core/text_codec.h"

namespace cli {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

void WriteOut(HANDLE handle, const std::string& bytes) {
  if (bytes.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  if (IsConsole(handle)) {
    WriteText(handle, framework::DecodeUtf8(bytes));
    return;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
        written == 0) {
      return;
    }
    done += written;
  }
}

void WriteText(HANDLE handle, const std::wstring& text) {
  if (text.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  if (!IsConsole(handle)) {
    WriteOut(handle, framework::EncodeUtf8(text));
    return;
  }
  DWORD written = 0;
  WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::wstring ReadLine() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring line;
  if (IsConsole(input)) {
    wchar_t buffer[256];
    DWORD read = 0;
    if (ReadConsoleW(input, buffer, 255, &read, nullptr)) line.assign(buffer, read);
  } else {
    std::string bytes;
    char c = 0;
    DWORD read = 0;
    while (ReadFile(input, &c, 1, &read, nullptr) && read == 1 && c != '\n' && bytes.size() < 1024) bytes += c;
    line = framework::DecodeUtf8(bytes);
  }
  while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r')) line.pop_back();
  return line;
}

}  // namespace cli
