#include "failure_notice.h"

namespace tezun::desk {

bool FailureNotice::Failed(const std::wstring& message) {
  if (message == told_) return false;
  told_ = message;
  return true;
}

std::wstring TipText(const std::wstring& name, const std::wstring& failure, size_t capacity) {
  std::wstring tip = failure.empty() ? name : name + L": " + failure;
  for (wchar_t& c : tip) {
    if (c == L'\r' || c == L'\n') c = L' ';
  }
  if (capacity == 0) return L"";
  if (tip.size() >= capacity) {
    tip.resize(capacity - 1);
    // Never end on the first half of a surrogate pair.
    if (!tip.empty() && tip.back() >= 0xD800 && tip.back() <= 0xDBFF) tip.pop_back();
  }
  return tip;
}

}  // namespace tezun::desk
