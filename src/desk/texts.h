// TezunDesk's interface texts, kept in Shift-JIS like the plug-in's; Wide() gives the UTF-16 that
// the wide Windows functions take, whatever the code page of the machine.
#pragma once

#include <optional>
#include <string>

namespace tezun::desk {

extern const char kTipName[];
extern const char kTitle[];
extern const char kMenuRefresh[];
extern const char kMenuSettings[];
extern const char kMenuPicture[];
extern const char kMenuAutostart[];
extern const char kMenuSubscribe[];
extern const char kMenuRestore[];
extern const char kMenuExit[];
extern const char kUsage[];
extern const char kPictureFilter[];

extern const char kCannotReadPicture[];
extern const char kNoSuchFile[];
extern const char kNotAPicture[];
extern const char kDamagedPicture[];
extern const char kTooLarge[];
extern const char kNoMemory[];
extern const char kCannotWrite[];
extern const char kCannotSet[];
extern const char kCannotLoadPlugin[];
extern const char kPluginLacks[];
extern const char kPluginGaveNothing[];
extern const char kAnotherIsWriting[];
extern const char kErrorCode[];
extern const char kSlideshowOn[];
extern const char kPaused[];
extern const char kNothingRemembered[];
extern const char kCannotRestore[];

extern const char kSubscribeTitle[];
extern const char kSubscribePrompt[];
extern const char kUnsubscribeText[];
extern const char kCancel[];
extern const char kAddressRefused[];
extern const char kAddressEmpty[];
extern const char kAddressNotWeb[];
extern const char kAddressPlainHttp[];
extern const char kAddressNoHost[];
extern const char kAddressBadPort[];
extern const char kAddressCredentials[];
extern const char kAddressBadCharacter[];
extern const char kNotSubscribed[];
extern const char kSubscriptionName[];
extern const char kCannotFetch[];
extern const char kCannotWriteCalendar[];
extern const char kNothingFetchedYet[];
extern const char kNotACalendar[];
extern const char kCalendarTooLarge[];
extern const char kServerAnswered[];
extern const char kCannotNameFolder[];
extern const char kFolderBeyondShiftJis[];
extern const char kEventsTooLong[];

// Shift-JIS bytes as UTF-16.
std::wstring Wide(const char* shiftJis);
// UTF-16 as Shift-JIS bytes; nothing when a character has no Shift-JIS form.
std::optional<std::string> ShiftJis(const std::wstring& text);

}  // namespace tezun::desk
