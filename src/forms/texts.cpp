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
const char kOwnDaysButton[] = "自分の休日...";
const char kDayNotesGroup[] = "日付の下に表示";
const char kDayNamesCheck[] = "祝日・休日の名前";
const char kSolarTermsCheck[] = "二十四節気";
const char kRokuyoCheck[] = "六曜";
const char kZassetsuCheck[] = "雑節";
const char kEtoCheck[] = "干支";
const char kKaiunCheck[] = "開運日";
const char kMoonPhasesCheck[] = "月の満ち欠け";
const char kAdjacentDaysCheck[] = "前後の月の日付";
const char kWeekNumbersCheck[] = "週番号";
const char kEventsGroup[] = "予定";
const char kAddEvents[] = "追加...";
const char kRemoveEvents[] = "削除";

const char kAddEventFile[] = "ファイル...";
const char kAddEventFolder[] = "フォルダー...";
const char kEventFileFilter[] = "iCalendar ファイル (*.ics)\0*.ics\0すべてのファイル (*.*)\0*.*\0";
const char kEventFolderTitle[] = "予定のファイル (*.ics) があるフォルダーを選んでください。";
const char kPathNotShiftJis[] =
    "この場所の名前には Shift-JIS で表せない文字があるため、追加できません。"
    "ファイルやフォルダーの名前を変えてから選んでください。";
const char kPathWithSemicolon[] = "名前に ; がある場所は追加できません。名前を変えてから選んでください。";
const char kEventsTooLong[] = "予定の場所が多すぎて追加できません。合わせて 32 KiB までです。";

const char kOwnDaysCaption[] = "自分の休日";
const char kOwnDaysHint[] =
    "1行に1件。例: 2026-08-13..2026-08-16 夏休み、毎年なら 12-29..01-03 年末年始。"
    "先頭に - を付けると出勤日（休日でも平日の色）。";
const char kImportButton[] = "読み込み...";
const char kImportFilter[] = "祝日・休日の一覧 (*.csv;*.txt)\0*.csv;*.txt\0すべてのファイル (*.*)\0*.*\0";
const char kBadLines[] = "次の行を読み取れません。直してから OK を押してください。";
const char kBadLine[] = "%u 行目: %s";
const char kMoreBadLines[] = "ほか %u 行";
const char kCannotReadFile[] = "このファイルを読み込めません。";
const char kOwnDaysTooLong[] = "自分の休日が長すぎます。64 KiB までにしてください。";

}  // namespace tezun
