#include "output/plot_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "astro/format.h"
#include "output/windows1252.h"

namespace lumtar::output {

int ResolutionMultiplier(HpglMode mode, char dial_kind, int altitude_variant,
                         int date_circle_option) {
  if (mode == HpglMode::kHpgl) return 1;
  switch (dial_kind) {
    case 'c':
    case 'h':
    case 'i':
    case 'm':
    case 'v':
    case 'z':
      return 25;
    case 'q':
      return altitude_variant == 1 || altitude_variant == 2 ||
                     date_circle_option == 2
                 ? 25
                 : 1;
    default:
      return 1;
  }
}

PlotFrame FrameOf(PlotFrameKind kind) {
  switch (kind) {
    case PlotFrameKind::kCylinder:
      return {16480, 11480};
    case PlotFrameKind::kSawyer:
      return {16400, 10480};
    case PlotFrameKind::kPlanar:
    case PlotFrameKind::kAltitude:
    case PlotFrameKind::kAzimuthSun:
      return {16157, 11038};
  }
  return {16157, 11038};
}

namespace {
std::string Size(PlotFrame frame, int multiplier) {
  return std::to_string(static_cast<long long>(frame.width) * multiplier) +
         " " +
         std::to_string(static_cast<long long>(frame.height) * multiplier);
}
}  // namespace

std::string FrameStart(PlotFrame frame, int multiplier) {
  const std::string s = Size(frame, multiplier);
  return "IN;VS 1;PA;IW 0 0 " + s + ";PU 0 0;EA " + s + ";";
}

std::string FrameStartWithCharSize(PlotFrame frame, int multiplier,
                                   std::string_view char_size) {
  const std::string s = Size(frame, multiplier);
  return "IN;VS 1;PA;IW 0 0 " + s + ";SI " + std::string(char_size) +
         ";SP 1;PU 0 0;EA " + s + ";";
}

std::string ConeFrameStart(PlotFrame frame, int multiplier) {
  const std::string s = Size(frame, multiplier);
  return "IN;VS 1;PA;{IW 0 0 " + s + ";}PU 0 0;EA " + s + ";";
}

std::string FormatPlotInt(double x) { return astro::FormatRoundedInteger(x); }

std::string FormatPlotFixed(int width, int decimals, double x) {
  return astro::FormatFixed(width, decimals, x);
}

std::string PlotLabelText(std::string_view text) {
  std::string bytes = Utf8ToWindows1252(astro::TransliterateUmlauts(text));
  std::erase(bytes, '\x03');
  return bytes;
}

std::string PlotLabel(double x, double y, std::string_view text) {
  return ";PU " + FormatPlotInt(x) + " " + FormatPlotInt(y) + ";LB" +
         PlotLabelText(text) + "\x03";
}

platform::Point ScreenToPlot(PickLayout layout, int client_width,
                             int client_height, platform::Point screen,
                             int multiplier) {
  const double w = std::max(client_width, 1);
  const double h = std::max(client_height, 1);
  const double m = std::max(multiplier, 1);
  const auto round = [](double v) {
    return static_cast<int>(std::nearbyint(std::clamp(v, -2.17e8, 2.17e8)));
  };
  switch (layout) {
    case PickLayout::kSawyer:
      return {round(16400 / w * screen.x * m),
              round((10480 - 10470 / h * screen.y) * m)};
    case PickLayout::kPeaucellier:
      return {round(16157 / w * screen.x * m), round(5240 * m)};
    case PickLayout::kFramed:
      break;
  }
  return {round(16157 / w * screen.x * m),
          round((11040 - 11038 / h * screen.y) * m)};
}

PlotFile::~PlotFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void PlotFile::Fail(std::string_view what) {
  if (!error_.empty()) return;
  error_ = std::string(what) + " " + path_ + ": " + std::strerror(errno);
}

bool PlotFile::Open(const std::filesystem::path& path) {
  if (file_ != nullptr) Close();
  path_ = path.string();
  error_.clear();
  bytes_ = 0;
  file_ = std::fopen(path_.c_str(), "wb");
  if (file_ == nullptr) {
    Fail("cannot create");
    return false;
  }
  return true;
}

void PlotFile::Write(std::string_view text) {
  if (text.empty() || !error_.empty()) return;
  if (file_ == nullptr) {
    errno = EBADF;
    Fail("not open:");
    return;
  }
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() ||
      std::fflush(file_) != 0) {
    Fail("cannot write");
    return;
  }
  bytes_ += text.size();
}

bool PlotFile::Close() {
  if (file_ == nullptr) return ok();
  errno = 0;
  if (std::fclose(file_) != 0) Fail("cannot close");
  file_ = nullptr;
  return ok();
}

}  // namespace lumtar::output
