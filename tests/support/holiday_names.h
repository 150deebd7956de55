// The Shift-JIS bytes of the holiday names the tests expect, in hex as test::Bytes takes them.
#pragma once

#include <string>

#include "support/bytes.h"

namespace tezun::test::sjis {

inline const std::string kNewYearsDay = Bytes("8C B3 93 FA");                                    // 元日
inline const std::string kComingOfAgeDay = Bytes("90 AC 90 6C 82 CC 93 FA");                     // 成人の日
inline const std::string kFoundationDay = Bytes("8C 9A 8D 91 8B 4C 94 4F 82 CC 93 FA");          // 建国記念の日
inline const std::string kFoundationDayOfTheTable = Bytes("8C 9A 8D 91 8B 4C 94 4F 93 FA");      // 建国記念日
inline const std::string kEmperorsBirthday = Bytes("93 56 8D 63 92 61 90 B6 93 FA");             // 天皇誕生日
inline const std::string kGreeneryDay = Bytes("82 DD 82 C7 82 E8 82 CC 93 FA");                  // みどりの日
inline const std::string kShowaDay = Bytes("8F BA 98 61 82 CC 93 FA");                           // 昭和の日
inline const std::string kConstitutionDay = Bytes("8C 9B 96 40 8B 4C 94 4F 93 FA");              // 憲法記念日
inline const std::string kChildrensDay = Bytes("82 B1 82 C7 82 E0 82 CC 93 FA");                 // こどもの日
inline const std::string kMarineDay = Bytes("8A 43 82 CC 93 FA");                                // 海の日
inline const std::string kMountainDay = Bytes("8E 52 82 CC 93 FA");                              // 山の日
inline const std::string kAgedPeoplesDay = Bytes("8C 68 98 56 82 CC 93 FA");                     // 敬老の日
inline const std::string kHealthAndSportsDay = Bytes("91 CC 88 E7 82 CC 93 FA");                 // 体育の日
inline const std::string kSportsDay = Bytes("83 58 83 7C 81 5B 83 63 82 CC 93 FA");              // スポーツの日
inline const std::string kCultureDay = Bytes("95 B6 89 BB 82 CC 93 FA");                         // 文化の日
inline const std::string kLabourThanksgivingDay = Bytes("8B CE 98 4A 8A B4 8E D3 82 CC 93 FA");  // 勤労感謝の日
inline const std::string kVernalEquinoxDay = Bytes("8F 74 95 AA 82 CC 93 FA");                   // 春分の日
inline const std::string kAutumnalEquinoxDay = Bytes("8F 48 95 AA 82 CC 93 FA");                 // 秋分の日
inline const std::string kCrownPrinceAkihitosWedding =
    Bytes("8D 63 91 BE 8E 71 96 BE 90 6D 90 65 89 A4 82 CC 8C 8B 8D A5 82 CC 8B 56");  // 皇太子明仁親王の結婚の儀
inline const std::string kEmperorShowasFuneral =
    Bytes("8F BA 98 61 93 56 8D 63 82 CC 91 E5 91 72 82 CC 97 E7");  // 昭和天皇の大喪の礼
inline const std::string kEnthronementCeremony = Bytes("91 A6 88 CA 97 E7 90 B3 93 61 82 CC 8B 56");  // 即位礼正殿の儀
inline const std::string kCrownPrinceNaruhitosWedding =
    Bytes("8D 63 91 BE 8E 71 93 BF 90 6D 90 65 89 A4 82 CC 8C 8B 8D A5 82 CC 8B 56");  // 皇太子徳仁親王の結婚の儀
inline const std::string kEnthronementDay = Bytes("93 56 8D 63 82 CC 91 A6 88 CA 82 CC 93 FA");  // 天皇の即位の日
inline const std::string kSubstituteHoliday = Bytes("90 55 91 D6 8B 78 93 FA");                  // 振替休日
inline const std::string kCitizensHoliday = Bytes("8D 91 96 AF 82 CC 8B 78 93 FA");              // 国民の休日

}  // namespace tezun::test::sjis
