#include "app/parameter_dialog.h"

#include <cmath>

#include "app/catalogue_rules.h"
#include "app/parameter_pages.h"
#include "astro/field_readers.h"
#include "astro/format.h"
#include "astro/pascal_math.h"
#include "model/catalogue.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {

using platform::Caption;
using texts::Language;

namespace {

std::string HabermelWarning(Language l) {
  return std::string(texts::RawText(1129, l)) + "\r\n" +
         std::string(texts::RawText(1130, l));
}

}  // namespace

bool ReadParamField(model::Model& model, ParamField field,
                    const std::string& text, platform::Ui& ui,
                    std::optional<std::pair<double, double>> range,
                    std::string* rewrite) {
  const FieldSpec& s = SpecOf(field);
  const Language lang = model.Language;
  const double min = range ? range->first : s.min;
  const double max = range ? range->second : s.max;
  const double stored = FieldValue(model, field);
  switch (s.type) {
    case FieldType::kReal: {
      const auto r = astro::ReadRealField(text, stored, FieldName(field, lang),
                                          max, min, ui, lang);
      if (r.rewrite && rewrite) *rewrite = *r.rewrite;
      if (r.failed) return false;
      SetFieldValue(model, field, r.value);
      return true;
    }
    case FieldType::kInteger: {
      const auto r = astro::ReadIntField(
          text, static_cast<int>(min), static_cast<int>(max),
          FieldName(field, lang), static_cast<int>(stored), ui, lang);
      if (r.rewrite && rewrite) *rewrite = *r.rewrite;
      if (r.failed) return false;
      SetFieldValue(model, field, r.value);
      return true;
    }
    case FieldType::kPlainReal: {
      std::string t;
      for (char c : text)
        if (c != ' ') t += c == ',' ? '.' : c;
      if (t.empty()) {
        if (rewrite) *rewrite = astro::FormatFixed(7, 2, stored);
        return true;
      }
      const auto v = astro::ParseDecimal(t);
      if (!v) {
        ui.Message(Caption::kProblem, texts::MessageText(4, lang));
        return false;
      }
      SetFieldValue(model, field, *v);
      return true;
    }
  }
  return false;
}

ParameterDialogModel::ParameterDialogModel(model::Model& model,
                                           platform::Ui& ui)
    : model_(model), ui_(ui) {}

void ParameterDialogModel::Open() {
  opened_ = {model_.parameters, model_.values,       model_.options,
             model_.times,      model_.DateLineList, model_.ParametersValid};
  page_ = model::PageOfKind(model_.DialKind, model_.selectors.UmbrellaFlag != 0,
                            model_.ExpertMode != 0);
  texts.clear();
  for (ParamField f : FieldsOfPage(page_, model_.DialKind, model_.selectors))
    texts[f] = FieldText(model_, f);
  resulting_diameter.clear();
  if (texts.count(ParamField::kHabermelGnomon)) {
    const auto& p = model_.parameters;
    resulting_diameter = astro::FormatFixed(
        5, 1,
        HabermelDiameterFromGnomon(p.HabermelGnomon,
                                   model_.selectors.AltitudeVariant, p.Latitude,
                                   model_.values.Obliquity));
  }
  focus.reset();
}

bool ParameterDialogModel::ReadField(ParamField field, bool single) {
  std::optional<std::pair<double, double>> range;
  if (field == ParamField::kRingHoleOffset) range = RingHoleOffsetRange(model_);
  // A single ring-width field accepts a narrower band than the page.
  if (field == ParamField::kRingWidth && single) range = {{4.5, 190}};
  if (field == ParamField::kHabermelGnomon && !single) {
    // On closing, the gnomon is read again only when its text was changed.
    const auto v = astro::ParseDecimal(texts[field]);
    if (v && std::fabs(*v - model_.parameters.HabermelGnomon) <= 0.1)
      return true;
  }
  std::string rewrite;
  if (!ReadParamField(model_, field, texts[field], ui_, range, &rewrite)) {
    if (!rewrite.empty()) texts[field] = rewrite;
    focus = field;
    return false;
  }
  if (!rewrite.empty()) texts[field] = rewrite;
  AfterAccepted(field);
  return true;
}

