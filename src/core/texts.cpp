// Compiled with -fexec-charset=CP932: every narrow literal here becomes Shift-JIS.
#include "texts.h"

namespace tezun {

const char kDefaultFontName[] = "ＭＳ ゴシック";

const char kCreateKeyFailed[] = "キー %s の作成に失敗しました";
const char kSetValueFailed[] = "'%s' の設定に失敗しました";
const char kFetchValueFailed[] = "'%s' の取得に失敗しました";
const char kBadValueType[] = "'%s' のデータ型が不正です";

const char kJpegErrorFormat[] = "JPEG エラー #%d";

// StartYear, EndYear, Month, Day (0: a weekday rule), WeekNo, DayOfWeekNo (1 = Sunday), Name.
const char kHolidayTableText[] =
    "1949,9999,1,1,0,0,元日\r\n"
    "1949,1999,1,15,0,0,成人の日\r\n"
    "2000,9999,1,0,2,2,成人の日\r\n"
    "1967,9999,2,11,0,0,建国記念日\r\n"
    "1949,9999,4,29,0,0,みどりの日\r\n"
    "1949,9999,5,3,0,0,憲法記念日\r\n"
    "1986,9999,5,4,0,0,国民の休日\r\n"
    "1949,9999,5,5,0,0,こどもの日\r\n"
    "1996,2002,7,20,0,0,海の日\r\n"
    "2003,9999,7,0,3,2,海の日\r\n"
    "1967,2002,9,15,0,0,敬老の日\r\n"
    "2003,9999,9,0,3,2,敬老の日\r\n"
    "1967,1999,10,10,0,0,体育の日\r\n"
    "2000,9999,10,0,2,2,体育の日\r\n"
    "1949,9999,11,3,0,0,文化の日\r\n"
    "1949,9999,11,23,0,0,勤労感謝の日\r\n"
    "1989,9999,12,23,0,0,天皇誕生日";
const unsigned kHolidayTableTextSize = sizeof kHolidayTableText - 1;

const char kVernalEquinoxDay[] = "春分の日";
const char kAutumnalEquinoxDay[] = "秋分の日";

const char kNewYearsDay[] = "元日";
const char kComingOfAgeDay[] = "成人の日";
const char kFoundationDay[] = "建国記念の日";
const char kEmperorsBirthday[] = "天皇誕生日";
const char kGreeneryDay[] = "みどりの日";
const char kShowaDay[] = "昭和の日";
const char kConstitutionDay[] = "憲法記念日";
const char kChildrensDay[] = "こどもの日";
const char kMarineDay[] = "海の日";
const char kMountainDay[] = "山の日";
const char kAgedPeoplesDay[] = "敬老の日";
const char kHealthAndSportsDay[] = "体育の日";
const char kSportsDay[] = "スポーツの日";
const char kCultureDay[] = "文化の日";
const char kLabourThanksgivingDay[] = "勤労感謝の日";
const char kCrownPrinceAkihitosWedding[] = "皇太子明仁親王の結婚の儀";
const char kEmperorShowasFuneral[] = "昭和天皇の大喪の礼";
const char kEnthronementCeremony[] = "即位礼正殿の儀";
const char kCrownPrinceNaruhitosWedding[] = "皇太子徳仁親王の結婚の儀";
const char kEnthronementDay[] = "天皇の即位の日";
const char kSubstituteHoliday[] = "振替休日";
const char kCitizensHoliday[] = "国民の休日";

const char kYearSuffix[] = "年";
const char kMonthSuffix[] = "月";
const char kFirstEraYear[] = "元年";
const char kEraMeiji[] = "明治";
const char kEraTaisho[] = "大正";
const char kEraShowa[] = "昭和";
const char kEraHeisei[] = "平成";
const char kEraReiwa[] = "令和";
const char* const kEnglishMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};

const char kOldCalendarMark[] = "旧";
const char kLeapMonthMark[] = "閏";
const char kDaySuffix[] = "日";
const char* const kRokuyoNames[6] = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};
const char* const kSolarTermNames[24] = {"小寒", "大寒", "立春", "雨水", "啓蟄", "春分", "清明", "穀雨",
                                         "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑",
                                         "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
const char* const kStemNames[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranchNames[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kZassetsuNames[11] = {"節分",       "彼岸入り", "彼岸明け", "社日",     "八十八夜", "二百十日",
                                        "二百二十日", "入梅",     "半夏生",   "土用入り", "土用の丑"};
const char* const kKaiunNames[5] = {"一粒万倍日", "天赦日", "寅の日", "巳の日", "己巳の日"};
const char* const kMoonPhaseNames[4] = {"新月", "上弦", "満月", "下弦"};
const char kOwnDayFileNotText[] =
    "このファイルは読み取れる形のテキストではありません。Shift-JIS、UTF-8 または UTF-16 (Unicode "
    "テキスト) で保存したファイルを選んでください。何も追加しませんでした。";
const char kOwnDayFileNoShiftJisForm[] =
    "このファイルの %u 行目に Shift-JIS で表せない文字 (? の所) があります。その文字を直してから読み込んで"
    "ください。何も追加しませんでした。\r\n%s";
const char kOwnDayFileUnreadableLine[] = "このファイルの %u 行目を読み取れません。何も追加しませんでした。\r\n%s";

const char kUnshownCharacter[] = "・";
const char kAllDay[] = "終日";
const char kContinued[] = "続き";
const char kWeekHeader[] = "週";

const char* const DayNamesJapanese[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const DayNamesEnglish[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

}  // namespace tezun
