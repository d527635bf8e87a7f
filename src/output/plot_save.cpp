#include "output/plot_save.h"

#include "output/atomic_file.h"
#include "output/hpgl_to_dxf.h"
#include "output/output_texts.h"

namespace lumtar::output {

namespace fs = std::filesystem;
using platform::Caption;

fs::path WithExtension(const fs::path& chosen, std::string_view extension) {
  std::string name = chosen.filename().string();
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  name += '.';
  name += extension;
  return chosen.parent_path() / name;
}

fs::path ProposedPlotName(std::string_view typed, HpglMode mode) {
  const std::string_view ext = mode == HpglMode::kHpgl ? "plt" : "dxf";
  if (typed.empty()) return WithExtension("lum", ext);
  return WithExtension(fs::path(typed), ext);
}

fs::path ConeFileName(const fs::path& chosen) {
  std::string name = chosen.filename().string();
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) {
    name += "Cone";
  } else {
    name.insert(dot, "Cone");
  }
  return chosen.parent_path() / name;
}

fs::path CoordinateFileName(const fs::path& chosen) {
  return WithExtension(chosen, "txt");
}

fs::path TemporaryPlotPath(const fs::path& target) {
  std::error_code ec;
  fs::path absolute = fs::absolute(target, ec);
  if (ec) absolute = target;
  return absolute.parent_path() / "lumtar.$$$";
}

bool MayOverwrite(const fs::path& path, platform::Ui& ui,
                  texts::Language language) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return true;
  return ui.Message(Caption::kQuestion,
                    OverwriteQuestion(path.filename().string(), language),
                    platform::Buttons::kYesNo) == platform::Answer::kYes;
}

namespace {

// Removes the temporary plot file when the save ends, however it ends.
class RemoveOnExit {
 public:
  explicit RemoveOnExit(fs::path path) : path_(std::move(path)) {}
  ~RemoveOnExit() {
    std::error_code ec;
    fs::remove(path_, ec);
  }

 private:
  fs::path path_;
};

}  // namespace

PlotSaveResult SavePlot(const PlotSaveRequest& request,
                        const PlotRoutine& routine, platform::Ui& ui,
                        texts::Language language) {
  PlotSaveResult result;
  const fs::path temporary = TemporaryPlotPath(request.target);
  {
    std::error_code ec;
    fs::remove(temporary, ec);
  }
  RemoveOnExit cleanup(temporary);
  const auto fail = [&](const std::string& why) {
    ui.Message(Caption::kError,
               std::string(MessageEntry53(language)) + "\r\n" + why);
    return result;
  };

  PlotFile plot;
  if (!plot.Open(temporary)) return fail(plot.error());
  const bool done = routine(plot);
  if (!plot.Close()) return fail(plot.error());
  if (!done) return result;

  if (request.mode == HpglMode::kForDxf) {
    DxfConversion dxf = ConvertHpglToDxf(
        temporary, request.target, request.line_width, request.divisor, ui);
    result.saved = dxf.saved;
    result.messages = std::move(dxf.messages);
    return result;
  }
  std::string why;
  if (!ReplaceFile(temporary, request.target, why)) return fail(why);
  result.saved = true;
  ui.Message(Caption::kInformation, PlotSavedText(request.target.string()));
  return result;
}

}  // namespace lumtar::output
