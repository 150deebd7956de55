#include "desk_log.h"

#include <cwchar>

namespace tezun::desk {

std::wstring LogLine(const LocalClock& when, const std::wstring& how, const std::wstring& words) {
  wchar_t stamp[32];
  std::swprintf(stamp, sizeof stamp / sizeof stamp[0], L"%04d-%02d-%02d %02d:%02d:%02d ", when.date.year,
                when.date.month, when.date.day, when.hour, when.minute, when.second);
  std::wstring line = stamp + how + L": ";
  bool gap = false;
  for (const wchar_t c : words) {
    if (c == L'\r' || c == L'\n') {
      gap = true;
      continue;
    }
    if (gap) line += L" / ";
    gap = false;
    line.push_back(c);
  }
  return line + L"\r\n";
}

std::string BoundedLog(const std::string& log, const std::string& line, size_t limit) {
  if (limit < 3) return "";
  std::string added = line;
  if (added.size() >= limit) {
    // Cut before a byte that continues a UTF-8 character, and end the line again.
    size_t cut = limit - 3;
    while (cut > 0 && (static_cast<unsigned char>(added[cut]) & 0xC0) == 0x80) --cut;
    added.resize(cut);
    added += "\r\n";
  }
  size_t start = 0;
  while (log.size() - start + added.size() >= limit) {
    const size_t end = log.find('\n', start);
    start = end == std::string::npos ? log.size() : end + 1;
  }
  return log.substr(start) + added;
}

}  // namespace tezun::desk
