// A private copy of the staged host installation for one test: Tandra_Technology.exe with DLL\ and
// Data\, the device-access library set to a simulated receiver the test describes. Tests of the
// host's plug-ins start the real host on such a copy.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace host_test {

class HostInstallation {
 public:
  // Copies the staged tree into a fresh folder named after `name` under the temporary folder.
  explicit HostInstallation(const std::wstring& name);

  // The simulated receiver: scenario text (its flash image is always DLL\Receiver.flash) and how
  // many receivers the library reports.
  void SetScenario(const std::string& scenario, int receivers = 1);
  // A flash image whose configuration page starts as given (everything else erased, generation 104;
  // with markGeneration false only the page's own word 1 can tell the generation).
  void SetConfigPage(const std::array<uint8_t, 256>& page, bool markGeneration = true);
  std::array<uint8_t, 256> ConfigPage() const;  // read from the flash image file
  // The identifier word pair of a slot as the host keeps it: mouse or keyboard slot 0..4.
  uint32_t MouseSlot(int slot) const;
  uint32_t KeyboardSlot(int slot) const;
  // Lines of the simulator's transfer log (the scenario's TransferLog=Transfers.log), "" if none.
  std::string TransferLog() const;

  // Creates an empty file of the installation (relative path), e.g. the simulator's plug-in file.
  void Touch(const std::wstring& relativePath) const;
  // Deletes a file of the installation (relative path, e.g. L"DLL\\DLL_Hidora.dll").
  void Remove(const std::wstring& relativePath) const;
  // Puts a plug-in library in place of the staged one: `library` is a full path, `plugin` the
  // plug-in's folder name (e.g. L"CorvilForm"), `fileName` the name it gets there.
  void PlacePlugin(const std::wstring& library, const std::wstring& plugin, const std::wstring& fileName) const;

  std::wstring Folder() const { return folder_; }
  std::wstring Program() const { return folder_ + L"Tandra_Technology.exe"; }
  std::wstring FormsRoot() const { return folder_ + L"Data\\Tandra_Technology\\Forms\\"; }
  // A text of the installed language file <language>.txt.
  std::wstring Text(const std::wstring& language, const std::wstring& section, const std::wstring& key) const;

 private:
  std::wstring folder_;
};

// The staged installation tree of this build (Z:-drive path).
std::wstring StageFolder();
// Where tests leave screenshots and figures (created on demand).
std::wstring EvidenceFolder();
// A whole file's bytes ("" when it cannot be read).
std::string ReadAll(const std::wstring& path);
// Copies a folder tree (both with trailing backslashes).
void CopyTree(const std::wstring& from, const std::wstring& to);

}  // namespace host_test
