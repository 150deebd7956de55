#include "kanshi.h"

#include "texts.h"

namespace tezun {

int KanshiOf(std::chrono::sys_days day) {
  const auto count = (day - kKanshiAnchor).count() % 60;
  return static_cast<int>(count < 0 ? count + 60 : count);
}

std::string KanshiText(int kanshi) { return std::string(kStemNames[StemOf(kanshi)]) + kBranchNames[BranchOf(kanshi)]; }

}  // namespace tezun
