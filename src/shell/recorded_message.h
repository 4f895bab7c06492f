#pragma once
// A message the program gave, with the list record it was about.
#include <cstdint>
#include <string>

namespace quorvel {

struct RecordedMessage {
  std::int32_t record = 0;  // the list record (from 1) being replayed; 0 for none
  std::string title;
  std::string prompt;
};

}  // namespace quorvel
