#pragma once
// Files written so that a failure never destroys what was there: the new content goes
// to a temporary file beside the target, reaches the disk, and is renamed over the
// target in one step. The target is either the whole new file or as it was, and no
// temporary file is left behind. Every save, copy and export writes through here.
// A target that is a symbolic link is written where the link leads (the temporary
// file beside that file); a FIFO, device or folder is refused, never replaced.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

// Writes the whole new content to the temporary file it is given; false (with a
// reason, when it has one) on failure.
using FileFiller = std::function<bool(const std::filesystem::path& temporary, std::string* error)>;

// Links followed from one target before it counts as a loop (the system's own limit).
inline constexpr int kMostLinksFollowed = 40;

// The file a write to `target` replaces: the target with its symbolic links followed
// (the file they lead to need not exist yet). Nullopt, with the reason, for a loop of
// links or a link that cannot be read.
std::optional<std::filesystem::path> writtenFileOf(const std::filesystem::path& target,
                                                   std::string* error = nullptr);

// Puts what `fill` writes in place of `target`. The temporary file has the target's
// permissions (or a new file's). False, with the reason in `error`, on failure.
bool replaceFile(const std::filesystem::path& target, const FileFiller& fill,
                 std::string* error = nullptr);

// The bytes as the whole new content of `target`.
bool replaceFileWith(const std::filesystem::path& target, const std::string& bytes,
                     std::string* error = nullptr);

// Every byte of `from` as the new content of `to` (a file copied onto itself stays
// whole).
bool copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::string* error = nullptr);

}  // namespace quorvel
