#pragma once
// The evaluator's result text (evalResult). A curve is evaluated at every plotted
// point, yet its result text is read only by the few callers that show it, so the
// compiled path leaves the single behind and the text (singleText of it) is written
// the first time anyone reads it. Every reader sees exactly the text it would have
// seen had it been written at once.
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

class ResultText {
 public:
  ResultText() = default;
  ResultText(std::string text) : text_(std::move(text)) {}  // NOLINT: a text is a result text
  ResultText(const char* text) : text_(text) {}             // NOLINT

  ResultText& operator=(std::string text) {
    text_ = std::move(text);
    pending_ = false;
    return *this;
  }
  ResultText& operator=(const char* text) {
    text_ = text;
    pending_ = false;
    return *this;
  }

  // The text becomes singleText(value) when it is next read.
  void setPendingSingle(float value) {
    pendingValue_ = value;
    pending_ = true;
  }

  const std::string& text() const {
    if (pending_) writePending();
    return text_;
  }
  operator const std::string&() const { return text(); }  // NOLINT: reads as the text
  const char* c_str() const { return text().c_str(); }
  bool empty() const { return text().empty(); }

  // Hands the text over and leaves this one empty.
  std::string take() {
    if (pending_) writePending();
    std::string out = std::move(text_);
    text_.clear();
    return out;
  }
  void clear() {
    text_.clear();
    pending_ = false;
  }

  friend bool operator==(const ResultText& a, const ResultText& b) { return a.text() == b.text(); }
  friend bool operator==(const ResultText& a, const std::string& b) { return a.text() == b; }
  friend bool operator==(const ResultText& a, std::string_view b) { return a.text() == b; }
  friend bool operator==(const ResultText& a, const char* b) { return a.text() == b; }

 private:
  void writePending() const;

  // Written on first read of a pending value, hence mutable; one thread only, as the
  // evaluator itself.
  mutable std::string text_;
  mutable bool pending_ = false;
  float pendingValue_ = 0.0f;
};

std::ostream& operator<<(std::ostream& out, const ResultText& text);

}  // namespace quorvel
