#include "picture_choice.h"

namespace tezun::desk {
namespace {

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  const wchar_t last = folder.back();
  return last == L'\\' || last == L'/' ? folder + name : folder + L'\\' + name;
}

// TezunDesk-1.bmp and TezunDesk-2.bmp for the first part, TezunDesk-1.monitor2.bmp and so on for
// the others.
std::wstring OutputName(int turn, size_t part) {
  const std::wstring monitor = part == 0 ? L"" : L".monitor" + std::to_wstring(part + 1);
  return L"TezunDesk-" + std::to_wstring(turn) + monitor + L".bmp";
}

}  // namespace

std::wstring FoldedPath(const std::wstring& path) {
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

bool SamePath(const std::wstring& a, const std::wstring& b) { return FoldedPath(a) == FoldedPath(b); }

bool IsOwnOutput(const std::wstring& path, const std::wstring& outputFolder) {
  const std::wstring folder = FoldedPath(outputFolder);
  if (folder.empty()) return false;
  const std::wstring file = FoldedPath(path);
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

std::wstring NextOutputPath(const std::wstring& outputFolder, const std::wstring& currentWallpaper, size_t part) {
  const std::wstring first = Joined(outputFolder, OutputName(1, part));
  return SamePath(currentWallpaper, first) ? Joined(outputFolder, OutputName(2, part)) : first;
}

}  // namespace tezun::desk
