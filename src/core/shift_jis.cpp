#include "shift_jis.h"

namespace tezun {

std::string_view TruncateShiftJis(std::string_view text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + (IsShiftJisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
    if (next > maxBytes || next > text.size()) break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace tezun
