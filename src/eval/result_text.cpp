#include "eval/result_text.h"

#include <ostream>

#include "eval/seven_digit_text.h"

namespace quorvel {

void ResultText::writePending() const {
  assignSingleText(text_, pendingValue_);
  pending_ = false;
}

std::ostream& operator<<(std::ostream& out, const ResultText& text) { return out << text.text(); }

}  // namespace quorvel
