// The plug-in's information texts, in Shift-JIS; texts.cpp is compiled as code page 932.
#pragma once

namespace tezun {

extern const char kPlugInDisplayName[];  // "アオゾラノマド", 14 bytes

// The settings dialog is opened with a stored list of own days too long to read.
extern const char kStoredOwnDaysTooLong[];

}  // namespace tezun
