// End-to-end check of DLL_Hidora through the host's binding. The binding loads the library from the
// program's own folder, so this program lays out two installations in a temporary folder - one with
// DLL\DLL_Hidora.dll, its INI file and a receiver scenario, one without the DLL - copies itself into
// each and runs the copy there.
//   hidora_binding_check <DLL_Hidora.dll>   set up, run both copies, clean up; 0 = all passed
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/receiver/quarn.h"
#include "host/receiver/receiver_operations.h"
#include "host/win32/device_library_win32.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
  std::fflush(stdout);
  if (!ok) ++failures;
}

// With the simulator backend: find the receiver, pair the scenario's mouse, read the list back.
int PairThroughLibrary() {
  Check(host::BindDeviceLibrary(nullptr) == 1, "Initial answers through the binding");
  std::u16string path;
  uint16_t tag = 0;
  Check(host::FindReceiver(0, &path, &tag) == 1, "one receiver found");
  host::TQUARN quarn(&host::HostDeviceLibrary(), path, tag);
  Check(quarn.ReadGeneration() == 104, "generation 104");

  Check(host::StartPairing(quarn), "pairing started");
  int32_t type = -1;
  uint32_t id = 0;
  int polls = 0;
  while (type == -1 && polls < 10) {
    ++polls;
    if (!host::PollPairing(quarn, &type, &id)) break;
  }
  Check(type == 1 && id == 0x51234, "mouse 0x51234 reported");
  Check(polls == 3, "at the third poll");
  Check(host::StopPairing(quarn), "pairing stopped");

  host::TPairedDeviceTable list;
  host::ReadDeviceList(quarn, &list);
  Check(list.mouseIds[0] == 0x51234, "mouse 0x51234 in slot 0 of the device list");
  Check(list.keyboardIds[0] == 0xFFFFFF, "no keyboard stored: the slot reads free, not unreadable");

  const HMODULE loaded = GetModuleHandleW(L"DLL_Hidora.dll");
  Check(host::BindDeviceLibrary(nullptr) == 1, "second bind calls Initial again");
  Check(GetModuleHandleW(L"DLL_Hidora.dll") == loaded && loaded != nullptr, "same module");
  host::ReleaseDeviceLibrary();
  Check(GetModuleHandleW(L"DLL_Hidora.dll") == nullptr, "one release unloads it");
  Check(host::FindReceiver(0, &path, &tag) == -1, "released: no count");
  return failures == 0 ? 0 : 1;
}

// No DLL beside the program: failure values, no message box, no crash.
int WithoutLibrary() {
  Check(host::BindDeviceLibrary(nullptr) == 0, "bind without library gives 0");
  std::u16string path;
  uint16_t tag = 0;
  Check(host::FindReceiver(0, &path, &tag) == -1, "FindReceiver gives -1");
  Check(host::HostDeviceLibrary().SendCommand(u"", 0, 0xBF01, 1, 1) == 0, "Write gives 0");
  uint8_t buffer[8] = {};
  Check(host::HostDeviceLibrary().ReadCommand(u"", 0, 0xB600, 6, 8, buffer) == 0, "Read gives 0");
  host::TQUARN quarn(&host::HostDeviceLibrary(), path, tag);
  Check(!host::StartPairing(quarn), "pairing cannot start");
  host::ReleaseDeviceLibrary();
  return failures == 0 ? 0 : 1;
}

// Linux paths from the build arrive as /a/b; Wine shows the root file system as Z:.
std::wstring WindowsPath(const char* path) {
  std::wstring result;
  if (path[0] == '/') result = L"Z:";
  for (const char* p = path; *p; ++p) result.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(*p));
  return result;
}

bool WriteText(const std::wstring& file, const char* text) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(std::char_traits<char>::length(text));
  const bool ok = WriteFile(handle, text, size, &written, nullptr) && written == size;
  CloseHandle(handle);
  return ok;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
      else DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

int RunCopy(const std::wstring& program, const wchar_t* mode) {
  std::wstring commandLine = L"\"" + program + L"\" " + mode;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process)) {
    std::printf("FAIL: cannot start %ls\n", program.c_str());
    return 1;
  }
  WaitForSingleObject(process.hProcess, 120000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

const char kLibraryIni[] = "[Simulator]\r\nScenario=Receiver.ini\r\nReceivers=1\r\n";
const char kScenario[] =
    "[Receiver]\r\nGeneration=104\r\nFlashImage=Receiver.flash\r\n"
    "[Pairing]\r\nDevice1=mouse,0x51234,attr=0x80,after=3\r\n"
    "Device2=keyboard,0x2BCDE,after=5\r\n"
    "[RfInfo]\r\nExtra=0x11\r\n";

int SetUpAndRun(const char* dll) {
  wchar_t self[MAX_PATH];
  wchar_t temp[MAX_PATH];
  if (!GetModuleFileNameW(nullptr, self, MAX_PATH) || !GetTempPathW(MAX_PATH, temp)) return 1;
  const std::wstring root = std::wstring(temp) + L"hidora_check_" + std::to_wstring(GetCurrentProcessId());
  const std::wstring with = root + L"\\with";
  const std::wstring without = root + L"\\without";

  const bool laidOut =
      CreateDirectoryW(root.c_str(), nullptr) && CreateDirectoryW(with.c_str(), nullptr) &&
      CreateDirectoryW((with + L"\\DLL").c_str(), nullptr) &&
      CreateDirectoryW(without.c_str(), nullptr) &&
      CopyFileW(self, (with + L"\\check.exe").c_str(), FALSE) &&
      CopyFileW(self, (without + L"\\check.exe").c_str(), FALSE) &&
      CopyFileW(WindowsPath(dll).c_str(), (with + L"\\DLL\\DLL_Hidora.dll").c_str(), FALSE) &&
      WriteText(with + L"\\DLL\\DLL_Hidora.ini", kLibraryIni) &&
      WriteText(with + L"\\DLL\\Receiver.ini", kScenario);
  Check(laidOut, "test installations laid out");
  if (laidOut) {
    Check(RunCopy(with + L"\\check.exe", L"--with-library") == 0, "with library");
    Check(RunCopy(without + L"\\check.exe", L"--without-library") == 0, "without library");
  }
  RemoveTree(root);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--with-library") return PairThroughLibrary();
  if (argc == 2 && std::string(argv[1]) == "--without-library") return WithoutLibrary();
  if (argc != 2) {
    std::printf("usage: hidora_binding_check <DLL_Hidora.dll>\n");
    return 2;
  }
  return SetUpAndRun(argv[1]);
}
