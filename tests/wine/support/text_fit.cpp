#include "text_fit.h"

#include <sstream>
#include <vector>

namespace tezun::test {
namespace {

struct Measure {
  HDC dc;
  HGDIOBJ previous;
  explicit Measure(HWND control) : dc(GetDC(control)) {
    previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;
  ~Measure() {
    SelectObject(dc, previous);
    ReleaseDC(WindowFromDC(dc), dc);
  }
  SIZE Line(const std::string& text) const {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.right, r.bottom};
  }
  int WrappedHeight(const std::string& text, int width) const {
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r.bottom;
  }
};

std::string Text(HWND control) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Described(HWND control, const std::string& text, const std::string& why) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  std::ostringstream out;
  out << name << " " << GetDlgCtrlID(control) << " (" << text.size() << " bytes): " << why;
  return out.str();
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::string TextThatDoesNotFit(HWND control) {
  const std::string text = Text(control);
  if (text.empty()) return {};
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  RECT client{};
  GetClientRect(control, &client);
  const int width = client.right, height = client.bottom;
  const Measure measure(control);
  const int dpi = GetDeviceCaps(measure.dc, LOGPIXELSY);
  std::ostringstream why;

  if (lstrcmpiA(name, "Button") == 0) {
    const SIZE line = measure.Line(text);
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: {
        // The caption starts a few pixels in from the frame's corner and must end before the other.
        const int room = width - 2 * MulDiv(8, dpi, 96);
        if (line.cx > room) why << line.cx << " wide over " << room;
        break;
      }
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: {
        INT zero = 0;
        GetCharWidth32A(measure.dc, '0', '0', &zero);
        const int room = width - (12 * dpi / 96 + 1) - zero / 2;  // beside the box, half a digit away
        if (line.cx > room || line.cy > height)
          why << line.cx << " x " << line.cy << " over " << room << " x " << height;
        break;
      }
      default: {
        // Inside the frame the system draws two pixels wide, and clear of it by one more.
        const int room = width - 6, high = height - 4;
        if (line.cx > room || line.cy > high) why << line.cx << " x " << line.cy << " over " << room << " x " << high;
        break;
      }
    }
  } else if (lstrcmpiA(name, "Static") == 0) {
    const int needed = measure.WrappedHeight(text, width);
    if (needed > height) why << needed << " high over " << height;
  } else if (lstrcmpiA(name, "Edit") == 0 && (style & ES_MULTILINE)) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(measure.dc, &metrics);
    RECT format{};
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const auto lines = static_cast<int>(SendMessageA(control, EM_GETLINECOUNT, 0, 0));
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    const bool scrolls = (style & WS_VSCROLL) && GetScrollBarInfo(control, OBJID_VSCROLL, &bar) &&
                         !(bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
    if (!scrolls && lines * metrics.tmHeight > format.bottom - format.top) {
      why << lines << " lines of " << metrics.tmHeight << " over " << format.bottom - format.top << ", no scroll bar";
    }
  }
  return why.str().empty() ? std::string() : Described(control, text, why.str());
}

std::string TextsThatDoNotFit(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  std::string found;
  for (HWND child : children) {
    const std::string failure = TextThatDoesNotFit(child);
    if (!failure.empty()) found += failure + "\n";
  }
  return found;
}

}  // namespace tezun::test
