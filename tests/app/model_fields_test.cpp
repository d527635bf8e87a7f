#include "app/model_fields.h"

#include <gtest/gtest.h>

#include <set>

#include "app/settings_file.h"

namespace lumtar::app {
namespace {

TEST(ModelFields, NamesAreUniqueAndFound) {
  std::set<std::string_view> names;
  for (const ModelField& f : ModelFields()) {
    EXPECT_TRUE(names.insert(f.name).second) << f.name;
    EXPECT_EQ(FindModelField(f.name), &f) << f.name;
  }
  EXPECT_EQ(FindModelField("latitude"), nullptr);  // names as in the code
}

TEST(ModelFields, TheDefaultModelHasNoProblems) {
  const model::Model m;
  const auto problems = ModelProblems(m);
  EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(ModelFields, EveryValueTextSetsTheSameValue) {
  // get and set agree for every field that can be set.
  model::Model m;
  for (const ModelField& f : ModelFields()) {
    if (f.storage == FieldStorage::kDerived) continue;
    const std::string text = f.get(m);
    model::Model copy = m;
    EXPECT_FALSE(f.set(copy, text)) << f.name << "=" << text;
    EXPECT_EQ(f.get(copy), text) << f.name;
  }
}

TEST(ModelFields, SettingChecksTheValue) {
  struct {
    const char* name;
    const char* value;
    const char* result;  // the value afterwards; nullptr: refused
  } const cases[] = {
      {"Latitude", "-33.5", "-33.5"},
      {"Latitude", "90.5", nullptr},
      {"Latitude", "0", "0.000001"},  // the latitude floor
      {"Latitude", "1e3", nullptr},
      {"Latitude", "47,5", nullptr},  // "." only
      {"Year", "1300", "1300"},
      {"Year", "2501", nullptr},
      {"Year", "2020.0", nullptr},
      {"GnomonHeight", "0", nullptr},
      {"GnomonHeight", "500", "500"},
      {"PeaucellierUnit", "0", "0"},  // the page accepts it
      {"SawyerTimeMode", "4", nullptr},
      {"DialKind", "a", "a"},
      {"DialKind", "s", nullptr},
      {"DialKind", "ab", nullptr},
      {"DateLineMode", "3", "3"},
      {"DateLineMode", "4", nullptr},
      {"MeanHourSubdivisions", "4", "4"},  // 10 min
      {"ShowHourLines", "0", "false"},
      {"ShowHourLines", "true", "true"},
      {"ShowHourLines", "yes", nullptr},
      {"Language", "en", "en"},
      {"Language", "fr", nullptr},
      {"Colors[11]", "0xFF00FF", "16711935"},
      {"Colors[0]", "16777216", nullptr},
      {"Colors[12]", "1", nullptr},  // no such field
      {"LineWidth", "0", nullptr},
      {"AzimuthScale", "3", "3"},
      {"DateLineList", "01/05 (Mai)| 29/02 ", "01/05 (Mai)|29/02"},
      {"DateLineList", "", ""},
      {"DateLineList", "01/05|31/04", nullptr},
      {"Obliquity", "23.5", nullptr},  // derived
      {"ColourRoleBlock", "12", nullptr},
      {"Nothing", "1", nullptr},
  };
  for (const auto& c : cases) {
    model::Model m;
    const model::Model before = m;
    const auto reason = SetModelField(m, c.name, c.value);
    if (c.result == nullptr) {
      EXPECT_TRUE(reason.has_value()) << c.name << "=" << c.value;
      for (const ModelField& f : ModelFields())
        EXPECT_EQ(f.get(m), f.get(before)) << c.name << " changed " << f.name;
    } else {
      EXPECT_FALSE(reason.has_value()) << c.name << ": " << *reason;
      EXPECT_EQ(FindModelField(c.name)->get(m), c.result) << c.name;
    }
  }
}

TEST(ModelFields, ReasonNamesTheRange) {
  model::Model m;
  EXPECT_EQ(SetModelField(m, "Latitude", "91").value_or(""),
            "expected a number in [-90, 90]");
  EXPECT_EQ(SetModelField(m, "RingWidth", "4").value_or(""),
            "expected a number in [4.5, 300]");
  EXPECT_EQ(SetModelField(m, "Foo", "1").value_or(""), "unknown field 'Foo'");
}

TEST(ModelFields, ProblemsOfAModel) {
  struct {
    void (*change)(model::Model&);
    const char* problem_start;
  } const cases[] = {
      {[](model::Model& m) { m.parameters.Latitude = 95; }, "Latitude = 95"},
      {[](model::Model& m) { m.options.DateLineMode = 'x'; }, "DateLineMode"},
      {[](model::Model& m) { m.DateLineList.push_back("99/99"); },
       "DateLineList"},
      {[](model::Model& m) {
         m.DialKind = 'q';
         m.selectors.UmbrellaFlag = 1;
         UpdateDerivedValues(m);
       },
       "UmbrellaFlag = 1 needs"},
      {[](model::Model& m) { m.DialKind = 'a'; }, "ColourRoleBlock"},
      {[](model::Model& m) { m.parameters.Year = 1400; }, "Obliquity"},
  };
  for (const auto& c : cases) {
    model::Model m;
    c.change(m);
    const auto problems = ModelProblems(m);
    ASSERT_EQ(problems.size(), 1u) << c.problem_start;
    EXPECT_EQ(problems[0].rfind(c.problem_start, 0), 0u) << problems[0];
  }
}

}  // namespace
}  // namespace lumtar::app
