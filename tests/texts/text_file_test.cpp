#include "texts/text_file.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtar::texts {
namespace {

TEST(TextFile, ReadsEntriesCommentsAndEscapes) {
  const TextFile file = ParseTextFile(
      "\xEF\xBB\xBF# a comment\n"
      "\n"
      "7\t\"  Zwei\\r\\nZeilen \"\t\"  Two\\r\\nlines \"\r\n"
      "12\t\"Tab\\there, \\\"quoted\\\", back\\\\slash\"\t\"ä\"\n",
      "demo.tsv");
  ASSERT_TRUE(file.errors.empty()) << file.errors.front();
  ASSERT_EQ(file.entries.size(), 2u);
  EXPECT_EQ(file.entries[0].id, 7);
  EXPECT_EQ(file.entries[0].german, "  Zwei\r\nZeilen ");
  EXPECT_EQ(file.entries[0].english, "  Two\r\nlines ");
  EXPECT_EQ(file.entries[0].line, 3);
  EXPECT_EQ(file.entries[1].german, "Tab\there, \"quoted\", back\\slash");
  EXPECT_EQ(file.entries[1].english, "\xC3\xA4");
}

struct BadLine {
  const char* line;
  const char* message;
};
const BadLine kBadLines[] = {
    {"1\t\"eins\"", "found 2 field(s)"},
    {"x\t\"a\"\t\"b\"", "not a whole number"},
    {"1\teins\t\"one\"", "German text: a text must stand in double quotes"},
    {"1\t\"eins\"\t\"o\"ne\"", "English text: a double quote inside"},
    {"1\t\"ein\\s\"\t\"one\"", "unknown escape \\s"},
    {"1\t\"eins\\\"\t\"one\"", "lone backslash"},
    {"1\t\"\"\t\"one\"", "empty text"},
    {"1\t\"\xC3\"\t\"one\"", "not valid UTF-8"},
    {"1\t\"\xE4\"\t\"one\"", "not valid UTF-8"},
};

TEST(TextFile, ReportsEveryMalformedLineWithItsPlace) {
  for (const BadLine& bad : kBadLines) {
    const TextFile file =
        ParseTextFile(std::string("# header\n") + bad.line + "\n", "t.tsv");
    ASSERT_EQ(file.errors.size(), 1u) << bad.line;
    EXPECT_TRUE(file.entries.empty()) << bad.line;
    EXPECT_EQ(file.errors[0].rfind("t.tsv:2: ", 0), 0u) << file.errors[0];
    EXPECT_NE(file.errors[0].find(bad.message), std::string::npos)
        << file.errors[0];
  }
}

TEST(TextFile, RejectsRepeatedIdsAndIdsOutsideTheTable) {
  const TextFile file = ParseTextFile(
      "71\t\"a\"\t\"b\"\n72\t\"c\"\t\"d\"\n71\t\"e\"\t\"f\"\n", "m.tsv");
  ASSERT_EQ(file.errors.size(), 1u);
  EXPECT_EQ(file.errors[0], "m.tsv:3: id 71 occurs twice");
  const auto errors = CheckTableIds(TableId::kMessage, file.entries, "m.tsv");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "m.tsv:2: id 72 lies outside the ids of MessageTable");
  EXPECT_TRUE(CheckTableIds(TableId::kText, file.entries, "t.tsv").empty());
}

TEST(TextFile, CompleteTablesMustHoldEveryId) {
  TextFile file;
  for (int id = 1; id <= 12; ++id) file.entries.push_back({id, "a", "b", id});
  const auto errors = CheckTableIds(TableId::kMonth, file.entries, "months");
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.front(), "months: Months lacks id 101");
}

TEST(TextFile, CppLiteralBodyEscapesQuotesControlsAndNonAscii) {
  EXPECT_EQ(CppLiteralBody("a\"b\\c\r\n\t"), "a\\\"b\\\\c\\r\\n\\t");
  EXPECT_EQ(CppLiteralBody("\xC3\xBC"
                           "1"),
            "\\303\\2741");
  EXPECT_EQ(CppLiteralBody(std::string("\x01", 1)), "\\001");
}

}  // namespace
}  // namespace lumtar::texts
