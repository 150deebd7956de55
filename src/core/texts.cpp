// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun {

const char kDefaultFontName[] = "ＭＳ ゴシック";

const char kCreateKeyFailed[] = "キー %s の作成に失敗しました";
const char kSetValueFailed[] = "'%s' の設定に失敗しました";
const char kFetchValueFailed[] = "'%s' の取得に失敗しました";
const char kBadValueType[] = "'%s' のデータ型が不正です";

}  // namespace tezun
