// Turns between TezunDesk's processes: one changes the wallpaper at a time (the resident one, a
// /once from a scheduled task, a /restore and a second user's click all take turns), and one adds
// to the log at a time.
#pragma once

#include <windows.h>

#include "handles.h"

namespace tezun::desk {

// A named mutex held for the object's life, once it came within `wait` milliseconds.
class NamedTurn {
 public:
  NamedTurn(const wchar_t* name, DWORD wait);
  NamedTurn(const NamedTurn&) = delete;
  NamedTurn& operator=(const NamedTurn&) = delete;
  ~NamedTurn();
  bool held() const { return held_; }

 private:
  KernelHandle mutex_;
  bool held_ = false;
};

// The turn to change the wallpaper; a DeskError when another holds it too long.
class WritingTurn {
 public:
  WritingTurn();

 private:
  NamedTurn turn_;
};

}  // namespace tezun::desk
