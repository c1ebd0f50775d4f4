// How fast the display polls a host that answers at once: answers per second over 10 s, against the
// limit that the 20 ms pause after each answer sets (50 per second). Prints figures and writes them
// to <build>/evidence/wavegauge_benchmark.txt; it checks nothing but that the display ran.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/driver/files.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"

int main(int argc, char** argv) {
  using namespace gauge_test;
  const DWORD durationMs = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) * 1000 : 10000;
  GaugeLibrary library;
  if (!library.Loaded()) {
    std::printf("wavegauge_benchmark: Wavegauge.dll is not staged\n");
    return 1;
  }
  HostScript script;
  script.signals = {100, 110, 120, 130, 140};
  DWORD firstAnswer = 0, lastAnswer = 0;
  int answersInWindow = 0;
  script.afterAnswer = [&](int answer, HWND) {
    const DWORD now = GetTickCount();
    if (answer == 1) firstAnswer = now;
    if (now - firstAnswer <= durationMs) {
      answersInWindow = answer;
      lastAnswer = now;
    }
  };
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    Sleep(durationMs + 300);
    ClickButton(display, L"bt_Exit");
  }, durationMs + 5000);

  const double seconds = (lastAnswer - firstAnswer) / 1000.0;
  const double rate = seconds > 0 ? (answersInWindow - 1) / seconds : 0.0;
  const double limit = 1000.0 / 20.0;
  char text[512];
  std::snprintf(text, sizeof text,
                "wavegauge poll rate under Wine (host answering at once)\n"
                "  answers:               %d in %.2f s\n"
                "  answers per second:    %.1f\n"
                "  limit of the 20 ms pause: %.1f per second\n"
                "  ratio:                 %.2f\n"
                "  requests while one was outstanding: %d\n",
                answersInWindow, seconds, rate, limit, rate / limit, host.Counts().requestsWhilePending);
  std::printf("%s", text);
  std::fflush(stdout);
  driver::WriteFileBytes(EvidenceFolder() + L"wavegauge_benchmark.txt", std::string(text));
  return run.result == 0 && answersInWindow > 0 ? 0 : 1;
}
