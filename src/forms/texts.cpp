// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun {

const char kCalenderCaption[] = "サイズ設定";

const char kSettingCaption[] = "カレンダーの設定";
const char kDialogFontName[] = "ＭＳ Ｐゴシック";
const char kWallpaperGroup[] = "壁紙の表示方法";
const char kCenter[] = "中央に表示";
const char kTile[] = "並べて表示";
const char kCenterAnchor[] = "中央を基準にする";
const char kCalendarGroup[] = "カレンダーの属性";
const char kDayOfWeekGroup[] = "曜日";
const char kJapaneseNames[] = "日本語表記";
const char kEnglishNames[] = "英語表記";
const char kTodayGroup[] = "当日の表記(文字色)";
const char kTransparent[] = "透明";
const char kColoured[] = "色指定";
const char kChoose[] = "選択";
const char kFontGroup[] = "フォントの設定";
const char kDayOfWeekFont[] = "曜日(色指定不可）";
const char kWeekdayFont[] = "平日";
const char kSaturdayFont[] = "土曜日";
const char kSundayFont[] = "日曜日";
const char kHolidayFont[] = "休日";
const char kBgColor[] = "背景色変更";
const char kPreview[] = "プレビュー";
const char kMemoText[] =
    "カレンダーを表示させたい\r\n"
    "位置に、カレンダーウィン\r\n"
    "ドウを動かしてください。サ\r\n"
    "イズの変更も可能です。\r\n"
    "\r\n"
    "表示位置およびサイズは\r\n"
    "あくまで目安ですので、プ\r\n"
    "レビューで確認してくださ\r\n"
    "い。";
const char kHolidayLawItem[] = "現行の祝日法で表示する";

}  // namespace tezun
