// A simulator scenario file, parsed and then played: a receiver built from what was accepted answers
// a whole command session (pairing, RF-info reads with their signal and channel lists, page writes).
#include <string>

#include "receiver_commands.h"
#include "simulator/receiver.h"
#include "simulator/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  sim::Scenario scenario;
  std::string error;
  if (!sim::ParseScenario(text, "receiver.ini", &scenario, &error)) {
    if (error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  sim::Receiver receiver(scenario);  // memory only: the file names the scenario gives stay unused
  fuzz::RunCommandSession(receiver);
  return 0;
}
