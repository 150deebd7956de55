// The address of a calendar to subscribe to, as the user gives it: https, or webcal (which
// calendar programs mean as https), and plain http only to this machine itself, where nothing
// travels over a network. Read here once, into the parts the fetch uses, so that what is checked
// is what is connected to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tezun::desk {

struct SubscriptionAddress {
  bool secure = true;  // https; false only for the loopback address
  std::wstring host;   // a name or an address, an IPv6 address without its brackets, in lower case
  uint16_t port = 443;
  std::wstring path;  // the path and the query, "/" at least; never the fragment
  std::wstring text;  // the whole address in one spelling: https://host[:port]/path?query
  bool operator==(const SubscriptionAddress&) const = default;
};

// Why an address is refused.
enum class AddressFault {
  None,
  Empty,
  NotWeb,     // no https://, webcal:// or http:// at its start
  PlainHttp,  // http:// to another machine: the calendar (and the address's secret) would travel open
  NoHost,
  BadPort,
  Credentials,   // user:password@ in the address: it would be sent to whatever the host is
  BadCharacter,  // a space or a control character
};

struct AddressReading {
  std::optional<SubscriptionAddress> address;
  AddressFault fault = AddressFault::None;
};

// Reads an address: spaces around it are dropped, the scheme and the host are taken in any case,
// webcal:// and webcals:// are https, the fragment (#...) is left out.
AddressReading ReadSubscriptionAddress(std::wstring_view text);

// Whether a host is this machine itself: 127.0.0.1, ::1 or localhost.
bool IsLoopbackHost(std::wstring_view host);

}  // namespace tezun::desk
