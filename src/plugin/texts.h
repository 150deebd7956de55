// The plug-in's information texts, in Shift-JIS; texts.cpp is compiled as code page 932.
#pragma once

namespace tezun {

extern const char kPlugInDisplayName[];  // "アオゾラノマド", 14 bytes

}  // namespace tezun
