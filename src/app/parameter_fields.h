#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/model.h"

namespace lumtar::app {

// The edit fields of the dial dialogs, each bound to one model value.
enum class ParamField {
  kAnalemmaHour,
  kInclination,
  kWallDeclination,
  kGnomonHeight,
  kUmbrellaRod,          // GnomonHeight of the umbrella page: > 0
  kUmbrellaInclination,  // Inclination of the umbrella page
  kUmbrellaDiskPercent,  // UmbrellaDiskRatio x 100
  kQuadrantSize,
  kHabermelGnomon,
  kHabermelDiameter,
  kLatitude,
  kLatitude2,
  kShepherdGnomon,
  kCylinderScaleLength,
  kMaxShadowLength,
  kCylinderGnomon,
  kCylinderRadius,
  kObserverDistance,
  kBasePlateDiameter,
  kHidokeiGnomon,
  kHidokeiScaleLength,
  kHidokeiScaleWidth,
  kRingDiameter,
  kRingWidth,
  kRingHolePosition,
  kRingHoleOffset,
  kSawyerGnomon,  // GnomonHeight of the Sawyer page
  kSawyerHourAngle,
  kSawyerCentre,
  kPeaucellierUnit,
  kPeaucellierConstant,
  kLongitude,
  kLongitude2,
  kWallDeclination2,
  kZoneMeridian,
  kConeHeight,  // GnomonHeight of the cone pages
  kConeAxisInclination,
  kMapScale,
  kConeHalfAngle,
  kFocusBase,
};

enum class FieldType {
  kReal,       // range-checked real
  kInteger,    // range-checked integer
  kPlainReal,  // real without range (umbrella rod and inclination)
};

struct FieldSpec {
  ParamField field;
  FieldType type;
  double min, max;
  int label_id;  // text id of the field's label; it also names the field
  int decimals;  // shown with this many decimals
};

// The field's type, range, names and display form. The ring hole offset's
// range depends on the one-band option (see RingHoleOffsetRange).
const FieldSpec& SpecOf(ParamField field);

// The model value behind a field (umbrella disk in percent).
double FieldValue(const model::Model& model, ParamField field);
void SetFieldValue(model::Model& model, ParamField field, double value);

// The field's label in `language` (with its accelerator) and its name in
// messages (the label without "&" and ":").
std::string_view FieldLabel(ParamField field, texts::Language language);
std::string FieldName(ParamField field, texts::Language language);

// The field's text as the dialog shows it.
std::string FieldText(const model::Model& model, ParamField field);

// The fields of a parameter page, in reading order.
std::vector<ParamField> FieldsOfPage(model::ParameterPage page, char kind,
                                     const model::DialSelectors& selectors);

// [min, max] of the ring hole offset: +-obliquity with one band, else
// [0, obliquity] (obliquity 23.44).
std::pair<double, double> RingHoleOffsetRange(const model::Model& model);

}  // namespace lumtar::app
