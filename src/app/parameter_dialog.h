#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/parameter_fields.h"
#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// Reads one field text into the model with the field's reader and range
// (`range` overrides it). Returns false when the input was refused; the
// message has then been shown. `rewrite` receives a text to put back into
// the field, if any.
bool ReadParamField(model::Model& model, ParamField field,
                    const std::string& text, platform::Ui& ui,
                    std::optional<std::pair<double, double>> range,
                    std::string* rewrite);

// The dial parameter dialog without widgets: the edit fields of the page
// of the current kind, their readers and the page rules. Check boxes and
// lists bind directly to the model's options.
class ParameterDialogModel {
 public:
  ParameterDialogModel(model::Model& model, platform::Ui& ui);

  // Chooses the page of the model's kind and fills its field texts.
  void Open();
  model::ParameterPage page() const { return page_; }

  std::map<ParamField, std::string> texts;
  std::optional<ParamField> focus;
  std::string resulting_diameter;  // Habermel pages: the derived diameter

  void Edit(ParamField field, std::string text) {
    texts[field] = std::move(text);
  }

  // Leaving one field: reads it and applies its rule (derived values,
  // latitude floor, cone axis). Returns false when it was refused.
  bool Leave(ParamField field);

  // Closing: every field of the page and the page checks. On failure the
  // message "Please correct error in input !" follows. The model's
  // ParametersValid takes the result.
  bool Close();

  // The ring page's hour-line choice: 0 one band of clock hours, 1 temporal
  // hours in two bands.
  void SetRingHourChoice(int choice);

  // Cancelling: every value, option, hour range and date line goes back
  // to what it was when the dialog opened.
  void Cancel();

 private:
  bool ReadField(ParamField field, bool single);
  void AfterAccepted(ParamField field);
  bool CheckUmbrella();
  texts::Language language() const { return model_.Language; }

  model::Model& model_;
  platform::Ui& ui_;
  model::ParameterPage page_ = model::ParameterPage::kNone;
  struct Opened {
    model::DialParameters parameters;
    model::ConstructionValues values;
    model::LineOptions options;
    model::HourLineTimes times;
    std::vector<std::string> date_lines;
    bool parameters_valid = true;
  } opened_;
};

}  // namespace lumtar::app
