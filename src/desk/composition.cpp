#include "composition.h"

#include <shlobj.h>

#include "desk_error.h"
#include "desk_registry.h"
#include "handles.h"
#include "picture_choice.h"
#include "picture_reader.h"
#include "picture_writer.h"
#include "texts.h"
#include "wallpaper.h"

namespace tezun::desk {
namespace {

// One process writes the wallpaper at a time: the resident one, a /once from a scheduled task
// and a second user's click all take turns here.
constexpr wchar_t kWritingMutex[] = L"Local\\TezunDesk.Writing";
constexpr DWORD kLongestWait = 60 * 1000;

class WritingTurn {
 public:
  WritingTurn() : mutex_(CreateMutexW(nullptr, FALSE, kWritingMutex)) {
    if (!mutex_) throw DeskError{kExitUnwritable, Wide(kAnotherIsWriting) + L"\n" + ErrorText(GetLastError())};
    const DWORD waited = WaitForSingleObject(mutex_.get(), kLongestWait);
    // An owner that ended without giving it back leaves the turn to us.
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) throw DeskError{kExitUnwritable, Wide(kAnotherIsWriting)};
    held_ = true;
  }
  WritingTurn(const WritingTurn&) = delete;
  WritingTurn& operator=(const WritingTurn&) = delete;
  ~WritingTurn() {
    if (held_) ReleaseMutex(mutex_.get());
  }

 private:
  KernelHandle mutex_;
  bool held_ = false;
};

std::wstring PictureToDecorate(const std::wstring& currentWallpaper) {
  return ChoosePicture(ReadDeskValue(kPictureValue).value_or(L""), currentWallpaper, Composition::OutputFolder());
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

LocalClock Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocalDate Today() { return Now().date; }

std::wstring Composition::OutputFolder() {
  wchar_t* local = nullptr;
  const HRESULT found = SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local);
  const std::wstring base = SUCCEEDED(found) && local ? local : L"";
  CoTaskMemFree(local);
  if (base.empty()) throw DeskError{kExitUnwritable, Wide(kCannotWrite) + L"%LOCALAPPDATA%\n" + ErrorText(found)};
  std::wstring folder = base + L"\\TezunDesk";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    throw DeskError{kExitUnwritable, Wide(kCannotWrite) + folder + L"\n" + ErrorText(GetLastError())};
  }
  return folder;
}

const PluginHost& Composition::Plugin() {
  if (!plugin_) plugin_.emplace(PluginBesideProgram());
  return *plugin_;
}

LocalDate Composition::ComposeAndSet() {
  const WritingTurn turn;
  const std::wstring folder = OutputFolder();
  const WallpaperState before = CurrentWallpaperState();
  const LocalDate today = Today();
  const std::wstring picture = PictureToDecorate(before.path);

  Bitmap source;
  if (!picture.empty()) source = ReadPicture(picture);
  const Bitmap composed = Plugin().Execute(window_, source.release());
  const std::wstring next = NextOutputPath(folder, before.path);
  WritePicture(composed.get(), next);
  try {
    SetCentredWallpaper(next);
  } catch (const DeskError&) {
    DeleteFileW(next.c_str());  // not the wallpaper: the last good one stays as it was
    throw;
  }

  // The first run remembers what it covered, to put it back on "元の壁紙に戻す"; and the picture
  // it decorated stays the one to decorate, although Windows now shows our output.
  const bool remembered = ReadDeskValue(kRememberedWallpaperValue).has_value();
  if (const auto toRemember = WallpaperToRemember(remembered, before.path, folder)) {
    WriteDeskValue(kRememberedStyleValue, before.style);
    WriteDeskValue(kRememberedTileValue, before.tile);
    WriteDeskValue(kRememberedWallpaperValue, *toRemember);
  }
  if (!picture.empty() && !ReadDeskValue(kPictureValue)) WriteDeskValue(kPictureValue, picture);
  return today;
}

void Composition::ChoosePicture(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  ReadPicture(full);  // refused here, before anything is stored
  if (!WriteDeskValue(kPictureValue, full)) {
    throw DeskError{kExitUnwritable, Wide(kCannotWrite) + L"HKEY_CURRENT_USER\\Software\\TezunDesk"};
  }
}

void Composition::RunSettings() {
  Bitmap picture;
  try {
    const std::wstring path = PictureToDecorate(CurrentWallpaper());
    if (!path.empty()) picture = ReadPicture(path);
  } catch (const DeskError&) {
    // The dialog still works on the desktop colour; the failure shows at the next composition.
  }
  Plugin().Settings(window_, picture.release());
}

}  // namespace tezun::desk
