// A window's texts from a hostile install: the selected language file, the English file and the UI
// layout file (three parts of the input) through the planner every window uses, then the plain
// text look-ups of the language service.
#include <sys/stat.h>

#include <string>

#include "framework/core/form_texts.h"
#include "framework/core/language.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool folders = [] {
    mkdir((fuzz::ScratchFolder() + "Texts").c_str(), 0700);
    mkdir((fuzz::ScratchFolder() + "Window").c_str(), 0700);
    return true;
  }();
  (void)folders;
  const auto parts = fuzz::SplitParts(data, size, 3);
  fuzz::PutFile("Texts/Russian.txt", &parts[0]);
  fuzz::PutFile("Texts/English.txt", &parts[1]);
  fuzz::PutFile("Window/UI_Main.txt", &parts[2]);

  framework::FormTextRequest request;
  request.languageName = L"Russian";
  request.section = L"CorvilMain";
  request.textVariant = L"ABC";
  request.formsRoot = fuzz::Wide(fuzz::ScratchFolder());
  request.windowFolder = fuzz::Wide(fuzz::ScratchFolder() + "Window");
  request.layoutFileName = L"UI_Main.txt";
  request.windowFontName = L"Tahoma";
  request.components = {{L"lb_Title", L"TLabel"}, {L"lb_TwoLines", L"TLabel"}, {L"bt_OK", L"TButton"},
                        {L"im_Logo", L"TImage"},  {L"ed_Name", L"TEdit"},      {L"pl_Panel", L"TPanel"}};
  framework::LanguageTexts texts;
  const framework::FormTextPlan plan = framework::PlanFormTexts(request, texts);
  if (plan.components.size() != request.components.size()) __builtin_trap();
  texts.GetText(L"CorvilMain", L"NoDongleExists");
  texts.GetText(plan.section, L"lb_Title->Caption");
  texts.FreeLanguage();
  return 0;
}
