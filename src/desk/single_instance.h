// One resident TezunDesk: a second start asks the running one to compose now and ends.
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

// Asks the running resident TezunDesk to compose now; false when none answers.
bool AskRunningToCompose();

}  // namespace tezun::desk
