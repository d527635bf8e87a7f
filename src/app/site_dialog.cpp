#include "app/site_dialog.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/field_readers.h"
#include "astro/format.h"
#include "texts/text_table.h"

namespace lumtar::app {

using platform::Answer;
using platform::Buttons;
using platform::Caption;
using texts::Language;

Sexagesimal ToSexagesimal(double x) {
  const double a = std::fabs(x);
  int degrees = static_cast<int>(std::trunc(a));
  const double r = (a - degrees) * 60;
  int minutes = static_cast<int>(std::trunc(r));
  int seconds = static_cast<int>(std::nearbyint((r - minutes) * 60));
  if (seconds >= 60) {
    seconds -= 60;
    ++minutes;
  }
  if (minutes >= 60) {
    minutes -= 60;
    ++degrees;
  }
  return {degrees, minutes, seconds};
}

namespace {

// The names of the fields in messages: their labels without "&" and ":".
struct Names {
  std::string latitude, longitude, zone, year, minutes, seconds;
};
Names NamesOf(Language l) {
  auto name = [l](int id) {
    return astro::StripAccelerators(texts::RawText(id, l));
  };
  return {name(1144), name(1146), name(1150),
          name(1171), name(1692), name(1693)};
}

std::string ZoneQuestion(Language l) {
  return std::string(texts::RawText(1694, l)) + "\r\n" +
         std::string(texts::RawText(1695, l)) + "\r\n" +
         std::string(texts::RawText(1696, l));
}

// Differences beyond this many degrees between zone meridian and
// longitude are questioned, and flagged for the calculator.
constexpr double kZoneWarningDegrees = 15;

}  // namespace

SiteDialogModel::SiteDialogModel(model::Model& model, platform::Ui& ui)
    : model_(model), ui_(ui) {}

void SiteDialogModel::Open() {
  const auto& p = model_.parameters;
  opened_ = {p.Latitude,
             p.Longitude,
             p.ZoneMeridian,
             p.Year,
             model_.DecimalSiteInput,
             model_.DialogsValid};
  decimal_mode = model_.DecimalSiteInput;
  WriteDecimalFields();
  WriteSexagesimalFields();
  year = std::to_string(model_.parameters.Year);
  sexagesimal_edited_ = false;
  focus.reset();
}

void SiteDialogModel::WriteDecimalFields() {
  latitude = astro::FormatFixed(10, 6, model_.parameters.Latitude);
  longitude = astro::FormatFixed(11, 6, model_.parameters.Longitude);
  zone_meridian = astro::FormatFixed(11, 6, model_.parameters.ZoneMeridian);
}

void SiteDialogModel::WriteSexagesimalFields() {
  auto fill = [](Angle& a, double x, int hemisphere) {
    const Sexagesimal s = ToSexagesimal(x);
    a.degrees = std::to_string(s.degrees);
    a.minutes = std::to_string(s.minutes);
    a.seconds = std::to_string(s.seconds);
    a.hemisphere = hemisphere;
  };
  const auto& p = model_.parameters;
  fill(lat, p.Latitude, p.Latitude > 0 ? 0 : 1);
  fill(lon, p.Longitude, p.Longitude < 0 ? 0 : 1);
  fill(zone, p.ZoneMeridian, p.ZoneMeridian < 0 ? 0 : 1);
}

void SiteDialogModel::Edit(Field field, std::string text) {
  switch (field) {
    case Field::kLatitude:
      latitude = std::move(text);
      return;
    case Field::kLongitude:
      longitude = std::move(text);
      return;
    case Field::kZoneMeridian:
      zone_meridian = std::move(text);
      return;
    case Field::kYear:
      year = std::move(text);
      return;
    case Field::kLatDegrees:
      lat.degrees = std::move(text);
      break;
    case Field::kLatMinutes:
      lat.minutes = std::move(text);
      break;
    case Field::kLatSeconds:
      lat.seconds = std::move(text);
      break;
    case Field::kLonDegrees:
      lon.degrees = std::move(text);
      break;
    case Field::kLonMinutes:
      lon.minutes = std::move(text);
      break;
    case Field::kLonSeconds:
      lon.seconds = std::move(text);
      break;
    case Field::kZoneDegrees:
      zone.degrees = std::move(text);
      break;
    case Field::kZoneMinutes:
      zone.minutes = std::move(text);
      break;
    case Field::kZoneSeconds:
      zone.seconds = std::move(text);
      break;
  }
  sexagesimal_edited_ = true;
}

void SiteDialogModel::SetHemisphere(Field f, int index) {
  Angle* a = &zone;
  if (f == Field::kLatDegrees || f == Field::kLatMinutes ||
      f == Field::kLatSeconds || f == Field::kLatitude) {
    a = &lat;
  } else if (f == Field::kLonDegrees || f == Field::kLonMinutes ||
             f == Field::kLonSeconds || f == Field::kLongitude) {
    a = &lon;
  }
  if (a->hemisphere != index) sexagesimal_edited_ = true;
  a->hemisphere = index;
}

void SiteDialogModel::SetDecimalMode(bool decimal) {
  if (decimal == decimal_mode) return;
  // Bring the fields of the new mode up to date with the values the old
  // mode holds.
  Check(false);
  decimal_mode = decimal;
  model_.DecimalSiteInput = decimal;
  WriteDecimalFields();
  WriteSexagesimalFields();
  sexagesimal_edited_ = false;
}

bool SiteDialogModel::ReadDecimal() {
  const Names n = NamesOf(language());
  auto& p = model_.parameters;
  struct {
    std::string* text;
    double* value;
    double limit;
    const std::string& name;
    Field field;
    int width;
  } const fields[] = {
      {&latitude, &p.Latitude, 90, n.latitude, Field::kLatitude, 10},
      {&longitude, &p.Longitude, 180, n.longitude, Field::kLongitude, 11},
      {&zone_meridian, &p.ZoneMeridian, 180, n.zone, Field::kZoneMeridian, 11},
  };
  for (const auto& f : fields) {
    const auto r = astro::ReadRealField(*f.text, *f.value, f.name, f.limit,
                                        -f.limit, ui_, language());
    if (r.failed) {
      if (r.rewrite) *f.text = *r.rewrite;
      focus = f.field;
      return false;
    }
    *f.value = r.value;
    *f.text = astro::FormatFixed(f.width, 6, r.value);
  }
  return true;
}

bool SiteDialogModel::ReadAngle(Angle& a, int max_degrees,
                                const std::string& name, Field deg_field,
                                double& value) {
  const Names n = NamesOf(language());
  const Sexagesimal now = ToSexagesimal(value);
  struct {
    std::string* text;
    int max;
    const std::string& name;
    int stored;
    int offset;
  } const parts[] = {
      {&a.degrees, max_degrees, name, now.degrees, 0},
      {&a.minutes, 60, n.minutes, now.minutes, 1},
      {&a.seconds, 60, n.seconds, now.seconds, 2},
  };
  int v[3];
  for (int k = 0; k < 3; ++k) {
    const auto& part = parts[k];
    const auto r = astro::ReadIntField(*part.text, 0, part.max, part.name,
                                       part.stored, ui_, language());
    if (r.rewrite) *part.text = *r.rewrite;
    if (r.failed) {
      focus = static_cast<Field>(static_cast<int>(deg_field) + part.offset);
      return false;
    }
    v[k] = r.value;
  }
  value = v[0] + v[1] / 60.0 + v[2] / 3600.0;
  return true;
}

bool SiteDialogModel::ReadSexagesimal() {
  // Opening and closing the dialog without an edit changes no value.
  if (!sexagesimal_edited_) return true;
  const Names n = NamesOf(language());
  double la = model_.parameters.Latitude, lo = model_.parameters.Longitude,
         zm = model_.parameters.ZoneMeridian;
  if (!ReadAngle(lat, 90, n.latitude, Field::kLatDegrees, la)) return false;
  if (std::fabs(la) < 0.00001) la = 0.000001;
  if (la > 90) la = 90;
  if (!ReadAngle(lon, 180, n.longitude, Field::kLonDegrees, lo)) return false;
  if (!ReadAngle(zone, 180, n.zone, Field::kZoneDegrees, zm)) return false;
  if (lat.hemisphere == 1) la = -la;
  if (lon.hemisphere == 0) lo = -lo;
  if (zone.hemisphere == 0) zm = -zm;
  model_.parameters.Latitude = la;
  model_.parameters.Longitude = lo;
  model_.parameters.ZoneMeridian = zm;
  return true;
}

bool SiteDialogModel::Check(bool closing) {
  bool ok = decimal_mode ? ReadDecimal() : ReadSexagesimal();
  if (ok) {
    const auto r = astro::ReadIntField(
        year, astro::kFirstYear, astro::kLastYear, NamesOf(language()).year,
        model_.parameters.Year, ui_, language());
    if (r.rewrite) year = *r.rewrite;
    if (r.failed) {
      focus = Field::kYear;
      ok = false;
    } else {
      model_.parameters.Year = r.value;
    }
  }
  const auto& p = model_.parameters;
  const double difference = std::fabs(p.ZoneMeridian - p.Longitude);
  model_.ZoneWarningPending = difference > kZoneWarningDegrees;
  if (ok && closing && difference > kZoneWarningDegrees) {
    const Answer a = ui_.Message(Caption::kWarning, ZoneQuestion(language()),
                                 Buttons::kYesNo);
    if (a != Answer::kYes) {
      focus = decimal_mode ? Field::kZoneMeridian : Field::kZoneDegrees;
      ok = false;
    }
  }
  if (ok) WriteDecimalFields();
  model_.DialogsValid = ok;
  return ok;
}

bool SiteDialogModel::LeaveField(Field) {
  focus.reset();
  return Check(false);
}

bool SiteDialogModel::Close() {
  focus.reset();
  return Check(true);
}

void SiteDialogModel::Cancel() {
  auto& p = model_.parameters;
  p.Latitude = opened_.latitude;
  p.Longitude = opened_.longitude;
  p.ZoneMeridian = opened_.zone_meridian;
  p.Year = opened_.year;
  model_.DecimalSiteInput = opened_.decimal;
  model_.DialogsValid = opened_.dialogs_valid;
  focus.reset();
}

namespace {

bool IsDecimalField(SiteDialogModel::Field f) {
  using F = SiteDialogModel::Field;
  return f == F::kLatitude || f == F::kLongitude || f == F::kZoneMeridian;
}

}  // namespace

bool SiteDialogModel::AcceptsCharacter(Field field, char c) {
  if (c >= '0' && c <= '9') return true;
  return IsDecimalField(field) && (c == '-' || c == '.');
}

std::optional<SiteDialogModel::Field> SiteDialogModel::EnterTarget(
    Field field) {
  if (IsDecimalField(field)) return Field::kYear;
  return std::nullopt;
}

std::string SiteDialogModel::FieldName(Field field) const {
  const Names n = NamesOf(language());
  switch (field) {
    case Field::kLatitude:
    case Field::kLatDegrees:
      return n.latitude;
    case Field::kLongitude:
    case Field::kLonDegrees:
      return n.longitude;
    case Field::kZoneMeridian:
    case Field::kZoneDegrees:
      return n.zone;
    case Field::kYear:
      return n.year;
    case Field::kLatMinutes:
    case Field::kLonMinutes:
    case Field::kZoneMinutes:
      return n.minutes;
    default:
      return n.seconds;
  }
}

}  // namespace lumtar::app
