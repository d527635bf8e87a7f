#include "app/ansi_text_file.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace lumtar::app {
namespace {

TEST(AnsiTextFile, Windows1252ToUtf8AndBack) {
  struct {
    const char* ansi;
    const char* utf8;
  } const cases[] = {
      {"M\xE4rz", "M\xC3\xA4rz"},
      {"\xB0 \x80 \xDF", "\xC2\xB0 \xE2\x82\xAC \xC3\x9F"},  // degree, euro, sz
      {"plain", "plain"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeWindows1252(c.ansi), c.utf8) << c.ansi;
    EXPECT_EQ(EncodeWindows1252(c.utf8), c.ansi) << c.ansi;
  }
}

TEST(AnsiTextFile, WhatTheOtherSideCannotHoldBecomesAQuestionMark) {
  // 0x81 is undefined in Windows-1252.
  EXPECT_EQ(DecodeWindows1252("a\x81"
                              "b"),
            "a?b");
  // An arrow has no Windows-1252 byte; a stray continuation byte and a cut
  // sequence are no UTF-8; the next good character survives each.
  EXPECT_EQ(EncodeWindows1252("a\xE2\x86\x92"
                              "b"),
            "a?b");
  EXPECT_EQ(EncodeWindows1252("a\x80"
                              "b"),
            "a?b");
  EXPECT_EQ(EncodeWindows1252("a\xE2\x86"
                              "b"),
            "a?b");
  EXPECT_EQ(EncodeWindows1252("a\xC3"), "a?");
}

TEST(AnsiTextFile, LinesEndAtCrLfLfOrCr) {
  const std::vector<std::string> expected = {"a", "b", "", "c", "d"};
  EXPECT_EQ(SplitLines("a\r\nb\n\nc\rd"), expected);
  EXPECT_EQ(SplitLines("a\r\nb\n\nc\rd\r\n"), expected);
  EXPECT_EQ(JoinCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(AnsiTextFile, AtomicWriteReplacesOrKeepsTheFile) {
  testing::TempFolder dir;
  const auto file = dir / "a.txt";
  ASSERT_TRUE(WriteFileAtomically(file, "one"));
  EXPECT_EQ(testing::ReadBytes(file), "one");
  ASSERT_TRUE(WriteFileAtomically(file, "two"));
  EXPECT_EQ(testing::ReadBytes(file), "two");
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "a.txt", "x"));
  EXPECT_EQ(ReadFileBytes(dir / "missing"), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.path()), std::nullopt);  // a folder
}

}  // namespace
}  // namespace lumtar::app
