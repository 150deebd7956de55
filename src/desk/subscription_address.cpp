#include "subscription_address.h"

#include <algorithm>

namespace tezun::desk {
namespace {

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

std::wstring_view Trimmed(std::wstring_view text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

AddressReading Refused(AddressFault fault) { return {std::nullopt, fault}; }

// The port's digits, 1 to 65535; nothing for anything else.
std::optional<uint16_t> Port(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  if (value == 0 || value > 65535) return std::nullopt;
  return static_cast<uint16_t>(value);
}

}  // namespace

bool IsLoopbackHost(std::wstring_view host) {
  const std::wstring lower = Lower(host);
  return lower == L"127.0.0.1" || lower == L"::1" || lower == L"localhost";
}

AddressReading ReadSubscriptionAddress(std::wstring_view text) {
  text = Trimmed(text);
  if (text.empty()) return Refused(AddressFault::Empty);
  for (const wchar_t c : text) {
    if (c <= L' ' || c == 0x7F) return Refused(AddressFault::BadCharacter);
  }
  const size_t schemeEnd = text.find(L"://");
  if (schemeEnd == std::wstring_view::npos) return Refused(AddressFault::NotWeb);
  const std::wstring scheme = Lower(text.substr(0, schemeEnd));
  SubscriptionAddress address;
  if (scheme == L"http") {
    address.secure = false;
  } else if (scheme != L"https" && scheme != L"webcal" && scheme != L"webcals") {
    return Refused(AddressFault::NotWeb);
  }

  const std::wstring_view rest = text.substr(schemeEnd + 3);
  const size_t authorityEnd = std::min(rest.find_first_of(L"/?#"), rest.size());
  const std::wstring_view authority = rest.substr(0, authorityEnd);
  std::wstring_view path = rest.substr(authorityEnd);
  path = path.substr(0, std::min(path.find(L'#'), path.size()));
  if (authority.find(L'@') != std::wstring_view::npos) return Refused(AddressFault::Credentials);

  // The host, an IPv6 address in brackets, then the port after a colon.
  std::wstring_view host = authority;
  std::wstring_view port;
  const bool bracketed = !authority.empty() && authority.front() == L'[';
  if (bracketed) {
    const size_t close = authority.find(L']');
    if (close == std::wstring_view::npos) return Refused(AddressFault::NoHost);
    host = authority.substr(1, close - 1);
    const std::wstring_view after = authority.substr(close + 1);
    if (!after.empty() && after.front() != L':') return Refused(AddressFault::NoHost);
    if (!after.empty()) port = after.substr(1);
  } else if (const size_t colon = authority.find(L':'); colon != std::wstring_view::npos) {
    host = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  if (host.empty()) return Refused(AddressFault::NoHost);
  address.host = Lower(host);
  const uint16_t usual = address.secure ? 443 : 80;
  address.port = usual;
  if (!port.empty()) {
    const auto number = Port(port);
    if (!number) return Refused(AddressFault::BadPort);
    address.port = *number;
  }
  if (!address.secure && !IsLoopbackHost(address.host)) return Refused(AddressFault::PlainHttp);

  address.path = path.empty() || path.front() != L'/' ? L"/" + std::wstring(path) : std::wstring(path);
  address.text = (address.secure ? L"https://" : L"http://") + (bracketed ? L"[" + address.host + L"]" : address.host) +
                 (address.port == usual ? L"" : L":" + std::to_wstring(address.port)) + address.path;
  return {address, AddressFault::None};
}

}  // namespace tezun::desk
