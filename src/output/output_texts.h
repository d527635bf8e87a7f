#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"

namespace lumtar::output {

// The texts the plot and DXF output shows. Entries of the message table
// carry their entry number so they can move into the language tables; the
// converter's texts are the same in both languages.

// Message table entry 53: "Unable to save file!".
std::string_view MessageEntry53(texts::Language language);

// "\r\n       File <name> saved!     " after an HPGL file was saved.
std::string PlotSavedText(std::string_view name);

// Asked before a derived file (cone development, coordinate list)
// replaces an existing one.
std::string OverwriteQuestion(std::string_view name, texts::Language language);

// The converter's texts.
std::string NotHpglListText(std::string_view input_path);  // message list
std::string NotConvertedWarning(std::string_view input_name);
std::string NotConvertedError(std::string_view input_name);
std::string_view OpenErrorText();  // the output could not be created
std::string CommandTooLongText(std::string_view mnemonic,
                               std::string_view buffer);
std::string ParameterErrorText(std::string_view mnemonic,
                               std::string_view rest);
std::string NotANumberText(std::string_view mnemonic, std::string_view text,
                           std::string_view buffer);
std::string_view PenWidthText();
std::string DirectionErrorText(std::string_view run, std::string_view rise);
std::string SlantErrorText(std::string_view parameter);
std::string_view ArcAngleErrorText();
std::string UnsupportedCommandText(std::string_view mnemonic);
std::string DxfSavedText(std::string_view output_name);

}  // namespace lumtar::output
