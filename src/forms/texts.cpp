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
const char kOptionsButton[] = "詳細設定...";

const char kOptionsCaption[] = "カレンダーの詳細設定";
const char kWeekStartGroup[] = "週の始まり";
const char kWeekStartsSunday[] = "日曜日";
const char kWeekStartsMonday[] = "月曜日";
const char kTitleGroup[] = "年月の表示";
const char kTitleNone[] = "表示しない";
const char kTitleWestern[] = "西暦";
const char kTitleEra[] = "和暦";
const char kTitleEnglish[] = "英語";
const char kPanelGroup[] = "背景のパネル";
const char kOpacity[] = "不透明度";
const char kColourButton[] = "色...";
const char kOutlineGroup[] = "文字の縁取り";
const char kOutlineCheck[] = "縁取りする";

}  // namespace tezun
