#pragma once

#include <string>
#include <vector>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::dials {

// A date of a declination line: the day count in `Year` (days since 0
// January in the calendar of the year) and its label "dd.mm.".
struct DeclinationDate {
  int day;
  int month;
  int day_count;
  std::string label;
};

// The dates of the second half-year that the declination-line mode asks
// for. Mode "2" reads the user's list ("dd/mm ..."); an entry that is not
// a date is announced and skipped; an empty list gives 21.06., 23.09. and
// 21.12.
std::vector<DeclinationDate> DeclinationLineDates(const model::Model& model,
                                                  platform::Ui& ui);

}  // namespace lumtar::dials
