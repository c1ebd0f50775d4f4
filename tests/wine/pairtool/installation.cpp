#include "tests/wine/pairtool/installation.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/core/ini_file.h"
#include "tests/wine/driver/files.h"

namespace pairtool_test {
namespace {

constexpr size_t kFlashBytes = 131072;
constexpr size_t kConfigPageOffset = 0x2700 * 2;

void WriteText(const std::wstring& path, const std::string& text) { driver::WriteFileBytes(path, text); }

}  // namespace

std::wstring StageFolder() { return driver::HostFolder(SUITE_STAGE_DIR); }

std::wstring EvidenceFolder() {
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

Installation::Installation(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  folder_ = std::wstring(temp) + L"pairtool-" + name + L"\\";
  driver::DeleteTree(folder_);
  CreateDirectoryW(folder_.c_str(), nullptr);
  CreateDirectoryW((folder_ + L"data").c_str(), nullptr);
  const std::wstring stage = StageFolder();
  CopyFileW((stage + L"Vantrel_PairingTool.exe").c_str(), Program().c_str(), FALSE);
  for (const wchar_t* file : {L"English.txt", L"ChineseT.txt", L"ChineseS.txt", L"MouseA_WindowClose.bmp",
                              L"EnglishPair.bmp", L"ChineseTPair.bmp", L"ChineseSPair.bmp"}) {
    CopyFileW((stage + L"data\\" + file).c_str(), (folder_ + L"data\\" + file).c_str(), FALSE);
  }
  SetScenario("[Receiver]\n");
}

void Installation::SetScenario(const std::string& scenario, const std::string& tree) {
  std::string settings = "[Simulator]\nScenario=Receiver.ini\n";
  if (!tree.empty()) {
    settings += "Tree=UsbTree.txt\n";
    WriteText(folder_ + L"data\\UsbTree.txt", tree);
  }
  WriteText(folder_ + L"data\\Simulator.ini", settings);
  // The scenario's own [Receiver] section gets the image line.
  std::string text = scenario;
  const size_t receiver = text.find("[Receiver]\n");
  if (receiver != std::string::npos) {
    text.insert(receiver + 11, "FlashImage=Receiver.flash\n");
  } else {
    text = "[Receiver]\nFlashImage=Receiver.flash\n" + text;
  }
  WriteText(folder_ + L"data\\Receiver.ini", text);
}

void Installation::SetConfigPage(const std::array<uint8_t, 256>& page) {
  std::string image(kFlashBytes, '\xFF');
  std::copy(page.begin(), page.end(), image.begin() + kConfigPageOffset);
  // Generation 104 marked at word 0x058F, as a factory receiver has it.
  image[0x058F * 2] = 0x00;
  image[0x058F * 2 + 1] = static_cast<char>(0xA4);
  WriteText(folder_ + L"data\\Receiver.flash", image);
}

std::array<uint8_t, 256> Installation::ConfigPage() const {
  std::array<uint8_t, 256> page{};
  page.fill(0);
  FILE* file = _wfopen((folder_ + L"data\\Receiver.flash").c_str(), L"rb");
  if (!file) return page;
  std::vector<uint8_t> image(kFlashBytes);
  const size_t read = std::fread(image.data(), 1, image.size(), file);
  std::fclose(file);
  if (read == kFlashBytes) std::copy_n(image.begin() + kConfigPageOffset, 256, page.begin());
  return page;
}

std::wstring Installation::LanguageText(const std::wstring& language, const std::wstring& key) const {
  framework::IniFile file = framework::IniFile::Open(folder_ + L"data\\" + language + L".txt");
  return file.ReadString(L"Merrow", key, L"");
}

std::wstring Installation::EnglishText(const std::wstring& key) const {
  return LanguageText(L"English", key);
}

}  // namespace pairtool_test
