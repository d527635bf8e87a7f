#include "texts/months.h"

#include "texts/text_data.h"

namespace lumtar::texts {
namespace {

// Ids of the month table file.
constexpr int kFirstListItem = 101;
constexpr int kYearTableHeader = 201;
constexpr int kNoonTableHeader = 202;

}  // namespace

std::string_view MonthName(int month, Language language) {
  return EntryText(TableId::kMonth, month, language);
}

std::string_view MonthListItem(int month, Language language) {
  return EntryText(TableId::kMonth, kFirstListItem - 1 + month, language);
}

std::string_view YearTableMonthHeader(Language language) {
  return EntryText(TableId::kMonth, kYearTableHeader, language);
}

std::string_view NoonTableMonthHeader(Language language) {
  return EntryText(TableId::kMonth, kNoonTableHeader, language);
}

}  // namespace lumtar::texts
