#include "picture_choice.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kFirstName[] = L"TezunDesk-1.bmp";
constexpr wchar_t kSecondName[] = L"TezunDesk-2.bmp";

// A path as Windows compares it for our purposes: one kind of slash, no trailing slash, ASCII
// letters in one case. Letters beyond ASCII are left as they are: a miss there only means that a
// folder spelt in another case is taken for another folder, never the reverse.
std::wstring Folded(const std::wstring& path) {
  std::wstring folded;
  folded.reserve(path.size());
  for (wchar_t c : path) {
    if (c == L'/') c = L'\\';
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    folded.push_back(c);
  }
  while (!folded.empty() && folded.back() == L'\\') folded.pop_back();
  return folded;
}

std::wstring Joined(const std::wstring& folder, const wchar_t* name) {
  if (folder.empty()) return name;
  const wchar_t last = folder.back();
  return last == L'\\' || last == L'/' ? folder + name : folder + L'\\' + name;
}

}  // namespace

bool IsOwnOutput(const std::wstring& path, const std::wstring& outputFolder) {
  const std::wstring folder = Folded(outputFolder);
  if (folder.empty()) return false;
  const std::wstring file = Folded(path);
  return file.size() > folder.size() + 1 && file.compare(0, folder.size(), folder) == 0 && file[folder.size()] == L'\\';
}

std::wstring ChoosePicture(const std::wstring& chosen, const std::wstring& currentWallpaper,
                           const std::wstring& outputFolder) {
  if (!chosen.empty() && !IsOwnOutput(chosen, outputFolder)) return chosen;
  if (!currentWallpaper.empty() && !IsOwnOutput(currentWallpaper, outputFolder)) return currentWallpaper;
  return L"";
}

std::optional<std::wstring> WallpaperToRemember(bool remembered, const std::wstring& currentWallpaper,
                                                const std::wstring& outputFolder) {
  if (remembered) return std::nullopt;
  return IsOwnOutput(currentWallpaper, outputFolder) ? L"" : currentWallpaper;
}

std::wstring NextOutputPath(const std::wstring& outputFolder, const std::wstring& currentWallpaper) {
  const std::wstring first = Joined(outputFolder, kFirstName);
  return Folded(currentWallpaper) == Folded(first) ? Joined(outputFolder, kSecondName) : first;
}

}  // namespace tezun::desk
