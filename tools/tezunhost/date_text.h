// A civil date as the listings print it: YYYY-MM-DD.
#pragma once

#include <chrono>
#include <string>

namespace tezunhost {

std::string DateText(const std::chrono::year_month_day& day);

}  // namespace tezunhost
