#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::astro {

// Number and time texts of tables, dialogs and files. Decimal separator is
// always "."; no routine depends on the locale.

// x rounded to `decimals` places (ties away from zero), right-aligned in
// `width` characters; a longer number widens the field. width < decimals is
// refused: the result is empty and, when `ui` is given, the conversion
// message is shown.
std::string FormatFixed(int width, int decimals, double x,
                        platform::Ui* ui = nullptr,
                        texts::Language language = texts::Language::kEnglish);

// x clamped to +-2.17e8, rounded to an integer (ties to even), no blanks.
std::string FormatRoundedInteger(double x);

// Equation of time e (degrees) as minutes:seconds of time, at least six
// characters, e.g. " 16:25", " -0:30", "  0:00". The minus sign appears
// once. Given hours/4 it writes hours:minutes.
std::string FormatEotMinSec(double e);

// Hours as "hh:mm" rounded to the minute, hours right-aligned in three
// characters ("  6:05").
std::string FormatHoursMinutes(double h);

// Hours as "hh:mm:ss" with the hour in three characters (" 14:05:30");
// seconds that round to a full hour carry into the hour.
std::string FormatClockSeconds(double h);

// Whole seconds as minutes:seconds, "-1:15" for -75.
std::string FormatSecondsMinSec(int s);

// Decimal integer with blanks prepended to at least `width` characters.
std::string PadLeft(long long n, int width);

// The caption without its "&" and ":" characters.
std::string StripAccelerators(std::string_view caption);

// Umlauts spelled out for plot labels (Ae, Oe, Ue, ae, oe, ue); the text is
// UTF-8, other characters pass unchanged.
std::string TransliterateUmlauts(std::string_view text);

}  // namespace lumtar::astro
