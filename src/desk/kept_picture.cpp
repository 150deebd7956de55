#include "kept_picture.h"

#include <windows.h>

#include <exception>
#include <optional>
#include <vector>

#include "desk_error.h"
#include "desk_registry.h"
#include "file_bytes.h"
#include "picture_choice.h"
#include "picture_reader.h"
#include "texts.h"
#include "wallpaper_watch.h"

namespace tezun::desk {
namespace {

// The copy's name: one name, with the original's extension, so that it opens as what it is.
std::wstring KeptPath(const std::wstring& folder, const std::wstring& original) {
  const size_t slash = original.find_last_of(L"\\/");
  const size_t dot = original.find_last_of(L'.');
  const bool extension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
  return folder + L"\\KeptPicture" + (extension ? original.substr(dot) : L"");
}

// Stores `original` as the picture to decorate, with its copy (or none), and removes a copy of
// another picture that the new one does not replace.
void Store(const std::wstring& original, const std::optional<std::wstring>& kept) {
  const auto previous = ReadDeskValue(kKeptPictureValue);
  const bool stored = (kept ? WriteDeskValue(kKeptPictureValue, *kept) && WriteDeskValue(kKeptFromValue, original)
                            : DeleteDeskValue(kKeptPictureValue) && DeleteDeskValue(kKeptFromValue)) &&
                      WriteDeskValue(kPictureValue, original);
  if (!stored) throw DeskError{kExitUnwritable, Wide(kCannotWrite) + L"HKEY_CURRENT_USER\\Software\\TezunDesk"};
  if (previous && !(kept && SamePath(*previous, *kept))) DeleteFileW(previous->c_str());
}

}  // namespace

Bitmap KeepPicture(const std::wstring& path, const std::wstring& folder, bool mustKeep) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  Bitmap picture = DecodePicture(bytes, path);
  std::optional<std::wstring> kept = KeptPath(folder, path);
  try {
    WriteWholeFile(*kept, bytes);
  } catch (const DeskError&) {
    if (mustKeep) throw;
    kept.reset();  // the picture still is the user's; a copy is tried again at the next composition
  }
  Store(path, kept);
  return picture;
}

void KeepNoPicture() { Store(L"", std::nullopt); }

Bitmap ReadPictureToDecorate(const std::wstring& original, const std::wstring& folder) {
  if (original.empty()) return {};
  const auto keptFrom = ReadDeskValue(kKeptFromValue);
  const auto kept = ReadDeskValue(kKeptPictureValue);
  const bool keptIsOfIt =
      keptFrom && SamePath(*keptFrom, original) && kept && GetFileAttributesW(kept->c_str()) != INVALID_FILE_ATTRIBUTES;
  std::exception_ptr first;  // what is said when nothing can be read: the original's failure
  for (const std::wstring& source : PictureSources(original, keptIsOfIt ? *kept : L"")) {
    try {
      if (!keptIsOfIt) return KeepPicture(source, folder, false);
      return ReadPicture(source);
    } catch (const DeskError&) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
  return {};
}

}  // namespace tezun::desk
