#pragma once

#include <optional>
#include <string>
#include <vector>

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

  void Edit(Field field, std::string text);
  std::string Text(Field field) const;

  // Leaving the inclination field refuses 0.
  bool LeaveInclination();

  // The close check; the model's ParametersValid takes the result. `beep`
  // tells the face to sound the bell when it failed.
  bool Close();
  bool beep = false;
  std::optional<Field> focus;

 private:
  void FillFields();
  model::Model& model_;
  platform::Ui& ui_;
  int entry_ = 1;
  int umbrella_plane_ = 0;
  std::string wall_declination_, inclination_, gnomon_, scale_,
      cylinder_radius_, habermel_diameter_, focus_base_;
};

}  // namespace lumtar::app
