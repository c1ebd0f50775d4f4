// Every message and question the suite shows in its dialogs fits the dialog in every language: the
// host's and the plug-ins' messages in the confirmation dialog, the manager's questions in the yes/no
// dialog and its name prompt in the text-input dialog. Prints "texts checked, texts that fit".
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "tests/wine/driver/driver.h"

#include "tests/wine/ackbox/dialog_runner.h"
#include "tests/wine/ackbox/forms_tree.h"
#include "tests/wine/dialogs/calls.h"
#include "tests/wine/texts/form_fit.h"

namespace fit_test {
namespace {

struct Language {
  const wchar_t* name;
  uint16_t id;
};

const Language kLanguages[] = {{L"English", 0x0409},  {L"ChineseT", 0x0404}, {L"ChineseS", 0x0804},
                               {L"German", 0x0407},   {L"FrenchF", 0x040C},  {L"Italian", 0x0410},
                               {L"Japanese", 0x0411}, {L"Korean", 0x0412},   {L"Dutch", 0x0413},
                               {L"PortugueseP", 0x0816}, {L"Russian", 0x0419}, {L"Turkish", 0x041F},
                               {L"Spanish", 0x0C0A}};

struct Text {
  const wchar_t* section;
  const wchar_t* key;
};

const Text kMessages[] = {{L"CorvilMain", L"NoDongleExists"},      {L"CorvilMain", L"MultipleDongle"},
                          {L"CorvilMain", L"DeviceLibraryMissing"}, {L"CorvilMain", L"DongleNotSupported"},
                          {L"CorvilMain", L"PluginMissing"},       {L"CorvilMain", L"DeviceNotStored"},
                          {L"CorvilMain", L"DeviceReplaced"},      {L"CorvilMain", L"ChangeNotStored"},
                          {L"CorvilManager", L"MouseAtLeastOneMessage"}, {L"Wavegauge", L"DongleNotExist"}};
const Text kQuestions[] = {{L"CorvilManager", L"MouseRemoveYesNo"},
                           {L"CorvilManager", L"KeyboardRemoveYesNo"},
                           {L"CorvilManager", L"KeyboardDisableYesNo"}};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::wstring Staged(const Language& language, const Text& text) {
  std::wstring value = dialog_test::StagedText(language.name, text.section, text.key);
  const size_t code = value.find(L"%s");
  if (code != std::wstring::npos) value.replace(code, 2, L"2BCDE");  // a device code, as the host fills it in
  return value;
}

// Each dialog opens once per language; its message label then takes every text it can show, one
// after the other, as it would when opened with that text.
void CheckEveryText(HWND dialog, const wchar_t* label, const Language& language, const Text* texts, size_t count,
                    const std::string& what, Tally& tally) {
  for (size_t i = 0; i < count; ++i) {
    SendMessageW(driver::FindComponent(dialog, label), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Staged(language, texts[i]).c_str()));
    CheckForm(dialog, Narrow(language.name) + " " + what + " " + Narrow(texts[i].key), tally);
  }
}

TEST(TextFit, DialogMessagesAndQuestionsInEveryLanguage) {
  Tally tally;
  const ackbox_test::FormsTree tree(L"fit");
  for (const Language& language : kLanguages) {
    // Loaded for each dialog, as its callers do: a dialog is shaped once per load.
    ackbox_test::Plugin ackbox(tree.PluginPath());
    ASSERT_TRUE(ackbox.Loaded());
    ASSERT_FALSE(Staged(language, kMessages[0]).empty()) << Narrow(language.name);
    ackbox_test::ShowDialog(ackbox, language.id, Staged(language, kMessages[0]).c_str(), [&](HWND dialog) {
      ackbox_test::WaitShaped(dialog);
      CheckEveryText(dialog, L"lb_Message", language, kMessages, std::size(kMessages), "message", tally);
      ackbox_test::ClickButton(dialog, L"bt_OK");
    });
    dialog_test::AskNotabox(language.id, Staged(language, kQuestions[0]).c_str(), [&](HWND dialog) {
      dialog_test::WaitShaped(dialog);
      CheckEveryText(dialog, L"lb_Message", language, kQuestions, std::size(kQuestions), "question", tally);
      dialog_test::ClickButton(dialog, L"bt_No");
    });
    contract::QuerentRequest request = dialog_test::MakeRequest(
        language.id, Staged(language, {L"CorvilManager", L"InputDeviceName"}), L"Desk mouse", 14);
    dialog_test::AskQuerent(&request, [&](HWND dialog) {
      dialog_test::WaitShaped(dialog);
      CheckForm(dialog, Narrow(language.name) + " name prompt", tally);
      dialog_test::ClickButton(dialog, L"bt_Cancel");
    });
  }
  std::printf("Dialogs: %d texts checked, %d texts that fit\n", tally.checked, tally.fit);
  for (const std::string& misfit : tally.misfits) std::printf("  does not fit: %s\n", misfit.c_str());
  std::fflush(stdout);
  EXPECT_GT(tally.checked, 13 * 14);
  EXPECT_EQ(tally.checked, tally.fit);
}

}  // namespace
}  // namespace fit_test
