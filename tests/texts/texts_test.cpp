#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/captions.h"
#include "texts/captions.h"
#include "texts/months.h"
#include "texts/pair_texts.h"
#include "texts/text_data.h"
#include "texts/text_table.h"

namespace lumtar::texts {
namespace {

constexpr Language kDe = Language::kGerman;
constexpr Language kEn = Language::kEnglish;

static_assert(LanguageIndex(kDe) == 1 && LanguageIndex(kEn) == 2);
static_assert(LanguageOffset(kDe) == 0 && LanguageOffset(kEn) == 2000);
static_assert(LanguageFromOffset(2000) == kEn && LanguageFromOffset(0) == kDe);

TEST(TextTable, TextByIdRemovesEveryAccelerator) {
  // 1602 is the "&Help" item of the wizard's popup menu.
  EXPECT_EQ(RawText(1602, 0), "&Hilfe");
  EXPECT_EQ(RawText(1602, 2000), "&Help");
  EXPECT_EQ(TextById(1602, kDe), "Hilfe");
  EXPECT_EQ(TextById(1602, kEn), "Help");
  // The dial kind entries keep their two leading blanks.
  EXPECT_EQ(TextById(194, kEn), "  Sawyer-Decliner");
  EXPECT_EQ(RawText(808, kEn), "  Ta&ble");
  EXPECT_EQ(FindString(2825), " Show Ta&bles");
}

TEST(TextTable, TextListReadsConsecutiveIds) {
  const auto kinds = TextList(182, LanguageOffset(kEn), 14);
  ASSERT_EQ(kinds.size(), 14u);
  EXPECT_EQ(kinds.front(), "  &Horizontal Sundial");
  EXPECT_EQ(kinds[3], "  &Umbrella Sundial");
  EXPECT_EQ(kinds.back(), "  Su&n Compass (not installed)");
  EXPECT_EQ(TextList(182, 0, 1).front(), "  &Horizontale Sonnenuhr");
}

TEST(PairTables, TwoLineMessageJoinsWithLineFeedCarriageReturn) {
  EXPECT_EQ(TwoLineMessage(31, 32, kEn),
            "Error! The result is probably false.\n\r ");
  EXPECT_EQ(TwoLineMessage(60, 61, kDe), std::string(MessageText(60, kDe)) +
                                             "\n\r" +
                                             std::string(MessageText(61, kDe)));
}

TEST(PairTables, TitleListReadsPhraseEntries) {
  const auto names = TitleList(34, 36, kEn);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], "civil (0.83°-6°)");
  EXPECT_EQ(names[2], "astronom.(12°-18°)");
  EXPECT_EQ(TitleText(12, kEn), "Generate Sundial, part ");
  EXPECT_EQ(PairText(PairTable::kTitle, 27, kDe), "&Nächstes... >");
}

// The texts that the astronomy routines showed before the full tables
// existed; code and tests rely on them.
struct PairCase {
  PairTable table;
  int entry;
  const char* german;
  const char* english;
};
const PairCase kEarlierTexts[] = {
    {PairTable::kMessage, 4, "Das ist keine reelle Zahl.",
     "This is not a real number !"},
    {PairTable::kMessage, 13, " Wert muss im Intervall liegen",
     " Value has to be within Interval"},
    {PairTable::kMessage, 24, "Keine Lösung gefunden!",
     "Cannot find solution!"},
    {PairTable::kMessage, 25, "Fehler bei Umwandlung in String!",
     "Error in conversion into string!"},
    {PairTable::kMessage, 26,
     "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte "
     "Wert für die Berechnung!",
     "This date does not exist. Correction to 15/10/1582 is is done for "
     "calculation!"},
    {PairTable::kMessage, 31, "Fehler! Das Ergebnis ist wahrscheinlich falsch.",
     "Error! The result is probably false."},
    {PairTable::kMessage, 32, " ", " "},
    {PairTable::kMessage, 44,
     "Es gibt nicht immer eine Lösung, weil\r\ndie Sonne in dieser Breite "
     "nicht jeden\r\nAzimut erreicht (|Breite| < |Deklination|).",
     "There does not always exist a solution, because\r\nthe sun does not "
     "reach every azimuth\r\nat this latitude (|latitude| < |declination|)."},
    {PairTable::kPhrase, 34, "bürgerl. (0.83°-6°)", "civil (0.83°-6°)"},
    {PairTable::kPhrase, 35, "nautisch (6°-12°)", "nautical (6°-12°)"},
    {PairTable::kPhrase, 36, "astronom.(12°-18°)", "astronom.(12°-18°)"},
    {PairTable::kPhrase, 68, "immer sichtbar", " always seen  "},
    {PairTable::kPhrase, 69, "  immer hell  ", "always bright "},
    {PairTable::kPhrase, 70, " nie sichtbar ", " not visible  "},
    {PairTable::kPhrase, 71, " immer dunkel ", " always  dark "},
    {PairTable::kPhrase, 227, "An manchen Tagen kein Sonnenauf-/untergang!",
     "On some days no sun rise/set!"},
};

