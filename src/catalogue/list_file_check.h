#pragma once
// Whether a file can be opened as a list, and what can be saved of one that was cut.
// A list file holds whole records (or nothing at all), each of them one this program
// could have written; a file that fails is refused whole, before the working list is
// touched, with the reason. A working list left by a crash may end in part of a
// record: its whole records are recovered.
#include <cstdint>
#include <filesystem>
#include <string>

#include "catalogue/func_record.h"
#include "files/regular_file.h"

namespace quorvel {

// The most entries a list may hold (the platform's list box holds no more).
inline constexpr std::int32_t kMaxListRecords = 32767;

enum class ListFault {
  None,
  Unreadable,      // missing, no regular file, no permission, a read error
  WrongLength,     // not (n − 1) · 128 + 122 bytes
  TooManyRecords,  // more than kMaxListRecords
  UnknownFamily,   // a record's family is none of the catalogue's
  UnknownForm,     // a record's form is none of its family's
  BadColour,       // not a 24-bit colour
  BadTick,         // 整数 neither 0 nor 1
};

struct ListFileCheck {
  ListFault fault = ListFault::None;
  FileKind kind = FileKind::Regular;  // Unreadable: what the path names
  int error = 0;                      // Unreadable: the system's error number, or 0
  std::uint64_t length = 0;           // the file's length in bytes
  std::int32_t records = 0;           // whole records (TooManyRecords: slots begun)
  std::int32_t record = 0;            // the first record refused, from 1
  std::int32_t value = 0;             // that record's field that is refused
  bool ok() const { return fault == ListFault::None; }
};

// The fault of one record, None when this program could have written it.
ListFault recordFault(const FuncRecord& r, std::int32_t& value);

// Reads the whole file (never blocking: a FIFO or a device is refused unopened); when
// it passes, its bytes go to `contents`, so that what was checked is what is used.
ListFileCheck checkListFile(const std::filesystem::path& file, std::string* contents = nullptr);

// The reason in the program's words, e.g. "第 2 条记录的函数类型 99 不存在".
std::string listFaultText(const ListFileCheck& check);

// How a list file is refused (title "错误"): "打开列表文件错误", the file and the reason.
std::string openRefusalText(const std::filesystem::path& file, const std::string& reason);

// What can be saved of a damaged list: its whole records that pass recordFault, in
// their order, as a list file's bytes; the records given up (a record cut short,
// one that fails, those past kMaxListRecords).
struct SalvagedList {
  std::string bytes;
  std::int32_t kept = 0;
  std::int32_t lost = 0;
  bool readable = true;  // false: the file could not be read at all
};
SalvagedList salvageListFile(const std::filesystem::path& file);

}  // namespace quorvel
