#include "document/list_journal.h"

#include <ctime>
#include <string>
#include <system_error>

#include "catalogue/list_file_check.h"
#include "files/atomic_file.h"

namespace quorvel {

namespace {

// Names tried for a damaged working list kept aside in one second.
constexpr int kMostKeptAsideNames = 100;

}  // namespace

ListJournal::ListJournal(const std::filesystem::path& folder)
    : path_(folder / "Funclist.dat"), recoveryPath_(folder / "Funclist.recover") {}

bool ListJournal::write(const FunctionList& list, std::string* error) const {
  return replaceFileWith(path_, list.bytes(), error);
}

void ListJournal::remove() const {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

bool ListJournal::exists() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
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
  std::string bytes;
  if (!checkListFile(path_, &bytes).ok()) return std::nullopt;
  return bytes;
}

}  // namespace quorvel