TEST(PairTables, KeepTheTextsTheAstronomyRoutinesShow) {
  for (const PairCase& c : kEarlierTexts) {
    EXPECT_EQ(PairText(c.table, c.entry, kDe), c.german) << c.entry;
    EXPECT_EQ(PairText(c.table, c.entry, kEn), c.english) << c.entry;
  }
  EXPECT_EQ(MessageText(44, kEn), kEarlierTexts[7].english);
  EXPECT_EQ(PhraseText(227, kDe), kEarlierTexts[15].german);
}

// Texts that exist in one language only and read the same in both.
struct SingleLanguageCase {
  TableId table;
  int id;
  const char* text;
};
const SingleLanguageCase kSingleLanguage[] = {
    {TableId::kText, 1003, "     Nochmals eingeben?"},
    {TableId::kText, 1652, " : INI-Datei ist fehlerhaft!"},
    {TableId::kText, 1650, "Fehlerhaftes Datum "},
    {TableId::kText, 1651, "Ursprüngliche Farbeinstellung nicht gefunden!"},
    {TableId::kText, 1795,
     "csv-trennzeichen wählen \r\nja = Standard (;) oder nein = Komma (,)"},
    {TableId::kText, 1004, "Fehler: Az1="},
    {TableId::kText, 1005, " Azimut="},
    {TableId::kText, 1006, " Az2="},
    {TableId::kText, 1614, "Help file "},
    {TableId::kText, 1615, " not found!"},
    {TableId::kText, 1616, "Therefore no help information included!"},
    {TableId::kText, 1799, "Save error: File  "},
    {TableId::kText, 1796, "Open error: File  "},
    {TableId::kText, 1874, "In der Datenzeile "},
    {TableId::kCaption, 2, "LUMTAR.EXE - Information!"},
    {TableId::kCaption, 3, "LUMTAR.EXE - Problem!"},
};

TEST(Tables, SingleLanguageTextsAreEqualInBothLanguages) {
  for (const SingleLanguageCase& c : kSingleLanguage) {
    EXPECT_EQ(EntryText(c.table, c.id, kDe), c.text) << c.id;
    EXPECT_EQ(EntryText(c.table, c.id, kEn), c.text) << c.id;
  }
}

TEST(Tables, EveryEntryHasBothLanguages) {
  for (const TableId table :
       {TableId::kText, TableId::kCaption, TableId::kTitle, TableId::kPhrase,
        TableId::kMessage, TableId::kMonth}) {
    int previous = -1;
    for (const TextEntry& entry : TableEntries(table)) {
      EXPECT_FALSE(entry.german.empty()) << TableName(table) << " " << entry.id;
      EXPECT_FALSE(entry.english.empty())
          << TableName(table) << " " << entry.id;
      EXPECT_LT(previous, entry.id) << TableName(table) << " is not sorted";
      previous = entry.id;
    }
  }
}

TEST(Tables, EscapesOfTheTableFilesBecomeCharacters) {
  // Line breaks: CR LF in entry 44, a lone CR in entry 33.
  const std::string_view three_lines = MessageText(44, kEn);
  EXPECT_EQ(three_lines.substr(0, 49),
            "There does not always exist a solution, because\r\n");
  EXPECT_EQ(three_lines.find('\\'), std::string_view::npos);
  EXPECT_EQ(MessageText(33, kEn),
            "File missing. For generating it have a look\r"
            "at menu \"Help / HelpIndex\"!");
  // Inner double quotes, and the acute accent as UTF-8.
  EXPECT_EQ(PhraseText(185, kEn),
            "EoT and its \"symmetric approximation\" for year ");
  EXPECT_EQ(PhraseText(186, kEn),
            "calculated for different values of the Sun\u00B4s true "
            "longitude L ");
  EXPECT_EQ(RawText(1509, kEn), "\r\n       File ");
}

