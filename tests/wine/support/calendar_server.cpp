#include "support/calendar_server.h"

#include <ws2tcpip.h>

#include <utility>

namespace tezun::desk::test {

CalendarServer::CalendarServer() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener_, 8) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  arrived_ = WSACreateEvent();
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  WSAEventSelect(listener_, arrived_, FD_ACCEPT);
  thread_ = std::thread([this] { Serve(); });
}

void CalendarServer::Answer(ServerAnswer answer) {
  const std::lock_guard<std::mutex> guard(lock_);
  answer_ = std::move(answer);
}

std::vector<std::string> CalendarServer::Requests() {
  const std::lock_guard<std::mutex> guard(lock_);
  return requests_;
}

void CalendarServer::Stop() {
  if (listener_ == INVALID_SOCKET) return;
  if (stop_) SetEvent(stop_);
  if (thread_.joinable()) thread_.join();
  closesocket(listener_);  // nothing listens on the port now: a connection is refused
  listener_ = INVALID_SOCKET;
  if (arrived_ != WSA_INVALID_EVENT) WSACloseEvent(arrived_);
  if (stop_) CloseHandle(stop_);
  WSACleanup();
}

void CalendarServer::Serve() {
  const HANDLE events[] = {stop_, arrived_};
  while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
    WSAResetEvent(arrived_);
    for (;;) {
      const SOCKET connection = accept(listener_, nullptr, nullptr);
      if (connection == INVALID_SOCKET) break;  // none waiting now
      // An accepted socket takes the listener's event selection and its non-blocking mode.
      WSAEventSelect(connection, nullptr, 0);
      u_long blocking = 0;
      ioctlsocket(connection, FIONBIO, &blocking);
      Reply(connection);
      closesocket(connection);
    }
  }
}

void CalendarServer::Reply(SOCKET connection) {
  std::string head;
  char chunk[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    const int got = recv(connection, chunk, sizeof chunk, 0);
    if (got <= 0) return;
    head.append(chunk, static_cast<size_t>(got));
    if (head[0] < 'A' || head[0] > 'Z') return;  // a TLS handshake, which this server does not speak
  }
  ServerAnswer answer;
  {
    const std::lock_guard<std::mutex> guard(lock_);
    requests_.push_back(head);
    answer = answer_;
  }
  const bool notModified =
      !answer.etag.empty() && head.find("If-None-Match: " + answer.etag + "\r\n") != std::string::npos;
  if (notModified) answer = {304, answer.etag, "", ""};
  std::string reply = "HTTP/1.1 " + std::to_string(answer.status) + " Answer\r\nConnection: close\r\n";
  if (!answer.etag.empty()) reply += "ETag: " + answer.etag + "\r\n";
  if (answer.headers.find("Content-Length:") == std::string::npos && answer.status != 304) {
    reply += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
  }
  reply += answer.headers + "\r\n" + answer.body;
  for (size_t sent = 0; sent < reply.size();) {
    const int put = send(connection, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
    if (put <= 0) return;
    sent += static_cast<size_t>(put);
  }
  shutdown(connection, SD_SEND);
}

}  // namespace tezun::desk::test
