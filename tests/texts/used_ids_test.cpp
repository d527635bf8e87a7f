// Every text id that the program's source asks for with a literal number
// must exist in both languages. The source tree is scanned for the lookup
// calls, so a new call with an id that the tables lack fails here, at test
// time, instead of showing a missing text at run time. (Lookups through a
// variable are checked where they run: a missing id stops debug builds.)

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "texts/text_data.h"

namespace lumtar::texts {
namespace {

struct TextUse {
  TableId table;
  int id;
  std::string where;  // "file:line"
};

int LineOf(const std::string& source, std::ptrdiff_t position) {
  return 1 + static_cast<int>(
                 std::count(source.begin(), source.begin() + position, '\n'));
}

TableId PairTableOf(const std::string& name) {
  if (name == "Title") return TableId::kTitle;
  if (name == "Phrase") return TableId::kPhrase;
  return TableId::kMessage;
}

// The text ids that the calls with literal arguments in `source` ask for.
std::vector<TextUse> FindTextUses(const std::string& source,
                                  const std::string& file) {
  std::vector<TextUse> uses;
  const auto each = [&](const std::regex& pattern, auto&& add) {
    for (auto it = std::sregex_iterator(source.begin(), source.end(), pattern);
         it != std::sregex_iterator(); ++it) {
      const std::string where =
          file + ":" + std::to_string(LineOf(source, it->position()));
      add(*it, where);
    }
  };
  const auto number = [](const std::ssub_match& m) { return std::stoi(m); };

  each(std::regex(R"(\b(Message|Phrase|Title)Text\s*\(\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         uses.push_back({PairTableOf(m[1]), number(m[2]), where});
       });
  each(
      std::regex(
          R"(\bPairText\s*\(\s*(?:texts::)?PairTable::k(\w+)\s*,\s*(\d+)\s*,)"),
      [&](const std::smatch& m, const std::string& where) {
        uses.push_back({PairTableOf(m[1]), number(m[2]), where});
      });
  each(std::regex(R"(\bTwoLineMessage\s*\(\s*(\d+)\s*,\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         uses.push_back({TableId::kMessage, number(m[1]), where});
         uses.push_back({TableId::kMessage, number(m[2]), where});
       });
  each(std::regex(R"(\bTitleList\s*\(\s*(\d+)\s*,\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         for (int id = number(m[1]); id <= number(m[2]); ++id)
           uses.push_back({TableId::kPhrase, id, where});
       });
  each(std::regex(R"(\b(?:RawText|TextById)\s*\(\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         uses.push_back({TableId::kText, number(m[1]) % 2000, where});
       });
  each(
      std::regex(
          R"(\bTextList\s*\(\s*(\d+)\s*,(?:[^,()]|\([^()]*\))*,\s*(\d+)\s*\))"),
      [&](const std::smatch& m, const std::string& where) {
        for (int i = 1; i <= number(m[2]); ++i)
          uses.push_back({TableId::kText, (number(m[1]) + i) % 2000, where});
      });
  each(std::regex(R"(\bMenuCaption\s*\(\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         uses.push_back({TableId::kCaption, 100 + number(m[1]), where});
       });
  each(std::regex(R"(\bMonth(Name|ListItem)\s*\(\s*(\d+)\s*,)"),
       [&](const std::smatch& m, const std::string& where) {
         const int offset = m[1] == "Name" ? 0 : 100;
         uses.push_back({TableId::kMonth, offset + number(m[2]), where});
       });
  return uses;
}

// One line per use whose id the tables lack in either language.
std::vector<std::string> MissingTexts(const std::vector<TextUse>& uses) {
  std::vector<std::string> missing;
  for (const TextUse& use : uses) {
    const std::optional<TextEntry> entry = FindEntry(use.table, use.id);
    if (!entry || entry->german.empty() || entry->english.empty()) {
      missing.push_back(use.where + ": " + std::string(TableName(use.table)) +
                        " " + std::to_string(use.id));
    }
  }
  std::sort(missing.begin(), missing.end());
  return missing;
}

std::filesystem::path SourceTree() {
  // LUMTAR_TEST_DATA is tests/texts/data; the sources are in src/.
  return std::filesystem::path(LUMTAR_TEST_DATA)
             .parent_path()
             .parent_path()
             .parent_path() /
         "src";
}

TEST(UsedTextIds, ScannerFindsLiteralCallsAndFlagsAbsentIds) {
  const std::string source =
      "ui.Message(k, texts::MessageText(44, language));\n"
      "x = TwoLineMessage(31,\n  99, lang);\n"
      "auto kinds = TextList(182, LanguageOffset(l), 15);\n"
      "y = PairText(texts::PairTable::kPhrase, 235, l); z = RawText(2808, 0);\n"
      "MessageText(entry, language);\n";
  const std::vector<TextUse> uses = FindTextUses(source, "demo.cpp");
  const std::vector<std::string> expected = {
      "demo.cpp:2: MessageTable 99",
      "demo.cpp:4: TextTable 197",
      "demo.cpp:5: PhraseTable 235",
  };
  EXPECT_EQ(MissingTexts(uses), expected);
}

TEST(UsedTextIds, EveryIdTheSourceAsksForExistsInBothLanguages) {
  const std::filesystem::path root = SourceTree();
  ASSERT_TRUE(std::filesystem::is_directory(root)) << root;
  std::vector<TextUse> uses;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    const std::string extension = item.path().extension().string();
    if (!item.is_regular_file() || (extension != ".cpp" && extension != ".h"))
      continue;
    std::ifstream in(item.path());
    std::stringstream content;
    content << in.rdbuf();
    const std::vector<TextUse> found = FindTextUses(
        content.str(),
        std::filesystem::relative(item.path(), root.parent_path()).string());
    uses.insert(uses.end(), found.begin(), found.end());
  }
  // The scan sees the calls of the astronomy code (a sample, so that a
  // broken scan cannot pass unnoticed).
  const bool sees_sun_position =
      std::any_of(uses.begin(), uses.end(), [](const TextUse& use) {
        return use.table == TableId::kMessage && use.id == 44 &&
               use.where.find("sun_position.cpp") != std::string::npos;
      });
  EXPECT_TRUE(sees_sun_position);
  const std::vector<std::string> missing = MissingTexts(uses);
  EXPECT_TRUE(missing.empty()) << missing.front();
}

}  // namespace
}  // namespace lumtar::texts
