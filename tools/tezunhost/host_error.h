// What tezunhost reports: one line on stderr and a non-zero exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace tezunhost {

class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 form of a wide text, for messages.
std::string Utf8(const std::wstring& text);

}  // namespace tezunhost
