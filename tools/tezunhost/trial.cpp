#include "trial.h"

#include <windows.h>

namespace tezunhost {

double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

void RunSideBySide(std::vector<Trial>& trials, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    for (Trial& trial : trials) {
      if (trial.prepare) trial.prepare();
      const double start = Seconds();
      trial.work();
      trial.times.push_back(Seconds() - start);
      if (trial.finish) trial.finish();
    }
  }
}

}  // namespace tezunhost
