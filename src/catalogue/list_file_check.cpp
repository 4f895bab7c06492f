#include "catalogue/list_file_check.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "catalogue/families.h"
#include "catalogue/list_file.h"

namespace quorvel {

namespace {

// Record n (from 1) out of the file's bytes, which must hold it whole.
FuncRecord recordAt(const std::string& bytes, std::int32_t n) {
  RecordBytes record{};
  std::memcpy(record.data(), bytes.data() + static_cast<std::size_t>(n - 1) * kSlotSize,
              record.size());
  return decodeRecord(record);
}

// Up to `most` bytes of the open file; false on a read error (errno says which).
bool readUpTo(const ReadableFile& file, std::uint64_t most, std::string& bytes) {
  bytes.resize(static_cast<std::size_t>(std::min(file.size(), most)));
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get()) != 0) return false;
  bytes.resize(got);  // a file that shrank meanwhile
  return true;
}

// Slots from 1 that begin within `length` bytes.
std::uint64_t slotsBegun(std::uint64_t length) { return (length + kSlotSize - 1) / kSlotSize; }

constexpr std::uint64_t kMostBytes = static_cast<std::uint64_t>(kMaxListRecords) * kSlotSize;

const char* kindText(FileKind kind) {
  switch (kind) {
    case FileKind::Missing: return "文件不存在";
    case FileKind::Folder: return "这是一个文件夹，不是列表文件";
    case FileKind::Fifo: return "这是一个命名管道，不是普通文件";
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice: return "这是一个设备，不是普通文件";
    case FileKind::Socket: return "这是一个套接字，不是普通文件";
    case FileKind::Other: return "不是普通文件";
    case FileKind::Regular: break;
  }
  return "";
}

std::string recordText(std::int32_t record) { return "第 " + std::to_string(record) + " 条记录"; }

}  // namespace

ListFault recordFault(const FuncRecord& r, std::int32_t& value) {
  // Only the families and forms a record can name: 幂函数 and the appended forms are
  // kept by other documents.
  if (r.family < 0 || r.family >= kListFileFamilyCount) {
    value = r.family;
    return ListFault::UnknownFamily;
  }
  if (!inListFile(r.family, r.form)) {
    value = r.form;
    return ListFault::UnknownForm;
  }
  if (r.color < 0 || r.color > 0xFFFFFF) {
    value = r.color;
    return ListFault::BadColour;
  }
  if (r.intX != 0 && r.intX != 1) {
    value = r.intX;
    return ListFault::BadTick;
  }
  return ListFault::None;
}

ListFileCheck checkListFile(const std::filesystem::path& file, std::string* contents) {
  ListFileCheck check;
  const ReadableFile in(file);
  if (!in.isOpen()) {
    check.fault = ListFault::Unreadable;
    check.kind = in.kind();
    check.error = in.error();
    return check;
  }
  check.length = in.size();
  if (!wellFormedLength(check.length)) {
    check.fault = ListFault::WrongLength;
    return check;
  }
  const std::uint64_t records = check.length == 0 ? 0 : slotsBegun(check.length);
  if (records > static_cast<std::uint64_t>(kMaxListRecords)) {
    check.fault = ListFault::TooManyRecords;
    check.records = static_cast<std::int32_t>(std::min<std::uint64_t>(records, INT32_MAX));
    return check;
  }
  check.records = static_cast<std::int32_t>(records);
  std::string bytes;
  errno = 0;
  if (!readUpTo(in, check.length, bytes) || bytes.size() != check.length) {
    check.fault = ListFault::Unreadable;
    check.error = errno != 0 ? errno : EIO;
    return check;
  }
  for (std::int32_t n = 1; n <= check.records; ++n) {
    check.fault = recordFault(recordAt(bytes, n), check.value);
    if (!check.ok()) {
      check.record = n;
      return check;
    }
  }
  if (contents != nullptr) *contents = std::move(bytes);
  return check;
}

std::string listFaultText(const ListFileCheck& check) {
  switch (check.fault) {
    case ListFault::None: return "";
    case ListFault::Unreadable:
      if (check.kind != FileKind::Regular) return kindText(check.kind);
      if (check.error == EACCES || check.error == EPERM) return "没有读取这个文件的权限";
      return std::string("读取失败：") + std::strerror(check.error);
    case ListFault::WrongLength:
      return "长度 " + std::to_string(check.length) +
             " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）";
    case ListFault::TooManyRecords:
      return "有 " + std::to_string(check.records) + " 条记录，超过了 " +
             std::to_string(kMaxListRecords) + " 条的上限";
    case ListFault::UnknownFamily:
      return recordText(check.record) + "的函数类型 " + std::to_string(check.value) + " 不存在";
    case ListFault::UnknownForm:
      return recordText(check.record) + "的函数形式 " + std::to_string(check.value) + " 不存在";
    case ListFault::BadColour:
      return recordText(check.record) + "的颜色值 " + std::to_string(check.value) + " 无效";
    case ListFault::BadTick:
      return recordText(check.record) + "的“整数”选项值 " + std::to_string(check.value) + " 无效";
  }
  return "";
}

std::string openRefusalText(const std::filesystem::path& file, const std::string& reason) {
  return "打开列表文件错误\n“" + file.string() + "”：" + reason;
}

SalvagedList salvageListFile(const std::filesystem::path& file) {
  SalvagedList salvage;
  const ReadableFile in(file);
  std::string bytes;
  if (!in.isOpen() || !readUpTo(in, kMostBytes, bytes)) {
    salvage.readable = false;
    return salvage;
  }
  const std::uint64_t length = bytes.size();
  for (std::uint64_t start = 0; start < length; start += kSlotSize) {
    const auto n = static_cast<std::int32_t>(start / kSlotSize + 1);
    std::int32_t value = 0;
    if (start + kRecordSize > length || recordFault(recordAt(bytes, n), value) != ListFault::None) {
      ++salvage.lost;
      continue;
    }
    // Whole records only, the filler between them zeros, the last one unpadded.
    if (salvage.kept > 0) salvage.bytes.append(kSlotSize - kRecordSize, '\0');
    salvage.bytes.append(bytes, static_cast<std::size_t>(start), kRecordSize);
    ++salvage.kept;
  }
  // Records past the most a list holds are not read.
  if (in.size() > kMostBytes) {
    salvage.lost += static_cast<std::int32_t>(
        std::min<std::uint64_t>(slotsBegun(in.size() - kMostBytes), INT32_MAX));
  }
  return salvage;
}

}  // namespace quorvel
