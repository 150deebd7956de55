// One resident TezunDesk: a second start asks the running one to compose now and ends; /restore
// ends it.
#pragma once

#include <windows.h>

#include "handles.h"

namespace tezun::desk {

// The resident window's class, by which a second start finds it.
extern const wchar_t kResidentClass[];

// The message by which a second start asks the running one to compose now.
UINT ComposeNowMessage();

class SingleInstance {
 public:
  SingleInstance();
  // Whether this process is the only resident one.
  bool first() const { return first_; }

 private:
  KernelHandle mutex_;
  bool first_ = false;
};

// Asks the running resident TezunDesk to compose now; false when none answers. Its window is looked
// for `attempts` times, a tenth of a second apart (the first one may still be making it).
bool AskRunningToCompose(int attempts = 50);

// Asks every running resident TezunDesk to close, as the end of a session does, and waits a few
// seconds for each to end. One in the middle of its settings dialog closes when the dialog does,
// and composes nothing more.
void EndRunningResidents();

}  // namespace tezun::desk
