// A private copy of the pairing tool's installation for one test: the program, its data\ folder and
// a simulated receiver described by the test, so tests never share a flash image.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace pairtool_test {

class Installation {
 public:
  // Copies the staged program and its language files and skin bitmaps into a fresh folder named
  // after `name` under the temporary folder.
  explicit Installation(const std::wstring& name);

  // The simulated receiver: scenario text (the flash image is always "Receiver.flash") and, when
  // given, the USB tree text ("" = the simulator's default tree with the receiver in it).
  void SetScenario(const std::string& scenario, const std::string& tree = "");
  // A flash image whose configuration page starts as given (everything else erased).
  void SetConfigPage(const std::array<uint8_t, 256>& page);
  std::array<uint8_t, 256> ConfigPage() const;  // read from the flash image file

  std::wstring Folder() const { return folder_; }
  std::wstring Program() const { return folder_ + L"Vantrel_PairingTool.exe"; }
  // A text of the installed English language file, section Merrow.
  std::wstring EnglishText(const std::wstring& key) const;
  std::wstring LanguageText(const std::wstring& language, const std::wstring& key) const;

 private:
  std::wstring folder_;
};

// The staged installation tree of this build (Z:-drive path of the build folder).
std::wstring StageFolder();
// Where tests leave their screenshots (created on demand).
std::wstring EvidenceFolder();

}  // namespace pairtool_test
