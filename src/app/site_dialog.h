#pragma once

#include <optional>
#include <string>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// Degrees as whole degrees, minutes and seconds (seconds rounded; 60
// seconds carry into the minutes, 60 minutes into the degrees).
struct Sexagesimal {
  int degrees;
  int minutes;
  int seconds;
};
Sexagesimal ToSexagesimal(double x);

// The site and year dialog without widgets: the field texts, the readers
// and the close check. Angles follow the program's convention (latitude
// north positive, longitudes east negative); the hemisphere buttons are
// 0 "Nord"/"Ost" and 1 "Süd"/"West".
class SiteDialogModel {
 public:
  enum class Field {
    kLatitude,
    kLongitude,
    kZoneMeridian,
    kLatDegrees,
    kLatMinutes,
    kLatSeconds,
    kLonDegrees,
    kLonMinutes,
    kLonSeconds,
    kZoneDegrees,
    kZoneMinutes,
    kZoneSeconds,
    kYear,
  };
  struct Angle {
    std::string degrees, minutes, seconds;
    int hemisphere = 0;
  };

  SiteDialogModel(model::Model& model, platform::Ui& ui);

  // Fills every field from the model (decimal and sexagesimal forms).
  void Open();

  // The user typed into a field; a sexagesimal edit marks those fields as
  // the source of the values.
  void Edit(Field field, std::string text);
  void SetHemisphere(Field any_field_of_angle, int index);
  void SetDecimalMode(bool decimal);

  // Leaving a field: reads it, then checks the dialog without the
  // zone-meridian question. Returns the check's result.
  bool LeaveField(Field field);

  // Closing: the whole check and, once, the zone-meridian question. True
  // when the dialog may close; the model's DialogsValid takes the result.
  bool Close();

  // Cancelling: the site values, the year and the input mode go back to
  // what they were when the dialog opened.
  void Cancel();

  // Whether `field` takes the typed character `c` (Backspace and Enter are
  // always taken): digits everywhere, "-" and "." in the decimal fields.
  static bool AcceptsCharacter(Field field, char c);

  // Enter in `field` moves the focus on: from a decimal field to the year
  // field, from the others to the close button (nullopt).
  static std::optional<Field> EnterTarget(Field field);

  // The name of the field in messages, in the model's language.
  std::string FieldName(Field field) const;

  std::string latitude, longitude, zone_meridian, year;
  Angle lat, lon, zone;
  bool decimal_mode = true;
  std::optional<Field> focus;  // the field that should get the focus

 private:
  bool Check(bool closing);
  bool ReadDecimal();
  bool ReadSexagesimal();
  bool ReadAngle(Angle& a, int max_degrees, const std::string& name,
                 Field deg_field, double& value);
  void WriteDecimalFields();
  void WriteSexagesimalFields();
  texts::Language language() const { return model_.Language; }

  model::Model& model_;
  platform::Ui& ui_;
  bool sexagesimal_edited_ = false;
  struct Opened {
    double latitude, longitude, zone_meridian;
    int year;
    bool decimal;
    bool dialogs_valid;
  } opened_{};
};

}  // namespace lumtar::app