TEST(Tables, ResultListLabelsLineUpInBothLanguages) {
  // The calculator writes values right after these labels; the German ones
  // must be as wide as the English ones (counted in characters).
  const auto characters = [](std::string_view text) {
    int n = 0;
    for (const char c : text)
      n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  };
  for (const int entry : {72, 73, 87, 88, 89, 91, 92, 93, 94, 95, 96, 98, 99,
                          100, 101, 102, 103}) {
    EXPECT_EQ(characters(PhraseText(entry, kDe)),
              characters(PhraseText(entry, kEn)))
        << entry;
  }
}

TEST(Captions, MessageBoxCaptionsComeFromTheCaptionPairs) {
  using platform::Caption;
  EXPECT_EQ(platform::CaptionText(Caption::kQuestion, kDe),
            "LUMTAR.EXE - Was nun?");
  EXPECT_EQ(platform::CaptionText(Caption::kQuestion, kEn),
            "LUMTAR.EXE - Question");
  EXPECT_EQ(platform::CaptionText(Caption::kWarning, kDe),
            "LUMTAR.EXE - Warnung!");
  EXPECT_EQ(platform::CaptionText(Caption::kError, kEn), "LUMTAR.EXE - Error!");
  EXPECT_EQ(CaptionPairText(CaptionPair::kSaveTable, kEn),
            "LUMTAR.EXE - Save Table");
}

TEST(Captions, MenuCaptionsFollowTheMenuOrder) {
  const auto english = MenuCaptions(kEn);
  EXPECT_EQ(english[0], "  &Files  ");
  EXPECT_EQ(english[7], "   &Options ");
  EXPECT_EQ(english[16], "   &Display  ");
  EXPECT_EQ(english[22], " &Calculations ");
  EXPECT_EQ(english[36], "   &Help");
  EXPECT_EQ(english[41], "&German");
  EXPECT_EQ(english[44], "&About");
  EXPECT_EQ(MenuCaption(40, kDe), "Ex&perten Mode");
}

TEST(Months, YearTableHeaderDiffersOnlyInThreeMonths) {
  const std::string german(YearTableMonthHeader(kDe));
  EXPECT_EQ(german,
            "      Jan    Feb    Mar    Apr    Mai    Jun    Jul    Aug    Sep"
            "    Okt    Nov    Dez ");
  std::string english = german;
  for (const auto& [de, en] : {std::pair{"Mai", "May"}, std::pair{"Okt", "Oct"},
                               std::pair{"Dez", "Dec"}})
    english.replace(english.find(de), 3, en);
  EXPECT_EQ(YearTableMonthHeader(kEn), english);
  // The "Jan" column of the CSV export: characters 7 to 9.
  EXPECT_EQ(std::string(NoonTableMonthHeader(kEn)).find("Jan"), 8u);
  EXPECT_EQ(MonthName(5, kDe), "Mai");
  EXPECT_EQ(MonthName(10, kEn), "Oct");
  EXPECT_EQ(MonthListItem(12, kDe), " Dez.");
}

TEST(MissingText, AbsentIdsAreReportedNotShownEmpty) {
  EXPECT_FALSE(FindString(1999).has_value());
  EXPECT_FALSE(FindString(4000).has_value());
  EXPECT_FALSE(FindPairText(PairTable::kMessage, 72, kEn).has_value());
  EXPECT_FALSE(FindEntry(TableId::kCaption, 146).has_value());
#ifdef NDEBUG
  EXPECT_EQ(RawText(1999, 0), kMissingText);
  EXPECT_EQ(MessageText(72, kEn), kMissingText);
  EXPECT_EQ(MenuCaption(46, kDe), kMissingText);
#else
  EXPECT_DEATH(RawText(1999, 0), "missing text");
  EXPECT_DEATH(MessageText(72, kEn), "missing text");
  EXPECT_DEATH(MenuCaption(46, kDe), "missing text");
#endif
}

}  // namespace
}  // namespace lumtar::texts
