#pragma once

#include <string>

#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/graph_save.h"

namespace lumtar::app {

// The rules of the graph window without its widgets.

// The main-menu caption that names each graph (the window's title) and the
// help context of its topic.
int GraphTitleMenuItem(tables::GraphKind kind);
int GraphHelpContext(tables::GraphKind kind);

// The field "Vergrößerungsfaktor in y-Richtung : " on leaving: a factor in
// 0.05..20 is stored and the field shows it as FormatFixed(4, 2); anything
// else shows the interval message and keeps the stored factor. True when
// the text was accepted.
bool ReadYFactor(std::string& text, double& factor, platform::Ui& ui,
                 texts::Language language);

// The field text of a factor.
std::string YFactorText(double factor);

// Prints the graph on one landscape page in the printer layout. False,
// after MessageTable entry 42, when printing failed.
bool PrintGraph(const model::Model& model, const tables::GraphRequest& request,
                platform::Printer& printer, platform::Ui& ui);

// "save as HPGL ..." and "Save as dxf ...": the save dialog (extension plt
// or dxf), the name with that extension in place of the chosen one, then
// the save with its messages ("File ... saved!", "Unable to save file!").
// A cancelled dialog writes nothing and says nothing.
tables::GraphSaveResult SaveGraphAs(const model::Model& model,
                                    const tables::GraphRequest& request,
                                    output::HpglMode mode, platform::Ui& ui);

}  // namespace lumtar::app
