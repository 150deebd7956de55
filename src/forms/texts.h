// The windows' Japanese texts, in Shift-JIS; texts.cpp is compiled as code page 932.
#pragma once

namespace tezun {

extern const char kCalenderCaption[];  // "サイズ設定": size setting

}  // namespace tezun
