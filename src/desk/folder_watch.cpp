#include "folder_watch.h"

#include <utility>

namespace tezun::desk {

FolderWatch::FolderWatch(HWND window, UINT message, std::vector<std::wstring> folders)
    : window_(window),
      message_(message),
      folders_(std::move(folders)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (!stop_) return;
  constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                             FILE_NOTIFY_CHANGE_LAST_WRITE;
  for (const std::wstring& folder : folders_) {
    if (changes_.size() + 1 >= MAXIMUM_WAIT_OBJECTS) break;
    ChangeNotification change(NullWhenInvalid(FindFirstChangeNotificationW(folder.c_str(), FALSE, kChanges)));
    if (change) changes_.push_back(std::move(change));
  }
  if (!changes_.empty()) thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

FolderWatch::~FolderWatch() {
  if (!thread_) return;
  SetEvent(stop_.get());
  WaitForSingleObject(thread_.get(), INFINITE);  // it waits for nothing but the notifications and this
}

DWORD WINAPI FolderWatch::Run(void* self) {
  auto& watch = *static_cast<FolderWatch*>(self);
  std::vector<HANDLE> handles{watch.stop_.get()};
  for (const ChangeNotification& change : watch.changes_) handles.push_back(change.get());
  for (;;) {
    const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
    const DWORD which = woken - WAIT_OBJECT_0;
    if (which == 0 || which >= handles.size()) return 0;  // told to stop, or the wait failed
    const auto woke = handles.begin() + which;
    // A folder that can be watched no more (removed) would wake the thread at once for ever.
    if (!FindNextChangeNotification(*woke)) handles.erase(woke);
    if (!watch.told_.exchange(true)) PostMessageW(watch.window_, watch.message_, 0, 0);
  }
}

}  // namespace tezun::desk
