#include "tests/wine/host/host_installation.h"

#include <algorithm>
#include <vector>

#include "framework/core/ini_file.h"
#include "receiver/config_slots.h"
#include "tests/wine/driver/files.h"

namespace host_test {
namespace {

constexpr size_t kFlashBytes = 131072;
constexpr size_t kConfigPageOffset = 0x2700 * 2;

}  // namespace

std::string ReadAll(const std::wstring& path) {
  // Shared for deleting too: the simulator saves its flash image by renaming a new file over the
  // old one, which an open handle without that right would make fail.
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::wstring StageFolder() { return driver::HostFolder(SUITE_STAGE_DIR); }

std::wstring EvidenceFolder() {
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + name + L"\\", to + name + L"\\");
    } else {
      CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

HostInstallation::HostInstallation(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  folder_ = std::wstring(temp) + L"host-" + name + L"\\";
  driver::DeleteTree(folder_);
  CopyTree(StageFolder(), folder_);
  // The demo receiver of the staged tree is not this test's.
  for (const wchar_t* file : {L"DemoReceiver.ini", L"DemoReceiver.flash"}) Remove(std::wstring(L"DLL\\") + file);
  SetScenario("[Receiver]\n");
}

void HostInstallation::SetScenario(const std::string& scenario, int receivers) {
  driver::WriteFileBytes(folder_ + L"DLL\\DLL_Hidora.ini",
                         "[Simulator]\nScenario=Receiver.ini\nReceivers=" + std::to_string(receivers) + "\n");
  std::string text = scenario;
  const size_t receiver = text.find("[Receiver]\n");
  const std::string files = "FlashImage=Receiver.flash\nTransferLog=Transfers.log\n";
  if (receiver != std::string::npos) {
    text.insert(receiver + 11, files);
  } else {
    text = "[Receiver]\n" + files + text;
  }
  driver::WriteFileBytes(folder_ + L"DLL\\Receiver.ini", text);
}

void HostInstallation::SetConfigPage(const std::array<uint8_t, 256>& page, bool markGeneration) {
  std::string image(kFlashBytes, '\xFF');
  std::copy(page.begin(), page.end(), image.begin() + kConfigPageOffset);
  if (markGeneration) {
    image[0x058F * 2] = 0x00;
    image[0x058F * 2 + 1] = static_cast<char>(0xA4);
  }
  driver::WriteFileBytes(folder_ + L"DLL\\Receiver.flash", image);
}

void HostInstallation::Touch(const std::wstring& relativePath) const {
  driver::WriteFileBytes(folder_ + relativePath, std::string());
}

std::array<uint8_t, 256> HostInstallation::ConfigPage() const {
  std::array<uint8_t, 256> page{};
  const std::string image = ReadAll(folder_ + L"DLL\\Receiver.flash");
  if (image.size() == kFlashBytes) std::copy_n(image.begin() + kConfigPageOffset, 256, page.begin());
  return page;
}

namespace {
uint32_t SlotAt(const std::array<uint8_t, 256>& page, int firstWord) {
  auto word = [&](int k) { return static_cast<uint32_t>(page[2 * k] | (page[2 * k + 1] << 8)); };
  return ((word(firstWord) << 16) | word(firstWord + 1)) & 0xFFFFFF;
}
}  // namespace

uint32_t HostInstallation::MouseSlot(int slot) const {
  return SlotAt(ConfigPage(), host::SlotFirstWord(host::SlotKind::kMouse, slot));
}
uint32_t HostInstallation::KeyboardSlot(int slot) const {
  return SlotAt(ConfigPage(), host::SlotFirstWord(host::SlotKind::kKeyboard, slot));
}

std::string HostInstallation::TransferLog() const { return ReadAll(folder_ + L"DLL\\Transfers.log"); }

void HostInstallation::Remove(const std::wstring& relativePath) const {
  DeleteFileW((folder_ + relativePath).c_str());
}

void HostInstallation::PlacePlugin(const std::wstring& library, const std::wstring& plugin,
                                   const std::wstring& fileName) const {
  const std::wstring folder = FormsRoot() + plugin + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CopyFileW(library.c_str(), (folder + fileName).c_str(), FALSE);
}

std::wstring HostInstallation::Text(const std::wstring& language, const std::wstring& section,
                                    const std::wstring& key) const {
  const framework::IniFile file = framework::IniFile::Open(FormsRoot() + L"Texts\\" + language + L".txt");
  return file.ReadString(section, key, L"");
}

}  // namespace host_test
