#include "text_bench.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "bench_calendars.h"
#include "graphics/bitmap.h"
#include "graphics/drawing.h"
#include "render/calendar_renderer.h"
#include "render/kept_calendar.h"
#include "render/text_run.h"
#include "trial.h"

namespace tezunhost {
namespace {

using tezun::Drawing;
using tezun::TCalendarSettings;

// The texts one drawing of a calendar puts on the picture, each as it would be drawn by itself
// (an outlined one as its eight copies in the outline's colour and then itself), drawn again by a
// bare loop: a call each, the fonts made once beforehand, each selected where it changes.
class BareTexts {
 public:
  BareTexts(tezun::TCanvas& canvas, const tezun::Rect& rect, const TCalendarSettings& settings) {
    tezun::DrawTextsOneByOneForTesting(true);
    tezun::RenderCalendar(canvas, rect, settings, kSomeDay);
    tezun::DrawTextsOneByOneForTesting(false);
    const Drawing& drawing = tezun::KeptCalendar();
    texts_ = drawing.Texts();
    std::vector<size_t> made;  // the drawing's fonts, in the order made
    for (Drawing::Text& text : texts_) {
      size_t index = 0;
      while (index < made.size() && made[index] != text.font) ++index;
      if (index == made.size()) {
        made.push_back(text.font);
        const LOGFONTA& font = drawing.Font(text.font);
        fonts_.emplace_back(CreateFontIndirectA(&font));
      }
      text.font = index;
    }
  }

  size_t Count() const { return texts_.size(); }

  void DrawOn(HDC dc) const {
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
    HFONT selected = nullptr;
    COLORREF color = CLR_INVALID;
    for (const Drawing::Text& text : texts_) {
      if (fonts_[text.font].get() != selected) SelectObject(dc, selected = fonts_[text.font].get());
      if (text.color != color) SetTextColor(dc, color = text.color);
      ExtTextOutA(dc, text.x, text.y, 0, nullptr, text.bytes.data(), static_cast<UINT>(text.bytes.size()), nullptr);
    }
    SelectObject(dc, original);
  }

 private:
  std::vector<Drawing::Text> texts_;
  std::vector<tezun::FontHandle> fonts_;
};

struct Row {
  std::string name;
  tezun::Rect rect;
  TCalendarSettings settings;
  size_t firstTrial = 0;  // the renderer, the renderer laying out anew, the bare texts
  size_t texts = 0;
  size_t kept = 0;  // bytes
};

}  // namespace

void CalendarAgainstBareTexts(SIZE screen) {
  tezun::TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(screen.cx, screen.cy);
  tezun::TCanvas& canvas = picture.Canvas();
  canvas.Brush.Color = 0x808080;
  canvas.FillRect({0, 0, screen.cx, screen.cy});

  char size[32];
  std::snprintf(size, sizeof size, "%ldx%ld", screen.cx, screen.cy);
  const struct {
    std::string name;
    tezun::Rect rect;
  } places[] = {{size, {0, 0, screen.cx, screen.cy}}, {"200x200", {0, 0, 200, 200}}};
  const struct {
    const char* name = nullptr;
    TCalendarSettings settings;
  } kinds[] = {{"plain", tezun::DefaultSettings()},
               {"every option", WithTextOptions(false)},
               {"every option, the almanac", WithTextOptions(true)}};

  std::vector<Row> rows;
  std::deque<BareTexts> bare;  // where they were made: the trials draw them
  std::vector<Trial> trials;
  for (const auto& place : places) {
    for (const auto& kind : kinds) {
      for (const bool outlined : {false, true}) {
        Row row{place.name + " " + kind.name + (outlined ? ", outlined" : ""), place.rect, kind.settings};
        row.settings.Outline = outlined ? 1 : 0;
        row.firstTrial = trials.size();
        const BareTexts& texts = bare.emplace_back(canvas, row.rect, row.settings);
        row.texts = texts.Count();
        tezun::RenderCalendar(canvas, row.rect, row.settings, kSomeDay);
        row.kept = tezun::KeptCalendarBytes();
        const auto draw = [&canvas, rect = row.rect, settings = row.settings] {
          tezun::RenderCalendar(canvas, rect, settings, kSomeDay);
        };
        // Drawn once untimed first, as by the call before: what a host's call with nothing changed costs.
        trials.push_back({row.name, draw, draw, nullptr, {}});
        trials.push_back({row.name + ", laid out anew", [] { tezun::ForgetKeptCalendar(); }, draw, nullptr, {}});
        trials.push_back(
            {row.name + ", bare", nullptr, [&canvas, &texts] { texts.DrawOn(canvas.Handle()); }, nullptr, {}});
        rows.push_back(std::move(row));
      }
    }
  }
  RunSideBySide(trials, screen.cx > 2000 ? 11 : 21);
  std::printf("\nthe calendar against bare ExtTextOut drawing of the texts it puts on the picture, each by itself:\n");
  for (const Row& row : rows) {
    const double kept = trials[row.firstTrial].Median(), anew = trials[row.firstTrial + 1].Median(),
                 floor = trials[row.firstTrial + 2].Median();
    std::printf(
        "%-40s renderer %6.3f ms (laid out anew %6.3f ms, %5.1f KB kept) against bare ExtTextOut drawing of "
        "its %4zu texts %6.3f ms: ratio %.2f\n",
        row.name.c_str(), kept * 1e3, anew * 1e3, static_cast<double>(row.kept) / 1024.0, row.texts, floor * 1e3,
        kept / floor);
  }
}

}  // namespace tezunhost
