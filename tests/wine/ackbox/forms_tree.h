// A private copy of the dialog's part of the installed Forms tree, for one test:
//   <temp>\ackbox-<name>\Forms\Ackbox\{Ackbox.dll, UI.txt, English\*.bmp}
//   <temp>\ackbox-<name>\Forms\Texts\*.txt
// so that a test can take files away without touching the staged tree.
#pragma once
#include <string>

namespace ackbox_test {

class FormsTree {
 public:
  explicit FormsTree(const std::wstring& name);

  std::wstring FormsRoot() const { return root_; }
  std::wstring PluginFolder() const { return root_ + L"Ackbox\\"; }
  std::wstring PluginPath() const { return PluginFolder() + L"Ackbox.dll"; }
  // A file of the English bitmap folder, e.g. Ackbox_Background.bmp.
  std::wstring EnglishBitmap(const std::wstring& file) const { return PluginFolder() + L"English\\" + file; }
  void Remove(const std::wstring& relativePath) const;

 private:
  std::wstring root_;
};

// The staged installation's Forms folder (Z:-drive path of the build folder).
std::wstring StagedFormsFolder();
// Where the tests leave their screenshots (created on demand).
std::wstring EvidenceFolder();
// A text of the staged language file <language>.txt.
std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key);

}  // namespace ackbox_test
