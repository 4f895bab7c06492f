#include "files/stale_temporaries.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <system_error>
#include <vector>

namespace quorvel {

namespace {

// Entries looked at per folder, so that a huge folder cannot stall a save.
constexpr int kMaxEntriesLooked = 100000;

// True when `entry` (not followed if it is a link) is of the kind asked, owned by
// this user and last changed more than `age` ago.
bool staleEntry(const std::filesystem::path& entry, bool folder, std::chrono::seconds age) {
  struct stat info {};
  if (::lstat(entry.c_str(), &info) != 0) return false;
  if (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)) return false;
  if (info.st_uid != ::geteuid()) return false;
  const std::time_t now = std::time(nullptr);
  return now - info.st_mtime > age.count();
}

// The entries of `folder` whose names start with `prefix`, gathered before any goes.
std::vector<std::filesystem::path> entriesNamed(const std::filesystem::path& folder,
                                                std::string_view prefix) {
  std::vector<std::filesystem::path> found;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  int looked = 0;
  for (; !ec && it != std::filesystem::directory_iterator() && looked < kMaxEntriesLooked;
       it.increment(ec), ++looked) {
    if (matchesUniqueName(it->path().filename().string(), prefix)) found.push_back(it->path());
  }
  return found;
}

}  // namespace

std::string temporaryPatternOf(const std::filesystem::path& target) {
  return "." + target.filename().string() + "." + std::string(kUniqueLetters, 'X');
}

bool matchesUniqueName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kUniqueLetters || !name.starts_with(prefix)) return false;
  for (const char c : name.substr(prefix.size())) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

int removeStaleTemporariesOf(const std::filesystem::path& target, std::chrono::seconds age) {
  if (!target.has_filename()) return 0;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::string prefix = "." + target.filename().string() + ".";
  int removed = 0;
  for (const std::filesystem::path& entry : entriesNamed(folder, prefix)) {
    if (!staleEntry(entry, false, age)) continue;
    std::error_code ignored;
    if (std::filesystem::remove(entry, ignored)) ++removed;
  }
  return removed;
}

int removeStaleFolders(const std::filesystem::path& parent, std::string_view prefix,
                       std::chrono::seconds age) {
  int removed = 0;
  for (const std::filesystem::path& entry : entriesNamed(parent, prefix)) {
    if (!staleEntry(entry, true, age)) continue;
    // remove_all removes links inside as links: nothing outside the folder is touched.
    std::error_code ignored;
    if (std::filesystem::remove_all(entry, ignored) > 0) ++removed;
  }
  return removed;
}

std::filesystem::path temporaryFolder() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  return ec ? std::filesystem::path("/tmp") : base;
}

void removeStalePrivateFolders() { removeStaleFolders(temporaryFolder(), kPrivateFolderPrefix); }

}  // namespace quorvel
