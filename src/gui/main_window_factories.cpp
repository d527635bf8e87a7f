// The windows the program opens, by role.
#include "gui/main_window.h"
#include "gui/wizard_placeholder.h"

namespace lumtar::gui {

WindowFactories DefaultWindowFactories(model::Model& model, platform::Ui& ui) {
  // Stand-ins until the real dialogs and the construction window are wired
  // in here.
  return PlaceholderFactories(model, ui);
}

}  // namespace lumtar::gui
