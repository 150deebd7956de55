// Owners for the Windows handles TezunDesk holds: each is given back on every path.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

#include <utility>

namespace tezun::desk {

// A handle with the function that gives it back; a null handle means "none".
template <class Handle, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  Handle get() const { return handle_; }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Release(handle_);
    handle_ = handle;
  }
  explicit operator bool() const { return handle_ != Handle{}; }

 private:
  Handle handle_ = Handle{};
};

inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DeleteGdiBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void DeleteGdiBrush(HBRUSH brush) { DeleteObject(brush); }
inline void CloseKey(HKEY key) { RegCloseKey(key); }
inline void ReleaseModule(HMODULE module) { FreeLibrary(module); }
inline void ReleaseMenu(HMENU menu) { DestroyMenu(menu); }
inline void ReleaseIcon(HICON icon) { DestroyIcon(icon); }
inline void CloseFind(HANDLE find) { FindClose(find); }
inline void CloseChangeNotification(HANDLE change) { FindCloseChangeNotification(change); }

using KernelHandle = Owned<HANDLE, CloseKernelHandle>;
using Bitmap = Owned<HBITMAP, DeleteGdiBitmap>;
using Brush = Owned<HBRUSH, DeleteGdiBrush>;
using RegistryKey = Owned<HKEY, CloseKey>;
using Module = Owned<HMODULE, ReleaseModule>;
using Menu = Owned<HMENU, ReleaseMenu>;
using Icon = Owned<HICON, ReleaseIcon>;
using FindHandle = Owned<HANDLE, CloseFind>;
using ChangeNotification = Owned<HANDLE, CloseChangeNotification>;

// A file handle, which CreateFileW (and FindFirstFileW, FindFirstChangeNotificationW) gives as
// INVALID_HANDLE_VALUE, not 0, when it fails.
inline HANDLE NullWhenInvalid(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }

// COM for this thread, for the Windows Imaging Component and the open dialog.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

}  // namespace tezun::desk
