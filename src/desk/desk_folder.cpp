#include "desk_folder.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include <vector>

#include "composition.h"
#include "desk_error.h"
#include "desk_log.h"
#include "file_bytes.h"
#include "texts.h"
#include "writing_turn.h"

namespace tezun::desk {
namespace {

std::string Utf8(const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring DeskFolder() {
  wchar_t* local = nullptr;
  const HRESULT found = SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local);
  const std::wstring base = SUCCEEDED(found) && local ? local : L"";
  CoTaskMemFree(local);
  if (base.empty()) throw DeskError{kExitUnwritable, Wide(kCannotWrite) + L"%LOCALAPPDATA%\n" + ErrorText(found)};
  std::wstring folder = base + L"\\TezunDesk";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    throw UnwritableFile(folder, GetLastError());
  }
  return folder;
}

void WriteLog(const std::wstring& how, const std::wstring& words) {
  try {
    const std::wstring path = DeskFolder() + L"\\TezunDesk.log";
    const NamedTurn turn(L"Local\\TezunDesk.Log", 10 * 1000);
    if (!turn.held()) return;
    std::string log;
    try {
      const std::vector<uint8_t> bytes = ReadWholeFile(path);
      log.assign(bytes.begin(), bytes.end());
    } catch (const DeskError&) {
      // No log yet: this is its first line.
    }
    const std::string added = BoundedLog(log, Utf8(LogLine(Now(), how, words)));
    WriteWholeFile(path, std::vector<uint8_t>(added.begin(), added.end()));
  } catch (const DeskError&) {
    // No folder, or the file cannot be written: nowhere left to tell it.
  } catch (const std::bad_alloc&) {
    // Nor room to.
  }
}

}  // namespace tezun::desk
