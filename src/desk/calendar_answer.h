// What a calendar server's answer means for the copy TezunDesk keeps of a subscription: asked
// conditionally, so that an unchanged calendar costs one short answer; written only when what came
// is a whole calendar, so that an error page or a cut answer never replaces the last good copy.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tezun::desk {

// The largest calendar accepted: years of a busy calendar are a few megabytes, and a 32-bit
// process must hold it whole before it is written.
constexpr uint64_t kLargestCalendar = uint64_t{50} << 20;

// What the server said of the copy kept, to ask next time whether it has changed since.
struct FetchMemory {
  std::wstring etag;          // its ETag, as it came (a weak one with its W/)
  std::wstring lastModified;  // its Last-Modified, as it came
  bool operator==(const FetchMemory&) const = default;
};

// The headers of the next request, each ended with CR LF: If-None-Match and If-Modified-Since
// for the copy kept, and none without a copy (an answer "not modified" would leave nothing to
// show). A remembered value that could break the request's lines is not sent.
std::wstring ConditionalHeaders(const FetchMemory& memory, bool haveCopy);

enum class Answer {
  Changed,       // a whole calendar: it replaces the copy
  Unchanged,     // 304: the copy stays as it is
  NotACalendar,  // a page or anything else that is not one whole calendar
  TooLarge,      // over kLargestCalendar
  Refused,       // any other status: an error of the server, a page gone, a login asked
};

// The answer of status `status` with `body`, for a request made with a copy kept or without.
Answer JudgeAnswer(unsigned status, std::string_view body, bool haveCopy);

// What is remembered after the answer: the new validators with a new copy (and with a 304 that
// sends them again), else those of the copy kept.
FetchMemory MemoryAfter(const FetchMemory& before, Answer answer, const FetchMemory& given);

// Whether the bytes are one whole iCalendar object: BEGIN:VCALENDAR at the start (after a UTF-8
// byte-order mark and blank lines) and END:VCALENDAR on the last line, in any case.
bool LooksLikeCalendar(std::string_view body);

}  // namespace tezun::desk
