#include <gtest/gtest.h>

#include "desk/failure_notice.h"

namespace tezun::desk {
namespace {

TEST(DeskFailureNotice, OneBalloonForAFailureThatRepeats) {
  FailureNotice notice;
  EXPECT_FALSE(notice.failing());
  EXPECT_TRUE(notice.Failed(L"cannot read a.png"));
  EXPECT_FALSE(notice.Failed(L"cannot read a.png")) << "the minute's check must not balloon again";
  EXPECT_TRUE(notice.failing());
  EXPECT_TRUE(notice.Failed(L"cannot write")) << "another failure is news";
  notice.Succeeded();
  EXPECT_FALSE(notice.failing());
  EXPECT_TRUE(notice.Failed(L"cannot write")) << "after a success, the same failure is news again";
}

TEST(DeskFailureNotice, TheTipHoldsWhatFits) {
  EXPECT_EQ(TipText(L"Tezun", L"", 128), L"Tezun");
  EXPECT_EQ(TipText(L"Tezun", L"a\r\nb", 128), L"Tezun: a  b");
  EXPECT_EQ(TipText(L"Tezun", L"abcdef", 10), L"Tezun: ab");
  EXPECT_EQ(TipText(L"Tezun", std::wstring(L"ab\xD83D\xDE00"), 11), L"Tezun: ab") << "no half of a pair";
  EXPECT_EQ(TipText(L"Tezun", L"x", 0), L"");
}

}  // namespace
}  // namespace tezun::desk
