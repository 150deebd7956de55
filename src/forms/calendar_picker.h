// Choosing a calendar for the events: a menu under the button offers a file or a folder, and the
// Open dialog or the folder dialog chooses it. Paths are stored in Shift-JIS, `;` between them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tezun {

// What the user chose: its path in Shift-JIS, or the words that say why it cannot be added (a
// character Shift-JIS cannot hold, a `;`). Nothing when they chose nothing.
struct PickedCalendar {
  std::string path;
  const char* refusal = nullptr;
};
std::optional<PickedCalendar> PickCalendar(HWND owner, HWND button);

}  // namespace tezun
