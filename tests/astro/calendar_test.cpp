#include "astro/calendar.h"

#include <gtest/gtest.h>

namespace lumtar::astro {
namespace {

TEST(Calendar, Placeholder) { EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545); }

}  // namespace
}  // namespace lumtar::astro
