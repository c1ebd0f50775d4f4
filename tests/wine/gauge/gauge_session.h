// Calling the real Wavegauge.dll in this process as the host does, with a second thread that finds
// the display (or the confirmation dialog) and drives it while the entry blocks this thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/plugin_contract.h"

namespace gauge_test {

inline constexpr wchar_t kDisplayCaption[] = L"FWavegauge";
inline constexpr wchar_t kAckboxCaption[] = L"FAckbox";

// The staged installation's Forms folder, the display's library and the evidence folder.
std::wstring StagedFormsFolder();
std::wstring StagedGaugeLibrary();
std::wstring EvidenceFolder();
// A text of the staged language file <language>.txt.
std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key);

// The library loaded for one or more calls (the averaging window lives as long as it), freed on
// destruction.
class GaugeLibrary {
 public:
  GaugeLibrary();  // the staged library
  explicit GaugeLibrary(const std::wstring& path);
  ~GaugeLibrary();
  GaugeLibrary(const GaugeLibrary&) = delete;
  GaugeLibrary& operator=(const GaugeLibrary&) = delete;
  bool Loaded() const { return entry_ != nullptr; }
  int32_t Call(contract::GaugeParams* record) const { return entry_(record); }

 private:
  HMODULE module_ = nullptr;
  contract::ReturnWavegaugeProc entry_ = nullptr;
};

// A private copy of the parts of the staged Forms tree the display uses (Texts, Wavegauge, Ackbox,
// Lustrea) under the temporary folder, for tests that change or remove files.
class PrivateForms {
 public:
  explicit PrivateForms(const std::wstring& name);
  std::wstring Root() const { return root_; }
  std::wstring GaugeLibraryPath() const { return root_ + contract::kGaugeLibrary; }
  void Remove(const std::wstring& relativePath) const;
  // Appends UTF-16 text to a language file (UTF-16LE with a byte-order mark).
  void AppendToLanguageFile(const std::wstring& language, const std::wstring& text) const;

 private:
  std::wstring root_;
};

// A record as the host fills it: English, no variant, receiver present.
contract::GaugeParams HostRecord(HWND host, uint8_t receiverPresent = 1, uint16_t languageId = 1033);

// Runs on the driver thread with the visible window of `caption`; record what you see and assert on
// the test thread afterwards.
using Drive = std::function<void(HWND window)>;

struct EntryRun {
  int32_t result = -1;
  bool appeared = false;      // a window of `caption` showed up
  bool displaySeen = false;   // a display window existed at any time during the call
  bool forcedClosed = false;  // `drive` left it open: the runner closed it
};

// Calls the entry on this thread; `drive` (may be empty) runs on a second thread once a window of
// `caption` is visible. Without `drive` the runner only watches.
EntryRun CallEntry(const GaugeLibrary& library, contract::GaugeParams* record, const wchar_t* caption,
              const Drive& drive, DWORD closeTimeoutMs = 10000);

// Driver helpers.
HWND Component(HWND form, const wchar_t* name);
void ClickButton(HWND form, const wchar_t* name);
bool PanelVisible(HWND display);
std::wstring PanelText(HWND display);
bool WaitShaped(HWND form);

}  // namespace gauge_test
