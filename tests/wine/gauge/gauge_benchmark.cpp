// How fast the display polls: answers per second over 10 s, against the limit that the 20 ms pause
// after each answer sets (50 per second), first with this process answering at once, then through
// the real host reading the simulated receiver (counted in the simulator's RF-info log). Prints the
// figures and writes them to <build>/evidence/wavegauge_benchmark.txt; it checks nothing but that
// the display ran.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/gauge/rf_log.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"

namespace {

// The real host on a test installation: open the display, let it poll, count the RF-info reads.
std::string ThroughTheHost(DWORD durationMs) {
  using namespace gauge_test;
  host_test::HostInstallation installation(L"gauge-benchmark");
  installation.SetScenario("[Receiver]\nGeneration=104\nRfLog=Rf.log\n[RfInfo]\nDrift=90,150,1\n");
  host_test::HostRun host(installation);
  if (!host.Started()) return "  through the host: the host did not start\n";
  host.Press(L"bt_OpenWavegauge");
  HWND display = driver::FindTopWindowOfProcess(host.Process().Id(), kDisplayCaption, 15000);
  if (display == nullptr) return "  through the host: the display did not open\n";
  Sleep(durationMs + 500);
  driver::Click(driver::FindComponent(display, L"bt_Exit"), driver::Delivery::kPost);
  host.WaitIdle();
  const std::vector<RfRead> reads = ParseRfLog(host_test::ReadText(installation.Folder() + L"DLL\\Rf.log"));
  if (reads.size() < 2) return "  through the host: no RF-info reads logged\n";
  int counted = 0;
  long long last = reads.front().ms;
  for (const RfRead& read : reads) {
    if (read.ms - reads.front().ms > static_cast<long long>(durationMs)) break;
    ++counted;
    last = read.ms;
  }
  const double seconds = (last - reads.front().ms) / 1000.0;
  const double rate = seconds > 0 ? (counted - 1) / seconds : 0.0;
  char text[256];
  std::snprintf(text, sizeof text,
                "through the real host on the simulated receiver (RF-info reads in the simulator's log)\n"
                "  answers:               %d in %.2f s\n"
                "  answers per second:    %.1f\n"
                "  ratio to the limit:    %.2f\n",
                counted, seconds, rate, rate / 50.0);
  return text;
}

}  // namespace

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
  const std::string hostFigures = ThroughTheHost(durationMs);
  std::printf("%s", hostFigures.c_str());
  std::fflush(stdout);
  driver::WriteFileBytes(EvidenceFolder() + L"wavegauge_benchmark.txt", std::string(text) + hostFigures);
  return run.result == 0 && answersInWindow > 0 ? 0 : 1;
}
