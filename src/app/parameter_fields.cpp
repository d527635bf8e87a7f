#include "app/parameter_fields.h"

#include <cmath>

#include "astro/format.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using F = ParamField;
using T = FieldType;

constexpr FieldSpec kSpecs[] = {
    {F::kAnalemmaHour, T::kInteger, 1, 23, 1135, 0},
    {F::kInclination, T::kReal, 0, 175, 1136, 2},
    {F::kWallDeclination, T::kReal, -180, 180, 1137, 2},
    {F::kGnomonHeight, T::kReal, 3, 120, 1138, 2},
    {F::kUmbrellaRod, T::kPlainReal, 0, 0, 1139, 2},
    {F::kUmbrellaInclination, T::kPlainReal, 0, 0, 1136, 2},
    {F::kUmbrellaDiskPercent, T::kPlainReal, 0, 0, 1140, 1},
    {F::kQuadrantSize, T::kInteger, 80, 200, 1141, 0},
    {F::kHabermelGnomon, T::kReal, 9, 100, 1142, 1},
    {F::kHabermelDiameter, T::kReal, 30, 200, 1143, 1},
    {F::kLatitude, T::kReal, -90, 90, 1144, 6},
    {F::kLatitude2, T::kReal, -90, 90, 1145, 6},
    {F::kShepherdGnomon, T::kInteger, 4, 110, 1142, 0},
    {F::kCylinderScaleLength, T::kInteger, 0, 400, 1149, 0},
    {F::kMaxShadowLength, T::kInteger, 0, 200, 1151, 0},
    {F::kCylinderGnomon, T::kReal, 4, 110, 1142, 1},
    {F::kCylinderRadius, T::kReal, 4, 500, 1152, 1},
    {F::kObserverDistance, T::kReal, 10, 400, 1153, 1},
    {F::kBasePlateDiameter, T::kReal, 3, 200, 1154, 1},
    {F::kHidokeiGnomon, T::kInteger, 4, 110, 1142, 0},
    {F::kHidokeiScaleLength, T::kInteger, 0, 180, 1155, 0},
    {F::kHidokeiScaleWidth, T::kInteger, 0, 260, 1156, 0},
    {F::kRingDiameter, T::kReal, 10, 300, 1157, 1},
    {F::kRingWidth, T::kReal, 4.5, 300, 1158, 1},
    {F::kRingHolePosition, T::kReal, 10, 90, 1159, 1},
    {F::kRingHoleOffset, T::kReal, 0, 23.44, 1160, 2},
    {F::kSawyerGnomon, T::kReal, 5, 200, 1138, 2},
    {F::kSawyerHourAngle, T::kReal, 0.5, 15, 1161, 2},
    {F::kSawyerCentre, T::kReal, 0, 900, 1162, 1},
    {F::kPeaucellierUnit, T::kInteger, 0, 300, 1163, 0},
    {F::kPeaucellierConstant, T::kReal, -2.1, 2.1, 1164, 4},
    {F::kLongitude, T::kReal, -180, 180, 1146, 6},
    {F::kLongitude2, T::kReal, -180, 180, 1147, 6},
    {F::kWallDeclination2, T::kReal, -180, 180, 1148, 2},
    {F::kZoneMeridian, T::kReal, -180, 180, 1150, 2},
    {F::kConeHeight, T::kReal, 5, 500, 1165, 1},
    {F::kConeAxisInclination, T::kReal, -175, 175, 1166, 2},
    {F::kMapScale, T::kInteger, 5, 66000000, 1167, 0},
    {F::kConeHalfAngle, T::kReal, 0, 85, 1168, 2},
    {F::kFocusBase, T::kReal, 7, 100, 1169, 1},
};

double* RealOf(model::Model& m, ParamField f) {
  auto& p = m.parameters;
  auto& v = m.values;
  switch (f) {
    case F::kInclination:
    case F::kUmbrellaInclination:
      return &p.Inclination;
    case F::kWallDeclination:
      return &p.WallDeclination;
    case F::kGnomonHeight:
    case F::kUmbrellaRod:
    case F::kSawyerGnomon:
    case F::kConeHeight:
      return &p.GnomonHeight;
    case F::kHabermelGnomon:
      return &p.HabermelGnomon;
    case F::kHabermelDiameter:
      return &p.HabermelDiameter;
    case F::kLatitude:
      return &p.Latitude;
    case F::kLatitude2:
      return &p.Latitude2;
    case F::kCylinderGnomon:
      return &p.CylinderGnomon;
    case F::kCylinderRadius:
      return &p.CylinderRadius;
    case F::kObserverDistance:
      return &v.ObserverDistance;
    case F::kBasePlateDiameter:
      return &v.BasePlateDiameter;
    case F::kRingDiameter:
      return &p.RingDiameter;
    case F::kRingWidth:
      return &p.RingWidth;
    case F::kRingHolePosition:
      return &p.RingHolePosition;
    case F::kRingHoleOffset:
      return &v.RingHoleOffset;
    case F::kSawyerHourAngle:
      return &p.SawyerHourAngle;
    case F::kSawyerCentre:
      return &p.SawyerCentre;
    case F::kPeaucellierConstant:
      return &p.PeaucellierConstant;
    case F::kLongitude:
      return &p.Longitude;
    case F::kLongitude2:
      return &p.Longitude2;
    case F::kWallDeclination2:
      return &p.WallDeclination2;
    case F::kZoneMeridian:
      return &p.ZoneMeridian;
    case F::kConeAxisInclination:
      return &p.ConeAxisInclination;
    case F::kConeHalfAngle:
      return &p.ConeHalfAngle;
    case F::kFocusBase:
      return &p.FocusBase;
    default:
      return nullptr;
  }
}

