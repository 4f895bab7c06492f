#include "document/list_entry.h"

#include <algorithm>

namespace quorvel {

ClassicCurve::ClassicCurve(const FuncRecord& record) {
  const RecordBytes bytes = encodeRecord(record);
  std::copy(bytes.begin(), bytes.end(), slot_.begin());
  // Read back, so the entry holds what a replay of the file would read.
  record_ = decodeRecord(bytes);
}

ClassicCurve ClassicCurve::fromSlot(std::span<const unsigned char> bytes) {
  ClassicCurve curve;
  const std::size_t taken = std::min(bytes.size(), curve.slot_.size());
  std::copy_n(bytes.begin(), taken, curve.slot_.begin());
  RecordBytes record{};
  std::copy_n(curve.slot_.begin(), record.size(), record.begin());
  curve.record_ = decodeRecord(record);
  return curve;
}

}  // namespace quorvel
