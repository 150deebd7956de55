// A watch on the folders the plug-in's events come from: a thread of its own waits for Windows'
// change notifications and posts one message to the resident window, which then looks at the
// files themselves. It waits for nothing else, so it ends as soon as it is told to.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "handles.h"

namespace tezun::desk {

class FolderWatch {
 public:
  // Watches each folder (a file written, added, removed or renamed in it, or a folder added or
  // removed), at most MAXIMUM_WAIT_OBJECTS - 1 of them: the minute's check covers the others, and a
  // folder Windows cannot watch (gone, or on a share that does not tell).
  FolderWatch(HWND window, UINT message, std::vector<std::wstring> folders);
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  ~FolderWatch();

  const std::vector<std::wstring>& folders() const { return folders_; }
  // The window took the message: the next change is told again. Until then, changes are told once.
  void Heard() { told_ = false; }

 private:
  static DWORD WINAPI Run(void* self);

  HWND window_;
  UINT message_;
  std::vector<std::wstring> folders_;
  std::vector<ChangeNotification> changes_;
  KernelHandle stop_;
  KernelHandle thread_;
  std::atomic<bool> told_{false};
};

}  // namespace tezun::desk
