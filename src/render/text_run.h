// Texts of one font, drawn in as few calls as their colours allow. Under Wine each ExtTextOut costs
// about ten microseconds however short its text, and a calendar draws some seventy of them: the
// numbers of the weeks, say, go out together, each character placed where drawing the texts one by
// one would put it, so the picture is the same. A run goes on along a line and down to the lines
// below it, as long as no text of it would lie over another. Outlined, the run's texts get their
// ring in one call whatever their colours, then each colour its own call.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "graphics/canvas.h"

namespace tezun {

class TextRun {
 public:
  explicit TextRun(TCanvas& canvas) : canvas_(canvas) {}

  // Draws the text centred in the cell, in the canvas's font and colour and with no background
  // box. It may wait for the texts that follow it until Flush.
  void DrawCentred(const Rect& cell, std::string_view text);
  // The same for a text measured already in the canvas's font: its size, and where each byte's
  // character ends.
  void DrawCentred(const Rect& cell, std::string_view text, SIZE size, std::span<const int> ends);
  // Draws what waits. Before the canvas's font (but for its colour) changes, and before anything
  // else is drawn on it, so that every text lies under what is drawn after it.
  void Flush();

 private:
  // Where the waiting texts of one colour begin, in bytes of `text_`.
  struct Colour {
    size_t from;
    int32_t color;
  };

  TCanvas& canvas_;
  std::string text_;             // the waiting texts, one after the other
  std::vector<TextStep> steps_;  // from each byte's character to the next character
  std::vector<Colour> colours_;  // in order, each up to the next or the end
  int x_ = 0, y_ = 0;            // where the first waiting text starts
  int lineY_ = 0, lineEnd_ = 0;  // the line of the last waiting text, and where that text ends
  int lowest_ = 0;               // the bottom of the lowest waiting text
  std::vector<int> ends_;        // of the text being measured
};

// Tests draw every text by itself, to compare; the bench, to draw them again by bare calls.
void DrawTextsOneByOneForTesting(bool oneByOne);
bool TextsDrawnOneByOne();

}  // namespace tezun
