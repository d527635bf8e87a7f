#include <algorithm>
#include <fstream>
#include <iterator>

#include "output/atomic_file.h"
#include "output/hpgl_to_dxf.h"
#include "output/output_texts.h"

namespace lumtar::output {
namespace {

using platform::Caption;

class FileSink : public DxfSink {
 public:
  FileSink(AtomicFile& file, bool oem_to_ansi)
      : file_(file), oem_to_ansi_(oem_to_ansi) {}
  void Write(std::string_view bytes) override {
    if (!oem_to_ansi_) {
      file_.Write(bytes);
      return;
    }
    std::string piece(bytes);
    OemToAnsi(piece);
    file_.Write(piece);
  }

 private:
  AtomicFile& file_;
  bool oem_to_ansi_;
};

// The whole input file; false when it cannot be read.
bool ReadWhole(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in),
               std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

DxfConversion ConvertHpglToDxf(const std::filesystem::path& input,
                               const std::filesystem::path& output,
                               int line_width, double divisor, platform::Ui& ui,
                               bool oem_to_ansi) {
  DxfConversion result;
  const std::string in_name = input.string();
  std::string hpgl;
  if (!ReadWhole(input, hpgl)) {
    ui.Message(Caption::kWarning, NotConvertedWarning(in_name));
    return result;
  }
  const bool has_letter = std::find_if(hpgl.begin(), hpgl.end(), [](char c) {
                            return static_cast<unsigned char>(c) > 64;
                          }) != hpgl.end();
  if (!has_letter) {
    result.messages.push_back(NotHpglListText(in_name));
    ui.Message(Caption::kWarning, NotConvertedWarning(in_name));
    return result;
  }
  AtomicFile file(output);
  if (!file.Open()) {
    ui.Message(Caption::kError, OpenErrorText());
    return result;
  }
  FileSink sink(file, oem_to_ansi);
  result = ConvertHpglText(hpgl, {line_width, divisor, oem_to_ansi}, sink, ui);
  if (!result.converted) {
    file.Discard();
    ui.Message(Caption::kError, NotConvertedError(in_name));
    return result;
  }
  if (!file.Commit()) {
    result.messages.push_back(file.error());
    ui.Message(Caption::kError,
               std::string(OpenErrorText()) + "\r\n" + file.error());
    return result;
  }
  result.saved = true;
  ui.Message(Caption::kInformation, DxfSavedText(output.string()));
  return result;
}

}  // namespace lumtar::output
