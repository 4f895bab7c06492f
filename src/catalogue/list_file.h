#pragma once
// The list file: records numbered from 1, record n at byte (n − 1) · 128; the file
// ends right after the 122 bytes of its last record.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/func_record.h"

namespace quorvel {

// A list file opened for reading and writing records (created when missing), closed
// when the object goes away.
class ListFile {
 public:
  // Opens or creates the file; check isOpen().
  explicit ListFile(std::filesystem::path path);
  ~ListFile();
  ListFile(const ListFile&) = delete;
  ListFile& operator=(const ListFile&) = delete;

  bool isOpen() const;
  // Length of the file in bytes.
  std::uint64_t length() const;
  // Number of records by the count rule: length div 128 + 1.
  std::int32_t recordCount() const;
  // Record n (from 1); nullopt when it does not lie whole inside the file.
  std::optional<FuncRecord> read(std::int32_t n);
  // Writes record n (from 1); the gap before it, if any, is filled with zero bytes.
  // A record written past the end makes the file end right after it; the filler
  // bytes 122..127 of its slot are zeros where the file already reaches them.
  bool write(std::int32_t n, const FuncRecord& r);
  // Cuts the file to hold records 1..n exactly ((n − 1) · 128 + 122 bytes; 0 for n = 0).
  bool truncateToRecords(std::int32_t n);
  bool flush();
  // Closes the file now (the destructor does so too); false when closing failed.
  bool close();

 private:
  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
};

// A list file is well-formed when its length is (n − 1) · 128 + 122 for some n ≥ 1,
// or 0 (no records).
bool wellFormedLength(std::uint64_t length);

}  // namespace quorvel
