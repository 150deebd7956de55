// The plug-in's documented "Events" value at its default key, as any program may read and write
// it: the files and folders its events come from, what they hold now, and TezunDesk's folder of
// subscriptions named among them.
#pragma once

#include <string>
#include <vector>

#include "event_files.h"

namespace tezun::desk {

// What the value names now: the folders to watch, and the calendar files the plug-in reads with
// their sizes and times. Nothing when the value is missing, empty or no text.
struct EventFilesSeen {
  std::vector<std::wstring> folders;
  std::vector<FileStamp> stamps;
};
EventFilesSeen LookAtEventFiles();

// Names `folder` at the end of the value, in Shift-JIS as the plug-in reads it, unless a path of
// it already names the folder; the user's own paths stay as they are. A DeskError says why it
// cannot be (a folder Shift-JIS cannot spell, a value that is no text, a key that cannot be
// written).
void NameInPluginEvents(const std::wstring& folder);

// Takes `folder` out of the value, the user's own paths kept as they are; the value goes when
// nothing else is left in it. Quietly nothing when it cannot.
void UnnameInPluginEvents(const std::wstring& folder);

}  // namespace tezun::desk
