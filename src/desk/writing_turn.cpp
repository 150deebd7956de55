#include "writing_turn.h"

#include "desk_error.h"
#include "texts.h"

namespace tezun::desk {

NamedTurn::NamedTurn(const wchar_t* name, DWORD wait) : mutex_(CreateMutexW(nullptr, FALSE, name)) {
  // An owner that ended without giving it back leaves the turn to us.
  const DWORD waited = mutex_ ? WaitForSingleObject(mutex_.get(), wait) : WAIT_FAILED;
  held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

NamedTurn::~NamedTurn() {
  if (held_) ReleaseMutex(mutex_.get());
}

WritingTurn::WritingTurn() : turn_(L"Local\\TezunDesk.Writing", 60 * 1000) {
  if (!turn_.held()) throw DeskError{kExitUnwritable, Wide(kAnotherIsWriting)};
}

}  // namespace tezun::desk
