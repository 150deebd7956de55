// TezunDesk's command line: what it was asked to do, and the exit status of each outcome.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tezun::desk {

enum class DeskCommand {
  Resident,     // no switch: stay in the notification area and keep the wallpaper right
  Once,         // /once: compose and set once, then end
  Picture,      // /picture FILE: make FILE the picture to decorate (with /once: then compose)
  Settings,     // /settings: the plug-in's settings dialog, then compose if OK was pressed
  Autostart,    // /autostart on|off: the value that starts TezunDesk with Windows
  Restore,      // /restore: put back the wallpaper remembered on the first run
  Subscribe,    // /subscribe ADDRESS: fetch a calendar from now on, and show its events
  Unsubscribe,  // /unsubscribe ADDRESS: no more
};

struct DeskRequest {
  DeskCommand command = DeskCommand::Resident;
  std::wstring picture;    // Picture only
  bool alsoOnce = false;   // Picture only: /once was given too
  bool autostart = false;  // Autostart only: on
  std::wstring address;    // Subscribe and Unsubscribe only
};

// Exit statuses, for scheduled tasks and scripts.
enum DeskExit : int {
  kExitDone = 0,
  kExitUsage = 1,
  kExitUnreadable = 2,  // the picture cannot be read; the wallpaper is unchanged
  kExitUnwritable = 3,  // the wallpaper cannot be made, written or set, or put back; it is unchanged
  kExitPaused = 4,      // a slideshow or Spotlight is on: nothing is composed or set
  kExitAddress = 5,     // the address is refused, or not subscribed to: nothing is stored
  kExitFetch = 6,       // the calendar cannot be fetched now: the subscription stays, and its last copy
};

// The arguments after the program's name. Switches start with / or -, in any case; nothing: the
// request cannot be understood (the caller shows the switches and exits with kExitUsage).
std::optional<DeskRequest> ParseCommandLine(const std::vector<std::wstring>& arguments);

// Whether nobody may be there to answer a message box: /once among the arguments, understood or
// not, as a scheduled task runs it.
bool Unattended(const std::vector<std::wstring>& arguments);

// How TezunDesk was run, as its log says it: the switches, or "(resident)".
std::wstring RunName(const DeskRequest& request);

}  // namespace tezun::desk
