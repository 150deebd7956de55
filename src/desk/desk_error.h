// A failure of TezunDesk's work, in words, with the exit status it gives the command line.
#pragma once

#include <string>

#include "command_line.h"

namespace tezun::desk {

struct DeskError {
  DeskExit exit;
  std::wstring message;
};

// The words Windows has for an error code, else its number.
std::wstring ErrorText(unsigned long code);

}  // namespace tezun::desk
