#pragma once

#include <functional>
#include <memory>

#include "platform/printer.h"

namespace lumtar::gui {

// A printer that asks its source (the print dialog) only when a page
// starts, so that a cancelled form-feed question shows no dialog, and
// that keeps the chosen printer while the text channel stays open.
class DeferredPrinter : public platform::Printer {
 public:
  explicit DeferredPrinter(std::function<std::unique_ptr<Printer>()> source)
      : source_(std::move(source)) {}

  void SetOrientation(platform::Orientation o) override {
    orientation_ = o;
    if (real_) real_->SetOrientation(o);
  }
  bool BeginDocument(std::string_view title) override {
    real_ = source_ ? source_() : nullptr;
    if (!real_) return false;
    real_->SetOrientation(orientation_);
    return real_->BeginDocument(title);
  }
  void NewPage() override {
    if (real_) real_->NewPage();
  }
  bool EndDocument() override {
    const bool ok = real_ && real_->EndDocument();
    real_.reset();
    return ok;
  }
  platform::Canvas& canvas() override { return real_->canvas(); }
  int page_width() const override { return real_ ? real_->page_width() : 0; }
  int page_height() const override { return real_ ? real_->page_height() : 0; }
  bool WriteText(std::string_view text) override {
    return real_ && real_->WriteText(text);
  }

 private:
  std::function<std::unique_ptr<Printer>()> source_;
  std::unique_ptr<Printer> real_;
  platform::Orientation orientation_ = platform::Orientation::kPortrait;
};

}  // namespace lumtar::gui
