#pragma once
// A read-only grid of texts: column captions over rows of cells, as the analysis
// window's tables show them.
#include <string>
#include <utility>
#include <vector>

#include "toolkit/controls.h"

namespace quorvel {

class Grid : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& Captions() const { return captions_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  void setContent(std::vector<std::string> captions, std::vector<std::vector<std::string>> rows) {
    captions_ = std::move(captions);
    rows_ = std::move(rows);
    notify();
  }
  void clear() { setContent({}, {}); }

  // The captions and the rows as lines of cells joined by tabs.
  std::string tabSeparated() const {
    std::string out;
    auto line = [&out](const std::vector<std::string>& cells) {
      for (std::size_t i = 0; i < cells.size(); ++i) out += (i > 0 ? "\t" : "") + cells[i];
      out += '\n';
    };
    if (!captions_.empty()) line(captions_);
    for (const std::vector<std::string>& row : rows_) line(row);
    return out;
  }

 private:
  std::vector<std::string> captions_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace quorvel
