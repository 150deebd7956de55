// Timing side by side: trials run round after round, each once a round, so that whatever slows
// the machine down meanwhile slows them alike.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tezunhost {

// Seconds on the performance counter.
double Seconds();

// One thing to time: `prepare` and `finish` run untimed before and after each `work`.
struct Trial {
  std::string name;
  std::function<void()> prepare;
  std::function<void()> work;
  std::function<void()> finish;
  std::vector<double> times;

  double Median() {
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
  }
};

// Every trial once a round, for `rounds` rounds.
void RunSideBySide(std::vector<Trial>& trials, int rounds);

}  // namespace tezunhost
