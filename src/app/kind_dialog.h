#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/parameter_fields.h"
#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// The dial kind dialog without widgets: the kind list, the selectors and
// the few values that the kind dialog edits, with its close check.
class KindDialogModel {
 public:
  enum class Field {
    kWallDeclination,
    kInclination,
    kGnomon,  // gnomon of the kind (shepherd, cylinder, Hidokei, planar)
    kScale,   // cylinder scale length
    kCylinderRadius,
    kHabermelDiameter,
    kFocusBase,
  };

  KindDialogModel(model::Model& model, platform::Ui& ui);

  // Applies the expert-mode rules to the stored kind and fills the fields.
  void Open();

  std::vector<int> VisibleEntries() const;
  int selected_entry() const { return entry_; }
  void SelectEntry(int entry);
  void SelectUmbrellaPlane(int index);
  void SelectAltitudeVariant(int variant);
  void SelectCylinderVariant(int variant);
  void SelectAzimuthCircles(int circles);  // 0 dates, 1 altitudes
  void SelectAzimuthScale(int scale);      // 0..3
  int umbrella_plane() const { return umbrella_plane_; }

  // The edit fields the current kind uses, in screen order; the wall
  // declination and the inclination are always read, but mean nothing
  // (and are not edited) for the horizontal dial.
  std::vector<Field> VisibleFields() const;
  bool EditsPlane() const;
  // The value behind the gnomon field of the current kind (its label).
  ParamField GnomonField() const;

  // The help context of the selected entry.
  int HelpContext() const;

  void Edit(Field field, std::string text);
  std::string Text(Field field) const;

  // Leaving the inclination field refuses 0.
  bool LeaveInclination();

  // The close check; the model's ParametersValid takes the result. `beep`
  // tells the face to sound the bell when it failed.
  bool Close();

  // Cancelling: the kind, its selectors and values go back to what they
  // were when the dialog opened.
  void Cancel();
  bool beep = false;
  std::optional<Field> focus;

 private:
  void FillFields();
  model::Model& model_;
  platform::Ui& ui_;
  int entry_ = 1;
  int umbrella_plane_ = 0;
  int help_context_ = 10;
  struct Opened {
    char kind;
    model::DialSelectors selectors;
    model::DialParameters parameters;
    model::ConstructionValues values;
    std::uint8_t colour_role_block;
    bool parameters_valid;
  } opened_{};
  std::string wall_declination_, inclination_, gnomon_, scale_,
      cylinder_radius_, habermel_diameter_, focus_base_;
};

}  // namespace lumtar::app
