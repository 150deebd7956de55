#include "today.h"

#include <windows.h>

namespace tezun {
namespace {
std::optional<TDateTime> fixedToday;
}

TDateTime Today() {
  if (fixedToday) return *fixedToday;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  using namespace std::chrono;
  return DateOf(year{now.wYear} / month{now.wMonth} / day{now.wDay});
}

void FixTodayForTesting(std::optional<TDateTime> date) { fixedToday = date; }

}  // namespace tezun
