#pragma once
// What the subcommands share: usage errors and the check that a file can be read.
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace quorvel::cli {

// Prints "quorvel COMMAND: PROBLEM", a blank line and the usage on `err`; returns the
// wrong-usage status.
int usageError(std::ostream& err, std::string_view command, const std::string& problem,
               std::string_view usage);

// Why `file` cannot be read as a list file (it is missing, a folder, a FIFO, a device
// or not readable), or an empty text when it can. Never waits on a FIFO.
std::string unreadableReason(const std::filesystem::path& file);

// Why `file` cannot be replaced by a file written (it is a FIFO, a device or a
// folder), or an empty text when it is a regular file or none yet.
std::string unwritableReason(const std::filesystem::path& file);

}  // namespace quorvel::cli
