#include "calendar_answer.h"

namespace tezun::desk {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool StartsCaseless(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (size_t i = 0; i < start.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != start[i]) return false;
  }
  return true;
}

// A header's value that keeps to its line: no control character.
bool Sendable(const std::wstring& value) {
  if (value.empty()) return false;
  for (const wchar_t c : value) {
    if (c < L' ' || c == 0x7F) return false;
  }
  return true;
}

}  // namespace

std::wstring ConditionalHeaders(const FetchMemory& memory, bool haveCopy) {
  if (!haveCopy) return L"";
  std::wstring headers;
  if (Sendable(memory.etag)) headers += L"If-None-Match: " + memory.etag + L"\r\n";
  if (Sendable(memory.lastModified)) headers += L"If-Modified-Since: " + memory.lastModified + L"\r\n";
  return headers;
}

bool LooksLikeCalendar(std::string_view body) {
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  while (!body.empty() && Blank(body.front())) body.remove_prefix(1);
  while (!body.empty() && Blank(body.back())) body.remove_suffix(1);
  if (!StartsCaseless(body, "BEGIN:VCALENDAR")) return false;
  const size_t lastLine = body.find_last_of('\n');
  const std::string_view last = lastLine == std::string_view::npos ? body : body.substr(lastLine + 1);
  return last.size() == 13 && StartsCaseless(last, "END:VCALENDAR");
}

Answer JudgeAnswer(unsigned status, std::string_view body, bool haveCopy) {
  if (status == 304) return haveCopy ? Answer::Unchanged : Answer::Refused;
  if (status != 200) return Answer::Refused;
  if (body.size() > kLargestCalendar) return Answer::TooLarge;
  return LooksLikeCalendar(body) ? Answer::Changed : Answer::NotACalendar;
}

FetchMemory MemoryAfter(const FetchMemory& before, Answer answer, const FetchMemory& given) {
  switch (answer) {
    case Answer::Changed:
      return given;
    case Answer::Unchanged:
      return {given.etag.empty() ? before.etag : given.etag,
              given.lastModified.empty() ? before.lastModified : given.lastModified};
    case Answer::NotACalendar:
    case Answer::TooLarge:
    case Answer::Refused:
      return before;
  }
  return before;
}

}  // namespace tezun::desk
