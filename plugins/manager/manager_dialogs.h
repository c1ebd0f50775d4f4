// The manager's questions: Ackbox, Notabox and Querent, each loaded by full path from the forms root
// for one question and freed; the plug-in's folder is the current directory again afterwards.
#pragma once
#include <cstdint>
#include <string>

namespace manager {

class ManagerDialogs {
 public:
  ManagerDialogs(uint16_t languageId, std::wstring formsRoot, std::wstring pluginFolder)
      : languageId_(languageId), formsRoot_(std::move(formsRoot)), pluginFolder_(std::move(pluginFolder)) {}

  // A message that only informs. A missing dialog shows nothing (a warning beep).
  void Inform(const std::wstring& text) const;
  // 1 yes, 0 no, negative no answer; kNotAsked when the dialog cannot be loaded.
  int32_t Ask(const std::wstring& question) const;
  // True with *text replaced when the user accepted; a dialog that cannot be loaded keeps *text.
  bool Edit(const std::wstring& prompt, std::wstring* text, int maxLength) const;

 private:
  void Missing() const;

  uint16_t languageId_;
  std::wstring formsRoot_;
  std::wstring pluginFolder_;
};

}  // namespace manager
