#include "support/desk_driver.h"

// after windows.h, which it needs
#include <shellapi.h>

#include <utility>

#include "desk/desk_registry.h"
#include "desk/file_bytes.h"
#include "desk/picture_reader.h"
#include "desk/program_path.h"

namespace tezun::desk::test {
namespace {

constexpr wchar_t kShellClass[] = L"Software\\Classes\\CLSID\\{C2CF3110-460E-4FC1-B9D0-8A1C0C9CC4BD}";
constexpr wchar_t kStandInKey[] = L"Software\\TezunDeskStandIn";

}  // namespace

bool IconIsShown(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  wcscpy(data.szTip, L"Tezun");
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void ResidentDesk::SetUp() {
  ASSERT_TRUE(WriteDeskValue(kPictureValue, Sample(L"evening.png")));
  window_ = std::make_unique<ResidentWindow>(GetModuleHandleW(nullptr));
  ASSERT_TRUE(*window_);
  ASSERT_EQ(window_->compositions(), 1u) << "it composes when it starts";
}

bool ResidentDesk::Composes(UINT message, WPARAM wParam, LPARAM lParam, DWORD patience) {
  const unsigned before = window_->compositions();
  SendMessageW(window_->handle(), message, wParam, lParam);
  return PumpUntil([&] { return window_->compositions() > before; }, patience);
}

std::wstring Sample(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TEZUN_SAMPLES_DIR", folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

std::wstring BesideProgram(const wchar_t* name) {
  const std::wstring program = ProgramPath();
  return program.substr(0, program.find_last_of(L"\\/") + 1) + name;
}

std::wstring ScratchFolder() {
  static int made = 0;
  wchar_t temporary[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temporary);
  std::wstring folder = std::wstring(temporary) + L"TezunDeskTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++made);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

tezun::test::Pixels FilePixels(const std::wstring& path) {
  const Bitmap picture = ReadPicture(path);
  return tezun::test::ReadPixels(picture.get());
}

StandInShell::StandInShell(std::wstring log) : log_(std::move(log)) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kStandInKey);
  // Wine's COM reads the machine's classes only, not the user's.
  const std::wstring server = std::wstring(kShellClass) + L"\\InprocServer32";
  const std::wstring dll = BesideProgram(L"desk_wallpaper_standin.dll");
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, server.c_str(), nullptr, REG_SZ, dll.c_str(),
                  static_cast<DWORD>((dll.size() + 1) * sizeof(wchar_t)));
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, server.c_str(), L"ThreadingModel", REG_SZ, L"Both", sizeof L"Both");
  DeleteFileW(log_.c_str());
  Set(L"Log", log_);
}

StandInShell::~StandInShell() {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kShellClass);
  RegDeleteTreeW(HKEY_CURRENT_USER, kStandInKey);
}

void StandInShell::Set(const wchar_t* name, const std::wstring& text) { WriteUserText(kStandInKey, name, text); }

void StandInShell::Show(const wchar_t* monitor, const std::wstring& path) {
  WriteUserText((std::wstring(kStandInKey) + L"\\Wallpaper").c_str(), monitor, path);
}

std::wstring StandInShell::Shown(const wchar_t* monitor) {
  return ReadUserText((std::wstring(kStandInKey) + L"\\Wallpaper").c_str(), monitor).value_or(L"");
}

std::vector<std::wstring> StandInShell::Calls() const {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadWholeFile(log_);
  } catch (...) {
    return {};
  }
  const int size = MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                      text.data(), size);
  std::vector<std::wstring> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find(L'\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::wstring::npos ? text.size() : end + 1;
  }
  return lines;
}

}  // namespace tezun::desk::test
