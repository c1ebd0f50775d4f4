#include "tests/wine/gauge/rf_log.h"

#include <sstream>

namespace gauge_test {

std::vector<RfRead> ParseRfLog(const std::string& text) {
  std::vector<RfRead> reads;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    RfRead read;
    std::string outcome;
    if (fields >> read.read >> read.ms >> read.signal >> read.channel >> outcome) {
      read.ok = outcome == "ok";
      reads.push_back(read);
    }
  }
  return reads;
}

std::vector<int> WindowAverages(const std::vector<RfRead>& reads) {
  std::vector<int> ok;
  for (const RfRead& r : reads) {
    if (r.ok) ok.push_back(r.signal);
  }
  std::vector<int> averages;
  for (size_t end = 5; end <= ok.size(); ++end) {
    int sum = 0;
    for (size_t i = end - 5; i < end; ++i) sum += ok[i];
    averages.push_back(sum / 5);
  }
  return averages;
}

int AverageOfLastFive(const std::vector<RfRead>& reads) {
  const std::vector<int> averages = WindowAverages(reads);
  return averages.empty() ? -1 : averages.back();
}

}  // namespace gauge_test