void ParameterDialogModel::AfterAccepted(ParamField field) {
  auto& p = model_.parameters;
  const double eps = model_.values.Obliquity;
  switch (field) {
    case ParamField::kHabermelGnomon: {
      const double d = HabermelDiameterFromGnomon(
          p.HabermelGnomon, model_.selectors.AltitudeVariant, p.Latitude, eps);
      resulting_diameter = astro::FormatFixed(5, 1, d);
      if (d > 200) {
        ui_.Message(Caption::kWarning, HabermelWarning(language()));
      } else {
        p.HabermelDiameter = d;
        texts[ParamField::kHabermelDiameter] =
            FieldText(model_, ParamField::kHabermelDiameter);
      }
      break;
    }
    case ParamField::kShepherdGnomon:
      if (std::fabs(p.Latitude) > 23.46) {
        model_.values.MaxShadowLength =
            MaxShadowLengthOf(p.ShepherdGnomon, p.Latitude, eps);
        texts[ParamField::kMaxShadowLength] =
            FieldText(model_, ParamField::kMaxShadowLength);
      }
      break;
    case ParamField::kLatitude:
      if (page_ == model::ParameterPage::kSawyer && p.Latitude != 0 &&
          std::fabs(p.Latitude) < 0.0049) {
        p.Latitude = astro::Sign(p.Latitude) * 0.0049;
        texts[field] = FieldText(model_, field);
      }
      break;
    case ParamField::kConeAxisInclination:
      if (p.ConeAxisInclination < 0) {
        p.ConeAxisInclination += 180;
        texts[field] = FieldText(model_, field);
      }
      break;
    default:
      break;
  }
}

bool ParameterDialogModel::Leave(ParamField field) {
  focus.reset();
  return ReadField(field, true);
}

bool ParameterDialogModel::CheckUmbrella() {
  const auto& p = model_.parameters;
  if (p.GnomonHeight <= 0) {
    ui_.Message(Caption::kProblem, texts::RawText(1134, language()));
    focus = ParamField::kUmbrellaRod;
    return false;
  }
  if (model_.DialKind != 'i') return true;
  const double r = p.UmbrellaDiskRatio;
  // A zero disk is refused before anything divides by it.
  if (r == 0) {
    ui_.Message(Caption::kError, texts::RawText(1131, language()));
    focus = ParamField::kUmbrellaDiskPercent;
    return false;
  }
  // From 90 degrees on the construction would draw nothing.
  if (p.Inclination >= 90 || astro::TanDeg(p.Inclination) >= 1 / std::fabs(r)) {
    ui_.Message(Caption::kWarning, texts::RawText(1132, language()));
    focus = ParamField::kUmbrellaInclination;
    return false;
  }
  return true;
}

bool ParameterDialogModel::Close() {
  focus.reset();
  bool ok = true;
  for (ParamField f : FieldsOfPage(page_, model_.DialKind, model_.selectors)) {
    if (!ReadField(f, false)) {
      ok = false;
      break;
    }
  }
  if (ok && page_ == model::ParameterPage::kUmbrella) ok = CheckUmbrella();
  if (!ok) {
    ui_.Message(Caption::kError, texts::RawText(1133, language()));
  }
  model_.ParametersValid = ok;
  return ok;
}

void ParameterDialogModel::SetRingHourChoice(int choice) {
  app::SetRingHourChoice(model_, choice);
}

void ParameterDialogModel::Cancel() {
  model_.parameters = opened_.parameters;
  model_.values = opened_.values;
  model_.options = opened_.options;
  model_.times = opened_.times;
  model_.DateLineList = opened_.date_lines;
  model_.ParametersValid = opened_.parameters_valid;
  focus.reset();
}

}  // namespace lumtar::app
