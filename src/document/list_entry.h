#pragma once
// One entry of the list of drawn curves: what is drawn, whether it is ticked, and the
// line the list shows for it. Every entry is a classic curve for now, a curve of the
// fourteen families kept the way the list file keeps it; other kinds of entries will
// hold other fields beside it in `content`, and readEntry and the drawing dispatch on
// the kind.
#include <array>
#include <span>
#include <string>
#include <variant>

#include "catalogue/func_record.h"

namespace quorvel {

// A record's slot in the list file: its 122 bytes and 6 bytes of filler.
using SlotBytes = std::array<unsigned char, kSlotSize>;

// A curve of the fourteen families as a record of the list file. It keeps the bytes it
// came as, so that an entry nobody changed is written back exactly as it was read
// (bytes that are no text of the code page and the filler included).
class ClassicCurve {
 public:
  // The record as the file keeps it: each text cut at its field's width.
  explicit ClassicCurve(const FuncRecord& record);
  // A slot as read from a file: the record's 122 bytes and up to 6 of filler.
  static ClassicCurve fromSlot(std::span<const unsigned char> bytes);

  const FuncRecord& record() const { return record_; }
  const SlotBytes& slot() const { return slot_; }

  bool operator==(const ClassicCurve& other) const { return slot_ == other.slot_; }

 private:
  ClassicCurve() = default;
  FuncRecord record_;
  SlotBytes slot_{};
};

struct ListEntry {
  std::variant<ClassicCurve> content;
  bool ticked = true;
  std::string line;  // the list's line: the curve's equation

  bool operator==(const ListEntry&) const = default;
};

// The classic curve of an entry, or nullptr for another kind.
inline const ClassicCurve* classicCurve(const ListEntry& entry) {
  return std::get_if<ClassicCurve>(&entry.content);
}

}  // namespace quorvel
