#include "calendar_fetch.h"

#include <windows.h>
// after windows.h, which it needs
#include <winhttp.h>

#include <string_view>
#include <vector>

#include "desk_error.h"
#include "file_bytes.h"
#include "handles.h"
#include "texts.h"

namespace tezun::desk {
namespace {

inline void CloseInternet(HINTERNET handle) { WinHttpCloseHandle(handle); }
using Internet = Owned<HINTERNET, CloseInternet>;

// Each step waits this long at most, so that a server that stops answering ends the fetch.
constexpr int kResolveMs = 15000, kConnectMs = 15000, kSendMs = 15000, kReceiveMs = 30000;
constexpr DWORD kChunk = 64 * 1024;

struct Failed {
  std::wstring why;
};

Failed WinHttpFailure() { return {ErrorText(GetLastError(), L"winhttp.dll")}; }

// A session through the proxies Windows is set to use (discovered ones too, from Windows 8.1);
// none for the loopback address, which no proxy could reach for us.
Internet OpenSession(bool loopback) {
  constexpr wchar_t kAgent[] = L"TezunDesk";
  Internet session;
  if (loopback) {
    session.reset(WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  } else {
    session.reset(
        WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
      session.reset(
          WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    }
  }
  if (!session) throw WinHttpFailure();
  WinHttpSetTimeouts(session.get(), kResolveMs, kConnectMs, kSendMs, kReceiveMs);
  return session;
}

std::wstring TextHeader(HINTERNET request, DWORD which) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &size,
                      WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return L"";
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
    return L"";
  }
  text.resize(size / sizeof(wchar_t));
  return text;
}

DWORD NumberHeader(HINTERNET request, DWORD which, DWORD absent) {
  DWORD number = 0;
  DWORD size = sizeof number;
  if (!WinHttpQueryHeaders(request, which | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &number, &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return absent;
  }
  return number;
}

// The server's answer: its status, what it says of the calendar, and the body of a 200, unless it
// is larger than accepted.
struct Response {
  unsigned status = 0;
  FetchMemory given;
  std::vector<uint8_t> body;
  bool tooLarge = false;
};

Response Exchange(const SubscriptionAddress& address, const std::wstring& headers, const std::atomic<bool>& stop) {
  const Internet session = OpenSession(!address.secure);
  const Internet connection(WinHttpConnect(session.get(), address.host.c_str(), address.port, 0));
  if (!connection) throw WinHttpFailure();
  const Internet request(WinHttpOpenRequest(connection.get(), L"GET", address.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                            WINHTTP_DEFAULT_ACCEPT_TYPES, address.secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request) throw WinHttpFailure();
  const std::wstring all = L"Accept: text/calendar, */*;q=0.5\r\n" + headers;
  if (stop ||
      !WinHttpSendRequest(request.get(), all.c_str(), static_cast<DWORD>(all.size()), WINHTTP_NO_REQUEST_DATA, 0, 0,
                          0) ||
      !WinHttpReceiveResponse(request.get(), nullptr)) {
    throw WinHttpFailure();
  }
  Response response;
  response.status = NumberHeader(request.get(), WINHTTP_QUERY_STATUS_CODE, 0);
  response.given = {TextHeader(request.get(), WINHTTP_QUERY_ETAG),
                    TextHeader(request.get(), WINHTTP_QUERY_LAST_MODIFIED)};
  if (response.status != 200) return response;
  // A size announced over the limit is refused before a byte of it is read.
  const DWORD announced = NumberHeader(request.get(), WINHTTP_QUERY_CONTENT_LENGTH, 0);
  response.tooLarge = announced > kLargestCalendar;
  if (response.tooLarge) return response;
  response.body.reserve(announced);
  std::vector<uint8_t> chunk(kChunk);
  while (!stop) {
    DWORD read = 0;
    if (!WinHttpReadData(request.get(), chunk.data(), kChunk, &read)) throw WinHttpFailure();
    if (read == 0) return response;
    response.body.insert(response.body.end(), chunk.begin(), chunk.begin() + read);
    response.tooLarge = response.body.size() > kLargestCalendar;
    if (response.tooLarge) return response;
  }
  throw Failed{ErrorText(ERROR_CANCELLED)};
}

std::wstring Why(Answer answer, unsigned status) {
  switch (answer) {
    case Answer::Changed:
    case Answer::Unchanged:
      return L"";
    case Answer::NotACalendar:
      return Wide(kNotACalendar);
    case Answer::TooLarge:
      return Wide(kCalendarTooLarge);
    case Answer::Refused:
      return Wide(kServerAnswered) + std::to_wstring(status);
  }
  return L"";
}

}  // namespace

FetchReport FetchSubscription(const Subscription& subscription, const std::wstring& folder,
                              const std::atomic<bool>& stop) {
  FetchReport report{subscription.id, Answer::Refused, L""};
  const AddressReading reading = ReadSubscriptionAddress(subscription.address);
  if (!reading.address) {
    report.failure = Wide(kAddressRefused) + AddressFaultText(reading.fault);
    return report;
  }
  const std::wstring file = CalendarFile(folder, subscription.id);
  const bool haveCopy = GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
  report.haveCopy = haveCopy;
  try {
    const Response response = Exchange(*reading.address, ConditionalHeaders(subscription.memory, haveCopy), stop);
    const std::string_view body(reinterpret_cast<const char*>(response.body.data()), response.body.size());
    report.answer = response.tooLarge ? Answer::TooLarge : JudgeAnswer(response.status, body, haveCopy);
    report.failure = Why(report.answer, response.status);
    if (report.answer == Answer::Changed) {
      WriteWholeFile(file, response.body, kCannotWriteCalendar);
      report.haveCopy = true;
    }
    const FetchMemory memory = MemoryAfter(subscription.memory, report.answer, response.given);
    if (!(memory == subscription.memory)) RememberFetch(subscription.id, memory);
  } catch (const Failed& failed) {
    report.failure = failed.why;
  } catch (const DeskError& error) {
    report.failure = error.message;
  } catch (const std::exception&) {
    report.failure = Wide(kNoMemory);
  }
  return report;
}

std::wstring FailureWords(const std::vector<FetchReport>& reports) {
  std::wstring first;
  unsigned failed = 0;
  for (const FetchReport& report : reports) {
    if (report.failure.empty()) continue;
    if (failed++ == 0) {
      first = Wide(report.haveCopy ? kCannotFetch : kNothingFetchedYet) + SubscriptionName(report.id) + L": " +
              report.failure;
    }
  }
  return failed > 1 ? first + L" (+" + std::to_wstring(failed - 1) + L")" : first;
}

}  // namespace tezun::desk
