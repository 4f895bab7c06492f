#include "document/list_journal.h"

#include <ctime>
#include <string>
#include <system_error>

#include "document/list_formats.h"
#include "files/atomic_file.h"

namespace quorvel {

namespace {

// Names tried for a damaged working list kept aside in one second.
constexpr int kMostKeptAsideNames = 100;

}  // namespace

ListJournal::ListJournal(const std::filesystem::path& folder)
    : path_(folder / "Funclist.dat"),
      documentPath_(folder / "Funclist.qvj"),
      recoveryPath_(folder / "Funclist.recover") {}

bool ListJournal::write(const FunctionList& list, std::string* error) const {
  const bool listFile = naturalFormat(list) == ListFormat::ListFile;
  const std::filesystem::path& target = listFile ? path_ : documentPath_;
  if (!replaceFileWith(target, naturalBytes(list), error)) return false;
  // Only now: a crash before this leaves the older file, and the list it held.
  std::error_code ignored;
  std::filesystem::remove(listFile ? documentPath_ : path_, ignored);
  return true;
}

void ListJournal::remove() const {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
  std::filesystem::remove(documentPath_, ignored);
}

bool ListJournal::exists() const { return current().has_value(); }

std::optional<std::filesystem::path> ListJournal::current() const {
  std::error_code ec;
  const bool list = std::filesystem::exists(path_, ec);
  const bool document = std::filesystem::exists(documentPath_, ec);
  if (list && document) {
    std::error_code e1, e2;
    const auto listTime = std::filesystem::last_write_time(path_, e1);
    const auto documentTime = std::filesystem::last_write_time(documentPath_, e2);
    if (!e1 && !e2 && listTime > documentTime) return path_;
    return documentPath_;
  }
  if (list) return path_;
  if (document) return documentPath_;
  return std::nullopt;
}

void ListJournal::keepRecoveryAside() const {
  const std::time_t now = std::time(nullptr);
  char stamp[32] = {};
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  for (int n = 0; n < kMostKeptAsideNames; ++n) {
    const std::string suffix = n == 0 ? "" : "-" + std::to_string(n);
    const std::filesystem::path aside =
        recoveryPath_.parent_path() / ("Funclist-" + std::string(stamp) + suffix + ".damaged");
    std::error_code ec;
    if (std::filesystem::exists(aside, ec)) continue;
    std::filesystem::rename(recoveryPath_, aside, ec);
    return;
  }
}

std::optional<std::string> ListJournal::read() const {
  const std::optional<std::filesystem::path> file = current();
  if (!file) return std::nullopt;
  const ListReading reading = readListFile(*file);
  if (!reading.list) return std::nullopt;
  return naturalBytes(*reading.list);
}

}  // namespace quorvel
