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

// Why `file` cannot be read as a list file (it is missing, a folder or anything else
// that is no regular file, or not readable), or an empty text when it can.
std::string unreadableReason(const std::filesystem::path& file);

}  // namespace quorvel::cli
