// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun {

const char kPlugInDisplayName[] = "アオゾラノマド";

const char kStoredOwnDaysTooLong[] =
    "保存されている自分の休日が長すぎる（64 KiB を超える）ため、読み込んでいません。"
    "カレンダーにも表示されません。";

}  // namespace tezun
