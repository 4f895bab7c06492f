#include "document/list_journal.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "files/atomic_file.h"

namespace quorvel {

ListJournal::ListJournal(const std::filesystem::path& folder)
    : path_(folder / "Funclist.dat"), recoveryPath_(folder / "Funclist.recover") {}

bool ListJournal::write(const FunctionList& list) const {
  return replaceFileWith(path_, list.bytes());
}

void ListJournal::remove() const {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

bool ListJournal::exists() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

std::optional<std::string> ListJournal::read() const {
  return regularFileBytes(path_, kMaxListFileBytes);
}

std::optional<std::string> regularFileBytes(const std::filesystem::path& file,
                                            std::uintmax_t most) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size > most) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace quorvel
