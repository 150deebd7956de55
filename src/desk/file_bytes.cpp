#include "file_bytes.h"

#include <windows.h>

#include "desk_error.h"
#include "handles.h"
#include "texts.h"

namespace tezun::desk {
namespace {

// No picture TezunDesk could lay on a screen is this large as a file: the decoder would refuse
// its pixels anyway, and a 32-bit process has no room to hold more.
constexpr LONGLONG kLargestFile = LONGLONG{256} << 20;

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::wstring& path) {
  const KernelHandle file(
      NullWhenInvalid(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      throw UnreadablePicture(path, Wide(kNoSuchFile));
    throw UnreadablePicture(path, ErrorText(error));
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw UnreadablePicture(path, ErrorText(GetLastError()));
  if (size.QuadPart > kLargestFile) throw UnreadablePicture(path, Wide(kTooLarge));
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
      throw UnreadablePicture(path, ErrorText(GetLastError()));
    }
    if (read == 0) break;  // shorter than it said: what there is
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

void WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes, const char* what) {
  const std::wstring temporary = path + L".partial";
  {
    KernelHandle file(NullWhenInvalid(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) throw UnwritableFile(path, GetLastError(), what);
    DWORD written = 0;
    const bool whole = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size() && FlushFileBuffers(file.get());
    if (!whole) {
      const DWORD error = GetLastError();
      file.reset();
      DeleteFileW(temporary.c_str());
      throw UnwritableFile(path, error ? error : ERROR_WRITE_FAULT, what);
    }
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    throw UnwritableFile(path, error, what);
  }
}

}  // namespace tezun::desk
