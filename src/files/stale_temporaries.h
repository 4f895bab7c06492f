#pragma once
// What a run that was killed leaves behind: the hidden temporary file beside a target
// it was replacing (".NAME.XXXXXX") and the private folders of the command line
// ("quorvel-XXXXXX" in the temporary folder). The next run that writes that target,
// or starts, removes them, knowing them by their name's pattern and their age: a
// temporary younger than kStaleAge may belong to a run still at work.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// Every write finishes well within this; a temporary older than it is left over.
inline constexpr std::chrono::seconds kStaleAge = std::chrono::hours(1);

// The letters mkstemp and mkdtemp put in place of "XXXXXX".
inline constexpr std::size_t kUniqueLetters = 6;

// The name pattern of a target's temporary file, for mkstemp: ".NAME.XXXXXX".
std::string temporaryPatternOf(const std::filesystem::path& target);

// True when `name` is `prefix` followed by exactly six letters of mkstemp's.
bool matchesUniqueName(std::string_view name, std::string_view prefix);

// Removes the regular files ".NAME.XXXXXX" beside `target` that this user owns and
// that were last changed more than `age` ago. Returns how many went.
int removeStaleTemporariesOf(const std::filesystem::path& target,
                             std::chrono::seconds age = kStaleAge);

// Removes, with everything in them, the folders PREFIX + six letters directly in
// `parent` (never a symbolic link) that this user owns and that were last changed
// more than `age` ago. Returns how many went.
int removeStaleFolders(const std::filesystem::path& parent, std::string_view prefix,
                       std::chrono::seconds age = kStaleAge);

// The private folders of programs run without windows: "quorvel-XXXXXX" in the
// system's temporary folder.
inline constexpr const char* kPrivateFolderPrefix = "quorvel-";
std::filesystem::path temporaryFolder();
// Removes the stale ones (a killed run's); every run that may find some does so.
void removeStalePrivateFolders();

}  // namespace quorvel
