#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/time_scales.h"
#include "model/model.h"
#include "platform/ui.h"
#include "tables/table.h"
#include "tables/table_print.h"
#include "tables/year_table.h"

namespace lumtar::tables {

// Which calculator or table the calculation window shows.
enum CalcModeValue : int {
  kCalcRiseSet = 1,         // rise and set of sun, twilight and moon
  kCalcPosition = 2,        // the sun's position at a time
  kCalcAzimuthTime = 4,     // the zone time of a given azimuth
  kCalcEquationOfTime = 8,  // equation of time and declination at noon
  kCalcEotGraph = 16,       // the equation-of-time graph
};

// The values that outlive the calculator window and are shared with the
// tables: the calculator's date (year and site are in DialParameters),
// its time of day, the target azimuth, and the table choices.
struct CalcState {
  int CalcMode = kCalcEquationOfTime;
  int CalcMonth = 1;            // set at start-up to today's month
  int CalcDay = 1;              // and day
  double CalcTimeOfDay = 12.0;  // hours
  double TargetAzimuth = 0.0;   // degrees, 0 south, west positive
  tables::YearTableKind YearTableKind = tables::YearTableKind::kEquationOfTime;
};

// The start-up values for today's date.
CalcState StartupCalcState(int today_month, int today_day);

// The calculator window without widgets: the field texts, their reading
// rules, Calculate with its result list and panel labels, the zone
// warning, the hand-over to the tables and the print flow. Messages and
// questions go through the Ui; texts follow the model's Language.
class Calculator {
 public:
  enum class Field {
    kYear,
    kMonth,
    kDay,
    kLongitude,
    kLatitude,
    kZoneMeridian,
    kTime,
    kAzimuth,
    kCalculate,  // the "Berechnung" button
    kClose,      // the close button
  };
  // The time kind radio group, in its order.
  enum class TimeKindChoice { kLocalApparent = 0, kLocalMean = 1, kZone = 2 };

  // What opening shows besides the fields.
  struct View {
    int help_context = 30;
    bool maximised = false;
    bool tables_button = false;  // visible
    std::string tables_button_text;
    bool more_tables_menu = false;  // "Weitere Tabellen ..." shown
    bool altitude_graph_button = false;
    bool eot_graph_button = false;
  };

  // The labels of the result panels (each text as the panel shows it).
  struct Labels {
    std::string altitude, azimuth, equation_of_time, declination, time;
    std::string sunrise, sunset, twilight_begin, twilight_end;
    std::string moonrise, moonset;
  };

  // The entries of the menu "Weitere Tabellen ...".
  enum class MoreTables { kRiseSet, kEquationOfTime, kDeclination, kNoon };

  // What the tables window opens with.
  struct TablesRequest {
    bool month_table = false;  // else a year table
    int month = 1;
    YearTableKind kind = YearTableKind::kEquationOfTime;
    TableText table;
  };

  Calculator(model::Model& model, CalcState& state, platform::Ui& ui);

  // Fills the fields from the model and the state and sets up the view of
  // the current CalcMode.
  void Open();
  const View& view() const { return view_; }

  // Leaving a field reads it by its rule; a refused value restores the
  // field from the kept value (latitude: with the interval message).
  void LeaveLatitude();
  void LeaveLongitude();
  void LeaveZoneMeridian();
  void LeaveYear();
  void LeaveMonth();
  void LeaveDay();
  // An empty time field becomes "12:00:00"; a text that is no time of day
  // shows "Fehler!" and keeps the focus; a time is rewritten as hh:mm:ss.
  void LeaveTime();
  // A key typed into the time field: a blank becomes ":", digits, ":" and
  // Backspace pass, Enter moves the focus to "Berechnung"; nullopt drops
  // the key.
  std::optional<char> TimeKey(char key);

  // Runs the calculator of the current CalcMode; true when it produced a
  // result. An empty time or azimuth field shows "Input?" there, a
  // malformed one "Fehler!"; a "No" to the zone warning ends it. Without a
  // result the result list is empty.
  bool Calculate();
  // A click on the time kind group selects it and calculates.
  bool ChooseTimeKind(TimeKindChoice kind);
  // A change of the twilight group (0 civil, 1 nautical, 2 astronomical);
  // in mode 1 the rise and set display is computed again.
  void ChooseTwilight(int twilight_kind);

  // The "Tables" button: calculates, then builds the table the tables
  // window opens with (mode 1 the month table of the calculator's month,
  // mode 8 the year table of YearTableKind). nullopt when the calculation
  // gave no result or the mode has no tables.
  std::optional<TablesRequest> ShowTables();
  std::optional<TablesRequest> ChooseMoreTables(MoreTables entry);

  // Printing the result list through the raw text channel. "&Print" and
  // F3 calculate, then ask "Print data with following form feed?": Yes
  // prints and ejects the page, No prints and keeps the page open for the
  // next list, Cancel does nothing; the list is cleared after printing.
  void Print(TextChannel& channel);
  void PrintWithFormFeed(TextChannel& channel);     // "Drucken  mit LF"
  void PrintWithoutFormFeed(TextChannel& channel);  // "Drucken  ohne LF"
  void PrintPage(TextChannel& channel);             // "Druck Seite"
  bool print_enabled() const { return print_enabled_; }

  // Closing: a pending zone warning is asked first; No keeps the window
  // open (focus on the close button). True when the window may close.
  bool Close();

  const std::vector<std::string>& ResultList() const { return result_; }
  const Labels& labels() const { return labels_; }

  // The field texts, as the widgets show them.
  std::string year, month, day, longitude, latitude, zone_meridian, time,
      azimuth;
  TimeKindChoice time_kind = TimeKindChoice::kZone;
  std::optional<Field> focus;  // the field that should get the focus

 private:
  texts::Language language() const { return model_.Language; }
  void ReadAllFields();
  void CheckDate();
  void UpdateZoneWarning();
  bool AskZoneWarning();
  bool CalculateAzimuthTime();
  bool CalculatePosition();
  void CalculateNoonValues();
  void RiseSetDisplay();
  void Fail(Field field, std::string text);

  model::Model& model_;
  CalcState& state_;
  platform::Ui& ui_;
  View view_;
  Labels labels_;
  std::vector<std::string> result_;
  bool print_enabled_ = false;
};

// Parses a time of day "h", "h:m" or "h:m:s" (hours 0..23, minutes and
// seconds 0..59, one or two digits each; 24:00:00 is the end of the day)
// into hours; nullopt otherwise.
std::optional<double> ParseTimeOfDay(std::string_view text);

// A time of day in hours (0..24) as "hh:mm:ss", rounded to the second.
std::string TimeOfDayText(double hours);

}  // namespace lumtar::tables
