// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun {

const char kCalenderCaption[] = "サイズ設定";

}  // namespace tezun
