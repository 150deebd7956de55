#include "date_text.h"

#include <cstdio>

namespace tezunhost {

std::string DateText(const std::chrono::year_month_day& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                static_cast<unsigned>(day.day()));
  return text;
}

}  // namespace tezunhost
