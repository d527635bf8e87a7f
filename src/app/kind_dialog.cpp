#include "app/kind_dialog.h"

#include <cmath>

#include "app/catalogue_rules.h"
#include "app/parameter_dialog.h"
#include "astro/field_readers.h"
#include "model/catalogue.h"
#include "texts/text_table.h"

namespace lumtar::app {

using platform::Caption;
using texts::Language;

KindDialogModel::KindDialogModel(model::Model& model, platform::Ui& ui)
    : model_(model), ui_(ui) {}

void KindDialogModel::Open() {
  opened_ = {model_.DialKind, model_.selectors,       model_.parameters,
             model_.values,   model_.ColourRoleBlock, model_.ParametersValid};
  ApplyExpertModeToKind(model_);
  entry_ = model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag);
  umbrella_plane_ = model::UmbrellaPlaneIndex(model_.DialKind);
  FillFields();
  focus.reset();
  beep = false;
  help_context_ = 10;
  if (const int h = model::kKindEntries[entry_].help_context) help_context_ = h;
}

void KindDialogModel::Cancel() {
  model_.DialKind = opened_.kind;
  model_.selectors = opened_.selectors;
  model_.parameters = opened_.parameters;
  model_.values = opened_.values;
  model_.ColourRoleBlock = opened_.colour_role_block;
  model_.ParametersValid = opened_.parameters_valid;
  focus.reset();
}

int KindDialogModel::HelpContext() const { return help_context_; }

bool KindDialogModel::EditsPlane() const { return model_.DialKind != 'h'; }

ParamField KindDialogModel::GnomonField() const {
  switch (model_.DialKind) {
    case 'z':
      return model_.selectors.CylinderVariant == 2
                 ? ParamField::kCylinderGnomon
                 : ParamField::kShepherdGnomon;
    case 'k':
      return ParamField::kHidokeiGnomon;
    case 'w':
    case 'p':
      return ParamField::kSawyerGnomon;
    default:
      return model_.selectors.UmbrellaFlag ? ParamField::kUmbrellaRod
                                           : ParamField::kGnomonHeight;
  }
}

std::vector<KindDialogModel::Field> KindDialogModel::VisibleFields() const {
  std::vector<Field> f = {Field::kWallDeclination, Field::kInclination};
  switch (model_.DialKind) {
    case 'z':
      f.push_back(Field::kGnomon);
      f.push_back(model_.selectors.CylinderVariant == 2 ? Field::kCylinderRadius
                                                        : Field::kScale);
      break;
    case 'q':
      if (model_.selectors.AltitudeVariant != 0)
        f.push_back(Field::kHabermelDiameter);
      break;
    case 'h':
    case 'i':
    case 'v':
    case 'k':
    case 'w':
    case 'p':
      f.push_back(Field::kGnomon);
      break;
    case 's':
      f.push_back(Field::kFocusBase);
      break;
    default:
      break;
  }
  return f;
}

void KindDialogModel::FillFields() {
  const auto& p = model_.parameters;
  wall_declination_ = FieldText(model_, ParamField::kWallDeclination);
  inclination_ = FieldText(model_, ParamField::kInclination);
  switch (model_.DialKind) {
    case 'z':
      gnomon_ = model_.selectors.CylinderVariant == 2
                    ? FieldText(model_, ParamField::kCylinderGnomon)
                    : std::to_string(p.ShepherdGnomon);
      break;
    case 'k':
      gnomon_ = std::to_string(p.HidokeiGnomon);
      break;
    case 'w':
    case 'p':
      gnomon_ = FieldText(model_, ParamField::kSawyerGnomon);
      break;
    default:
      gnomon_ = FieldText(model_, ParamField::kGnomonHeight);
      break;
  }
  scale_ = std::to_string(model_.values.CylinderScaleLength);
  cylinder_radius_ = FieldText(model_, ParamField::kCylinderRadius);
  habermel_diameter_ = FieldText(model_, ParamField::kHabermelDiameter);
  focus_base_ = FieldText(model_, ParamField::kFocusBase);
}

std::vector<int> KindDialogModel::VisibleEntries() const {
  return VisibleKindEntries(model_.ExpertMode != 0);
}

void KindDialogModel::SelectEntry(int entry) {
  if (entry < 0 || entry >= static_cast<int>(model::kKindEntries.size()))
    return;
  entry_ = entry;
  if (const int h = model::kKindEntries[entry].help_context) help_context_ = h;
  SelectKindEntry(model_, entry, umbrella_plane_);
  FillFields();
}

void KindDialogModel::SelectUmbrellaPlane(int index) {
  umbrella_plane_ = index;
  if (entry_ == model::kUmbrellaEntry) SelectKindEntry(model_, entry_, index);
}

void KindDialogModel::SelectAltitudeVariant(int variant) {
  model_.selectors.AltitudeVariant =
      model_.ExpertMode ? static_cast<std::uint8_t>(variant) : 0;
}

void KindDialogModel::SelectCylinderVariant(int variant) {
  model_.selectors.CylinderVariant =
      model_.ExpertMode ? static_cast<std::uint8_t>(variant) : 0;
  FillFields();
}

void KindDialogModel::SelectAzimuthCircles(int circles) {
  model_.selectors.AzimuthCircles = circles == 0 ? 0 : 1;
}

void KindDialogModel::SelectAzimuthScale(int scale) {
  if (scale >= 0 && scale <= 3)
    model_.selectors.AzimuthScale = static_cast<std::uint8_t>(scale);
}

