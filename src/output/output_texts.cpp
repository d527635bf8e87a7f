#include "output/output_texts.h"

namespace lumtar::output {

using texts::Language;

namespace {
std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string s;
  for (auto p : parts) s += p;
  return s;
}
}  // namespace

std::string_view MessageEntry53(Language language) {
  return language == Language::kGerman ? "Datei kann nicht gespeichert werden!"
                                       : "Unable to save file!";
}

std::string PlotSavedText(std::string_view name) {
  return Cat({"\r\n       File ", name, " saved!     "});
}

std::string OverwriteQuestion(std::string_view name, Language language) {
  return language == Language::kGerman
             ? Cat({"Die Datei ", name, " existiert schon. Überschreiben?"})
             : Cat({"The file ", name, " exists. Overwrite it?"});
}

std::string NotHpglListText(std::string_view input_path) {
  return Cat({input_path, " ist kein HPGL-File!"});
}

std::string NotConvertedWarning(std::string_view input_name) {
  return Cat({"   File ", input_name,
              " not converted!\r\nHPGL-file is probably corrupted."});
}

std::string NotConvertedError(std::string_view input_name) {
  return Cat({"File ", input_name,
              " not converted!\r\nHPGL-file is probably corrupted."});
}

std::string_view OpenErrorText() { return "Das war ein Datei-Öffnungsfehler!"; }

std::string CommandTooLongText(std::string_view mnemonic,
                               std::string_view buffer) {
  return Cat({mnemonic, buffer, ": Befehl ist zu lang und wird gekürzt!"});
}

std::string ParameterErrorText(std::string_view mnemonic,
                               std::string_view rest) {
  return Cat({"Error in HPGL-command:", mnemonic, " ", rest, ";"});
}

std::string NotANumberText(std::string_view mnemonic, std::string_view text,
                           std::string_view buffer) {
  return Cat({"Fehler in: ", mnemonic, " ", text, buffer, "; weil:", text,
              " keine Zahl ist."});
}

std::string_view PenWidthText() {
  return "Command PW (=Penwidth) only supported by HPGL2.";
}

std::string DirectionErrorText(std::string_view run, std::string_view rise) {
  return Cat({"Fehler bei der Angabe der Schriftrichtung: ", run, ";", rise});
}

std::string SlantErrorText(std::string_view parameter) {
  return Cat({"Fehler im Befehl SL :", parameter, "!"});
}

std::string_view ArcAngleErrorText() {
  return "Fehler bei der Konvertierung des Bogenwinkels.";
}

std::string UnsupportedCommandText(std::string_view mnemonic) {
  return Cat({"Command: ", mnemonic, "; not supported!"});
}

std::string DxfSavedText(std::string_view output_name) {
  return Cat({"\r       File ", output_name, " saved!"});
}

}  // namespace lumtar::output
