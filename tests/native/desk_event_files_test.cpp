#include <gtest/gtest.h>

#include "desk/event_files.h"
#include "desk/events_value.h"
#include "desk/schedule.h"

namespace tezun::desk {
namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(DeskEventFiles, TheFoldersWatched) {
  const std::vector<NamedPath> named = {
      {L"C:\\Users\\tomo\\Calendars", PathKind::Folder},
      {L"C:\\Users\\tomo\\Downloads\\work.ics", PathKind::File},
      {L"c:\\users\\TOMO\\calendars\\", PathKind::Folder},  // the same folder again
      {L"C:\\Users\\tomo\\Downloads\\home.ics", PathKind::File},
      {L"D:\\Later\\next.ics", PathKind::Missing},  // it will appear in D:\Later
      {L"E:\\top.ics", PathKind::File},
      {L"\\\\server\\share\\team.ics", PathKind::Missing},
  };
  const std::vector<std::wstring> expected = {L"C:\\Users\\tomo\\Calendars", L"C:\\Users\\tomo\\Downloads",
                                              L"D:\\Later", L"E:\\", L"\\\\server\\share"};
  EXPECT_EQ(WatchedFolders(named), expected);
  EXPECT_TRUE(WatchedFolders({}).empty());
}

TEST(DeskEventFiles, AFoldersParent) {
  struct Case {
    std::wstring path, parent;
  };
  const Case cases[] = {
      {L"C:\\a\\b.ics", L"C:\\a"},
      {L"C:/a/b/", L"C:/a"},
      {L"C:\\b.ics", L"C:\\"},
      {L"C:\\", L""},
      {L"b.ics", L""},
      {L"\\\\server\\share\\b.ics", L"\\\\server\\share"},
      {L"\\\\server\\share", L""},
      {L"\\\\server\\share\\d\\b.ics", L"\\\\server\\share\\d"},
  };
  for (const Case& c : cases) EXPECT_EQ(ParentFolder(c.path), c.parent) << Narrow(c.path);
}

TEST(DeskEventFiles, WhichFilesOfAFolderAreCalendars) {
  for (const wchar_t* name : {L"a.ics", L"B.ICS", L"予定.Ics"}) EXPECT_TRUE(IsCalendarName(name));
  for (const wchar_t* name : {L".ics", L"a.ics.partial", L"a.icsx", L"ics", L"a.vcs"})
    EXPECT_FALSE(IsCalendarName(name));
}

TEST(DeskEventFiles, AChangeMattersWhenACalendarIsAddedRemovedOrWritten) {
  const std::vector<FileStamp> composed = {{L"C:\\c\\a.ics", 100, 5}, {L"C:\\c\\b.ics", 200, 6}};
  struct Case {
    const char* what;
    std::vector<FileStamp> now;
    bool changed;
  };
  const Case cases[] = {
      {"nothing", composed, false},
      {"found in another order, in another case", {{L"c:\\C\\B.ics", 200, 6}, {L"C:\\c\\a.ics", 100, 5}}, false},
      {"written, the same size", {{L"C:\\c\\a.ics", 100, 7}, {L"C:\\c\\b.ics", 200, 6}}, true},
      {"written, another size", {{L"C:\\c\\a.ics", 101, 5}, {L"C:\\c\\b.ics", 200, 6}}, true},
      {"removed", {{L"C:\\c\\a.ics", 100, 5}}, true},
      {"added", {{L"C:\\c\\a.ics", 100, 5}, {L"C:\\c\\b.ics", 200, 6}, {L"C:\\c\\c.ics", 1, 1}}, true},
      {"renamed", {{L"C:\\c\\a.ics", 100, 5}, {L"C:\\c\\d.ics", 200, 6}}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(EventFilesChanged(composed, c.now), c.changed) << c.what;
}

TEST(DeskEventFiles, TheCalendarsFolderNamedInEventsAsAnyProgramWould) {
  const std::string folder = "C:\\Users\\tomo\\AppData\\Local\\TezunDesk\\Calendars";
  const NamesFolder isIt = [&](std::string_view path) { return path == folder; };
  struct Case {
    std::string value;
    std::optional<std::string> named;
  };
  // "\x95\x5C" is 表, whose second byte is a backslash: the user's paths are kept byte for byte.
  const Case cases[] = {
      {"", folder},
      {"  ", folder},
      {"D:\\\x95\x5C.ics", "D:\\\x95\x5C.ics;" + folder},
      {"D:\\a.ics ; E:\\b ;", "D:\\a.ics ; E:\\b ;" + folder},
      {"D:\\a.ics;\t", "D:\\a.ics;" + folder},
      {"D:\\a.ics; " + folder + " ", std::nullopt},  // named already: nothing is written
  };
  for (const Case& c : cases) EXPECT_EQ(EventsNaming(c.value, folder, isIt), c.named) << c.value;

  const Case unnamed[] = {
      {folder, ""},
      {"D:\\\x95\x5C.ics;" + folder, "D:\\\x95\x5C.ics"},
      {" " + folder + " ;D:\\a.ics; E:\\b", "D:\\a.ics; E:\\b"},
      {"D:\\a.ics;;E:\\b", std::nullopt},
  };
  for (const Case& c : unnamed) EXPECT_EQ(EventsNotNaming(c.value, isIt), c.named) << c.value;
  const std::vector<std::string> paths = {"D:\\a.ics", "E:\\b c", "\x95\x5C"};
  EXPECT_EQ(EventsPaths(" D:\\a.ics ;;\tE:\\b c; \x95\x5C;"), paths);

  // The plug-in reads up to 32 KiB and takes a longer value for none: adding the folder to a list
  // near the limit must be refused, not make the user's whole list vanish.
  const std::string full(kLongestEvents - folder.size() - 1, 'x');
  EXPECT_TRUE(EventsReadable(*EventsNaming(full, folder, isIt)));
  EXPECT_FALSE(EventsReadable(*EventsNaming(full + "x", folder, isIt)));
}

TEST(DeskEventFiles, AChangeInTheirFoldersComposesWhenTheFilesChanged) {
  constexpr LocalDate kToday{2026, 12, 9};
  EXPECT_FALSE(ComposesOn(DeskEvent::EventsChanged, kToday, kToday, false)) << "another file of the folder";
  EXPECT_TRUE(ComposesOn(DeskEvent::EventsChanged, kToday, kToday, true));
  EXPECT_TRUE(ComposesOn(DeskEvent::MinuteCheck, kToday, kToday, true)) << "seen by their time stamps";
  EXPECT_FALSE(ComposesOn(DeskEvent::MinuteCheck, kToday, kToday, false));
  EXPECT_EQ(NextStep(DeskEvent::EventsChanged, Seen::Ours, kToday, false, kToday, true), DeskStep::Compose);
  EXPECT_EQ(NextStep(DeskEvent::EventsChanged, Seen::Slideshow, kToday, false, kToday, true), DeskStep::Pause);
  // A burst of changes and a request waiting together: the request, which always composes.
  EXPECT_EQ(Gathered(DeskEvent::RefreshAsked, DeskEvent::EventsChanged), DeskEvent::RefreshAsked);
  EXPECT_EQ(Gathered(DeskEvent::WallpaperChanged, DeskEvent::EventsChanged), DeskEvent::EventsChanged);
}

}  // namespace
}  // namespace tezun::desk
