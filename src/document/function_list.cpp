#include "document/function_list.h"

#include <algorithm>
#include <span>
#include <utility>

#include "catalogue/list_file.h"

namespace quorvel {

std::optional<FunctionList> FunctionList::fromBytes(std::string_view bytes) {
  if (!wellFormedLength(bytes.size())) return std::nullopt;
  const std::size_t records = bytes.empty() ? 0 : (bytes.size() - kRecordSize) / kSlotSize + 1;
  if (records > static_cast<std::size_t>(kMaxListRecords)) return std::nullopt;
  FunctionList list;
  list.entries_.reserve(records);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t n = 0; n < records; ++n) {
    const std::size_t start = n * kSlotSize;
    const std::size_t length = std::min<std::size_t>(kSlotSize, bytes.size() - start);
    ClassicCurve curve = ClassicCurve::fromSlot(std::span(data + start, length));
    std::int32_t value = 0;
    if (recordFault(curve.record(), value) != ListFault::None) return std::nullopt;
    list.entries_.push_back(ListEntry{std::move(curve), true, {}});
  }
  return list;
}

std::optional<std::string> FunctionList::bytes() const {
  std::string out;
  out.reserve(entries_.size() * kSlotSize);
  for (const ListEntry& entry : entries_) {
    const ClassicCurve* curve = classicCurve(entry);
    if (curve == nullptr) return std::nullopt;
    out.append(reinterpret_cast<const char*>(curve->slot().data()), curve->slot().size());
  }
  // The file ends right after the last record's 122 bytes.
  if (!out.empty()) out.resize(out.size() - (kSlotSize - kRecordSize));
  return out;
}

void FunctionList::insert(std::size_t at, ListEntry entry) {
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(std::min(at, entries_.size())),
                  std::move(entry));
}

void FunctionList::remove(std::size_t i) {
  if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
}

void FunctionList::swap(std::size_t i, std::size_t j) { std::swap(entries_.at(i), entries_.at(j)); }

}  // namespace quorvel
