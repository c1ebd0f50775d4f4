// Vantrel_PairingTool: pairs one mouse and one keyboard with the receiver.
#include <windows.h>

#include <string>

#include "forms/application.h"
#include "pairtool/app/pair_form.h"
#include "pairtool/app/receiver_access.h"
#include "receiver/softcpu.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  forms::Application::Initialize();
  forms::Application::SetTitle(L"Vantrel Pairing Tool");
  const std::wstring programFolder = ProgramFolder();

  pairtool::ReceiverAccess access;
  std::wstring error;
  if (!access.Open(programFolder + L"data\\", &error)) {
    forms::Application::ShowError(L"The simulated receiver cannot be used:\n" + error);
    return 2;
  }
  TSoftCpu cpu(access.Ops());
  try {
    auto form = forms::MakeForm<TPairForm>(cpu, programFolder, GetUserDefaultLangID());
    form->FireCreate();
    return forms::Application::Run(*form);
  } catch (...) {
    forms::Application::HandleCurrentException();
    return 1;
  }
}
