// A calendar server on 127.0.0.1 for TezunDesk's subscriptions: it answers every request as it is
// told to (and "not modified" to one that names its ETag), keeps the requests it had, and refuses
// connections once stopped.
#pragma once

#include <winsock2.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tezun::desk::test {

struct ServerAnswer {
  int status = 200;
  std::string etag;     // sent as its ETag; a request with If-None-Match and it gets a 304
  std::string headers;  // other lines, each ended with CR LF (a Content-Length of its own among them)
  std::string body;
};

class CalendarServer {
 public:
  CalendarServer();
  CalendarServer(const CalendarServer&) = delete;
  CalendarServer& operator=(const CalendarServer&) = delete;
  ~CalendarServer() { Stop(); }

  uint16_t port() const { return port_; }
  // The answer to every request from now on.
  void Answer(ServerAnswer answer);
  // The heads of the requests it had, in order.
  std::vector<std::string> Requests();
  // Ends listening: connections are refused from now on.
  void Stop();

 private:
  void Serve();
  void Reply(SOCKET connection);

  SOCKET listener_ = INVALID_SOCKET;
  WSAEVENT arrived_ = WSA_INVALID_EVENT;
  HANDLE stop_ = nullptr;
  uint16_t port_ = 0;
  std::mutex lock_;
  ServerAnswer answer_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace tezun::desk::test
