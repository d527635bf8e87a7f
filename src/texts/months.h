#pragma once

#include <string_view>

#include "texts/language.h"

namespace lumtar::texts {

// Abbreviated name of `month` (1..12) for the graphs ("Jan" ... "Dec").
std::string_view MonthName(int month, Language language);

// Item of the month list of the month table (" Jan." ... " Dec.").
std::string_view MonthListItem(int month, Language language);

// Month header line of the year tables: a column of seven characters per
// month after the day prefix; the German line differs in "Mai", "Okt",
// "Dez". The noon-transit table has columns of nine characters.
std::string_view YearTableMonthHeader(Language language);
std::string_view NoonTableMonthHeader(Language language);

}  // namespace lumtar::texts
