// libFuzzer target: the settings reader on arbitrary file contents.
//
// The first byte chooses how the file is read (bit 0: the answer to the
// first question, bit 1: lum.ini or a construction data file, bits 2 and 3:
// read colours and date lines, bit 4: the answer to a second question); the
// rest is the file. Beyond the sanitizers the target checks what the reader
// promises:
// - every model it leaves is consistent (each field in its range);
// - the file it would write for that model reads back without a message
//   and writes again to the same lines;
// - the colour panel's load of the same file leaves a consistent model,
//   and a palette it saved into the file loads back unchanged.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/model_fields.h"
#include "app/palette_file.h"
#include "app/settings_file.h"
#include "platform/scripted_ui.h"

namespace {

using lumtar::platform::Answer;
using lumtar::platform::Buttons;
using lumtar::platform::Caption;

// Answers questions from a list, takes no answer for plain messages.
class FuzzUi : public lumtar::platform::ScriptedUi {
 public:
  Answer Message(Caption caption, std::string_view text,
                 Buttons buttons) override {
    if (buttons == Buttons::kOk) {
      shown.push_back({caption, std::string(text), buttons});
      return Answer::kOk;
    }
    const Answer a = answers.empty() ? Answer::kNo : answers.front();
    if (!answers.empty()) answers.pop_front();
    shown.push_back({caption, std::string(text), buttons});
    return a;
  }
};

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const char* base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/lumtar_settings_fuzz_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

[[noreturn]] void Fail(const std::string& what) {
  fprintf(stderr, "settings_fuzz: %s\n", what.c_str());
  abort();
}

void CheckConsistent(const lumtar::model::Model& m, const char* when) {
  const auto problems = lumtar::app::ModelProblems(m);
  if (!problems.empty()) Fail(std::string(when) + ": " + problems.front());
}

// The palette load and save of the colour panel on the same file.
void CheckPalette(const std::string& bytes) {
  const std::filesystem::path file = Folder() / "palette.ini";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  FuzzUi ui;
  lumtar::model::Model model;
  model.Colors[0] = 0x123456;
  lumtar::app::LoadPalette(model, file, ui);
  CheckConsistent(model, "after loading the palette");
  model.Colors[0] ^= 0x0F0F0F;
  model.Colors[11] ^= 0xF0F0F0;
  if (lumtar::app::SavePalette(model, file, ui) !=
      lumtar::app::PaletteFileStatus::kSaved)
    return;
  lumtar::model::Model loaded;
  if (lumtar::app::LoadPalette(loaded, file, ui) !=
          lumtar::app::PaletteFileStatus::kLoaded ||
      loaded.Colors != model.Colors)
    Fail("a saved palette does not load back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t control = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool start = (control & 2) != 0;
  const std::filesystem::path file =
      Folder() / (start ? "lum.ini" : "dial.lum");
  std::error_code ec;
  std::filesystem::remove(Folder() / "lum_ini.bak", ec);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  FuzzUi ui;
  ui.answers = {(control & 1) ? Answer::kYes : Answer::kNo,
                (control & 16) ? Answer::kYes : Answer::kNo};
  lumtar::model::Model model;
  const auto report = lumtar::app::ReadSettingsFile(
      file,
      start ? lumtar::app::SettingsSource::kStartConfiguration
            : lumtar::app::SettingsSource::kConstructionData,
      model, ui, (control & 4) != 0, (control & 8) != 0);
  CheckConsistent(model, "after reading");
  if (!start && report.rewritten) Fail("a construction data file was written");

  // What the program would save reads back cleanly and is stable.
  FuzzUi quiet;
  const std::vector<std::string> lines =
      lumtar::app::WriteSettingsLines(model, quiet);
  lumtar::model::Model again = model;
  const auto second =
      lumtar::app::ReadSettingsLines(lines, "again", again, quiet);
  if (second.status != lumtar::app::SettingsReadStatus::kRead ||
      !second.bad_lines.empty() || !quiet.shown.empty())
    Fail("the written lines do not read back cleanly: line " +
         std::to_string(second.bad_lines.empty() ? 0
                                                 : second.bad_lines.front()) +
         (quiet.shown.empty() ? "" : " " + quiet.shown.front().text));
  CheckConsistent(again, "after reading back");
  if (lumtar::app::WriteSettingsLines(again, quiet) != lines)
    Fail("writing the read-back model gives other lines");

  CheckPalette(bytes);
  return 0;
}
