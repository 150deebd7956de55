// How a failure that happened on its own is told: always in the icon's tip, and in one balloon,
// not one a minute while the same thing keeps failing.
#pragma once

#include <string>

namespace tezun::desk {

class FailureNotice {
 public:
  // The failure `message` happened; true when a balloon is to show it.
  bool Failed(const std::wstring& message);
  // A composition succeeded: the next failure is news again.
  void Succeeded() { told_.clear(); }
  bool failing() const { return !told_.empty(); }

 private:
  std::wstring told_;
};

// The icon's tip: the name, and the failure when there is one, cut to what the tip holds
// (`capacity` characters with the terminating NUL).
std::wstring TipText(const std::wstring& name, const std::wstring& failure, size_t capacity);

}  // namespace tezun::desk
