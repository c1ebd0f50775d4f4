// The simulator's RF-info log as the tests read it: one line per RF-info read request,
// "<read> <ms> <signal> <channel> ok|fail".
#pragma once
#include <string>
#include <vector>

namespace gauge_test {

struct RfRead {
  unsigned read = 0;
  long long ms = 0;
  int signal = 0;
  int channel = 0;
  bool ok = false;
};

std::vector<RfRead> ParseRfLog(const std::string& text);
// Average (integer division) of the last five successful reads; -1 with fewer than five.
int AverageOfLastFive(const std::vector<RfRead>& reads);
// Averages of every run of five consecutive successful reads, in order.
std::vector<int> WindowAverages(const std::vector<RfRead>& reads);

}  // namespace gauge_test