std::int32_t* IntOf(model::Model& m, ParamField f) {
  auto& p = m.parameters;
  auto& v = m.values;
  switch (f) {
    case F::kAnalemmaHour:
      return &v.AnalemmaHour;
    case F::kQuadrantSize:
      return &p.QuadrantSize;
    case F::kShepherdGnomon:
      return &p.ShepherdGnomon;
    case F::kCylinderScaleLength:
      return &v.CylinderScaleLength;
    case F::kMaxShadowLength:
      return &v.MaxShadowLength;
    case F::kHidokeiGnomon:
      return &p.HidokeiGnomon;
    case F::kHidokeiScaleLength:
      return &v.HidokeiScaleLength;
    case F::kHidokeiScaleWidth:
      return &v.HidokeiScaleWidth;
    case F::kPeaucellierUnit:
      return &p.PeaucellierUnit;
    case F::kMapScale:
      return &v.MapScale;
    default:
      return nullptr;
  }
}

}  // namespace

const FieldSpec& SpecOf(ParamField field) {
  for (const auto& s : kSpecs)
    if (s.field == field) return s;
  return kSpecs[0];
}

double FieldValue(const model::Model& model, ParamField field) {
  auto& m = const_cast<model::Model&>(model);
  if (field == F::kUmbrellaDiskPercent)
    return model.parameters.UmbrellaDiskRatio * 100;
  if (double* r = RealOf(m, field)) return *r;
  if (std::int32_t* i = IntOf(m, field)) return *i;
  return 0;
}

void SetFieldValue(model::Model& model, ParamField field, double value) {
  if (field == F::kUmbrellaDiskPercent) {
    model.parameters.UmbrellaDiskRatio = value / 100;
  } else if (double* r = RealOf(model, field)) {
    *r = value;
  } else if (std::int32_t* i = IntOf(model, field)) {
    *i = static_cast<std::int32_t>(std::nearbyint(value));
  }
}

std::string_view FieldLabel(ParamField field, texts::Language language) {
  return texts::RawText(SpecOf(field).label_id, language);
}

std::string FieldName(ParamField field, texts::Language language) {
  return astro::StripAccelerators(FieldLabel(field, language));
}

std::string FieldText(const model::Model& model, ParamField field) {
  const FieldSpec& s = SpecOf(field);
  // The narrowest width: the number decides its own length.
  return astro::FormatFixed(s.decimals, s.decimals, FieldValue(model, field));
}

std::vector<ParamField> FieldsOfPage(model::ParameterPage page, char kind,
                                     const model::DialSelectors& selectors) {
  using P = model::ParameterPage;
  switch (page) {
    case P::kPlanar:
      return {F::kAnalemmaHour, F::kInclination, F::kWallDeclination,
              F::kGnomonHeight};
    case P::kUmbrella:
      return {F::kUmbrellaRod, F::kUmbrellaInclination, F::kWallDeclination,
              F::kAnalemmaHour, F::kUmbrellaDiskPercent};
    case P::kAltitude:
      if (selectors.AltitudeVariant == 0) return {F::kQuadrantSize};
      return {F::kHabermelGnomon, F::kHabermelDiameter, F::kLatitude};
    case P::kCylinder:
      if (selectors.CylinderVariant == 2)
        return {F::kCylinderGnomon, F::kCylinderRadius, F::kWallDeclination,
                F::kMaxShadowLength};
      return {F::kShepherdGnomon, F::kCylinderScaleLength, F::kMaxShadowLength};
    case P::kAzimuthal:
      return {F::kObserverDistance, F::kBasePlateDiameter};
    case P::kHidokei:
      return {F::kHidokeiGnomon, F::kHidokeiScaleLength, F::kHidokeiScaleWidth};
    case P::kRing:
      return {F::kRingDiameter, F::kRingWidth, F::kRingHolePosition,
              F::kRingHoleOffset};
    case P::kSawyer:
      return {F::kSawyerGnomon, F::kSawyerHourAngle, F::kLatitude,
              F::kSawyerCentre, F::kPeaucellierUnit, F::kPeaucellierConstant};
    case P::kCompressed:
    case P::kMeanTime:
      return {F::kLatitude,        F::kLatitude2,
              F::kLongitude,       F::kLongitude2,
              F::kWallDeclination, F::kWallDeclination2,
              F::kZoneMeridian,    F::kAnalemmaHour,
              F::kConeHeight,      F::kConeAxisInclination,
              F::kMapScale,        F::kConeHalfAngle};
    case P::kNone:
      break;
  }
  (void)kind;
  return {};
}

std::pair<double, double> RingHoleOffsetRange(const model::Model& model) {
  constexpr double kObliquity = 23.44;
  if (model.options.OneHourLineBand) return {-kObliquity, kObliquity};
  return {0, kObliquity};
}

}  // namespace lumtar::app
