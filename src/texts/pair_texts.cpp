#include "texts/pair_texts.h"

#include <array>

namespace lumtar::texts {
namespace {

struct PairEntry {
  int entry;
  const char* german;
  const char* english;
};

// The entries the astronomy and formatting routines show. The full tables
// of the program vocabulary replace this list with the same lookup.
constexpr PairEntry kMessages[] = {
    {4, "Das ist keine reelle Zahl.", "This is not a real number !"},
    {13, " Wert muss im Intervall liegen", " Value has to be within Interval"},
    {24, "Keine Lösung gefunden!", "Cannot find solution!"},
    {25, "Fehler bei Umwandlung in String!",
     "Error in conversion into string!"},
    {26,
     "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte "
     "Wert für die Berechnung!",
     "This date does not exist. Correction to 15/10/1582 is is done for "
     "calculation!"},
    {31, "Fehler! Das Ergebnis ist wahrscheinlich falsch.",
     "Error! The result is probably false."},
    {32, " ", " "},
    {44,
     "Es gibt nicht immer eine Lösung, weil\r\n"
     "die Sonne in dieser Breite nicht jeden\r\n"
     "Azimut erreicht (|Breite| < |Deklination|).",
     "There does not always exist a solution, because\r\n"
     "the sun does not reach every azimuth\r\n"
     "at this latitude (|latitude| < |declination|)."},
};

constexpr PairEntry kPhrases[] = {
    {34, "bürgerl. (0.83°-6°)", "civil (0.83°-6°)"},
    {35, "nautisch (6°-12°)", "nautical (6°-12°)"},
    {36, "astronom.(12°-18°)", "astronom.(12°-18°)"},
    {68, "immer sichtbar", " always seen  "},
    {69, "  immer hell  ", "always bright "},
    {70, " nie sichtbar ", " not visible  "},
    {71, " immer dunkel ", " always  dark "},
    {227, "An manchen Tagen kein Sonnenauf-/untergang!",
     "On some days no sun rise/set!"},
};

template <std::size_t N>
std::string_view Find(const PairEntry (&table)[N], int entry,
                      Language language) {
  for (const auto& e : table) {
    if (e.entry == entry)
      return language == Language::kGerman ? e.german : e.english;
  }
  return {};
}

}  // namespace

std::string_view MessageText(int entry, Language language) {
  return Find(kMessages, entry, language);
}

std::string_view PhraseText(int entry, Language language) {
  return Find(kPhrases, entry, language);
}

std::string TwoLineMessage(int a, int b, Language language) {
  std::string text(MessageText(a, language));
  text += "\n\r";
  text += MessageText(b, language);
  return text;
}

}  // namespace lumtar::texts