void KindDialogModel::Edit(Field field, std::string text) {
  switch (field) {
    case Field::kWallDeclination:
      wall_declination_ = std::move(text);
      break;
    case Field::kInclination:
      inclination_ = std::move(text);
      break;
    case Field::kGnomon:
      gnomon_ = std::move(text);
      break;
    case Field::kScale:
      scale_ = std::move(text);
      break;
    case Field::kCylinderRadius:
      cylinder_radius_ = std::move(text);
      break;
    case Field::kHabermelDiameter:
      habermel_diameter_ = std::move(text);
      break;
    case Field::kFocusBase:
      focus_base_ = std::move(text);
      break;
  }
}

std::string KindDialogModel::Text(Field field) const {
  switch (field) {
    case Field::kWallDeclination:
      return wall_declination_;
    case Field::kInclination:
      return inclination_;
    case Field::kGnomon:
      return gnomon_;
    case Field::kScale:
      return scale_;
    case Field::kCylinderRadius:
      return cylinder_radius_;
    case Field::kHabermelDiameter:
      return habermel_diameter_;
    case Field::kFocusBase:
      return focus_base_;
  }
  return {};
}

bool KindDialogModel::LeaveInclination() {
  const auto v = astro::ParseDecimal(inclination_);
  if (v && *v == 0) {
    focus = Field::kInclination;
    return false;
  }
  return true;
}

namespace {

// The text up to its first "." (integer fields of the kind dialog).
std::string BeforePoint(const std::string& s) {
  return s.substr(0, s.find('.'));
}

}  // namespace

bool KindDialogModel::Close() {
  const Language lang = model_.Language;
  auto& p = model_.parameters;
  bool ok = true;
  focus.reset();

  // 1. Wall declination.
  const auto wall = astro::ParseDecimal(wall_declination_);
  if (!wall || std::fabs(*wall) > 180) {
    ui_.Message(Caption::kProblem, texts::RawText(1126, lang));
    wall_declination_.clear();
    focus = Field::kWallDeclination;
    ok = false;
  } else {
    p.WallDeclination = *wall;
  }

  // 2. Inclination.
  const auto incl = astro::ParseDecimal(inclination_);
  if (ok && (!incl || *incl < 0 || *incl > 175)) {
    ui_.Message(Caption::kProblem, std::string(texts::RawText(1127, lang)) +
                                       "\r\n" +
                                       std::string(texts::RawText(1128, lang)));
    focus = Field::kInclination;
    ok = false;
  } else if (ok) {
    p.Inclination = *incl;
  }

  // 3. The values of the kind, with the ranges of the parameter pages.
  auto read = [&](ParamField f, const std::string& text, Field where) {
    std::string rewrite;
    if (ReadParamField(model_, f, text, ui_, std::nullopt, &rewrite))
      return true;
    focus = where;
    return false;
  };
  if (ok) {
    switch (model_.DialKind) {
      case 'z':
        if (model_.selectors.CylinderVariant == 2) {
          ok = read(ParamField::kCylinderGnomon, gnomon_, Field::kGnomon) &&
               read(ParamField::kCylinderRadius, cylinder_radius_,
                    Field::kCylinderRadius);
        } else if (read(ParamField::kShepherdGnomon, BeforePoint(gnomon_),
                        Field::kGnomon)) {
          const auto r = astro::ReadIntFieldRetry(
              scale_, 0, 400, FieldName(ParamField::kCylinderScaleLength, lang),
              model_.values.CylinderScaleLength, ui_, model_.Language);
          if (r.rewrite) scale_ = *r.rewrite;
          if (r.failed) {
            focus = Field::kScale;
            ok = false;
          } else {
            model_.values.CylinderScaleLength = r.value;
          }
        } else {
          ok = false;
        }
        break;
      case 'q':
        if (model_.selectors.AltitudeVariant != 0) {
          std::string rewrite;
          if (!ReadParamField(model_, ParamField::kHabermelDiameter,
                              habermel_diameter_, ui_, std::nullopt,
                              &rewrite)) {
            ui_.Message(Caption::kWarning,
                        std::string(texts::RawText(1129, lang)) + "\r\n" +
                            std::string(texts::RawText(1130, lang)));
            focus = Field::kHabermelDiameter;
            ok = false;
          } else {
            p.HabermelGnomon = HabermelGnomonFromDiameter(
                p.HabermelDiameter, model_.selectors.AltitudeVariant,
                p.Latitude, model_.values.Obliquity);
          }
        }
        break;
      case 'k':
        ok = read(ParamField::kHidokeiGnomon, BeforePoint(gnomon_),
                  Field::kGnomon);
        break;
      case 'h':
      case 'i':
      case 'v':
        if (model_.DialKind == 'h') {
          p.WallDeclination = 0;
          p.Inclination = 0;
        }
        // The umbrella rod only has to be positive (its page's rule).
        ok = read(model_.selectors.UmbrellaFlag ? ParamField::kUmbrellaRod
                                                : ParamField::kGnomonHeight,
                  gnomon_, Field::kGnomon);
        break;
      case 'w':
      case 'p':
        ok = read(ParamField::kSawyerGnomon, gnomon_, Field::kGnomon);
        break;
      case 's':
        ok = read(ParamField::kFocusBase, focus_base_, Field::kFocusBase);
        break;
      default:
        break;
    }
  }
  model_.ParametersValid = ok;
  beep = !ok;
  return ok;
}

}  // namespace lumtar::app
