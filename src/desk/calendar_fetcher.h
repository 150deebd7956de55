// The subscriptions fetched in a thread of their own, so that the resident window never waits for
// the network: a round fetches each subscription in turn and posts one message when it ends.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "calendar_fetch.h"
#include "handles.h"

namespace tezun::desk {

// What a round of fetches found.
struct FetchRound {
  std::vector<FetchReport> reports;
  bool asked = false;  // a person asked for it: its failures are said in a message box
};

class CalendarFetcher {
 public:
  CalendarFetcher(HWND window, UINT message);
  CalendarFetcher(const CalendarFetcher&) = delete;
  CalendarFetcher& operator=(const CalendarFetcher&) = delete;
  // Tells a round that runs to stop, and waits for it a few seconds at most: a fetch stops between
  // its reads, and one that waits for the network ends with WinHTTP's own time limits. Every copy
  // is written whole, so a round cut short by the program's end leaves the last good ones.
  ~CalendarFetcher();

  // Starts a round of every subscription; while one runs, another follows it.
  void Start(bool asked);
  // The round that ended when the message came; nothing when none has.
  std::optional<FetchRound> Finished();
  // How many rounds have ended: for the tests that wait for one.
  unsigned rounds() const;

 private:
  struct Shared;  // what the thread shares with the window; it lives as long as either needs it
  static DWORD WINAPI Run(void* held);

  std::shared_ptr<Shared> shared_;
  KernelHandle thread_;
};

}  // namespace tezun::desk
