#pragma once
// What the list subcommands share: usage errors, the check that a list file can be
// read, and the report of the messages the program showed.
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "shell/headless_program.h"

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

// The messages from `first` on that came while records were replayed, one line each:
// "quorvel COMMAND: FILE: record N: TITLE: MESSAGE". Returns how many there were.
std::size_t reportRecordMessages(std::ostream& err, std::string_view command,
                                 const std::filesystem::path& file,
                                 const std::vector<RecordedMessage>& messages,
                                 std::size_t first = 0);

// The message by which the program refused the list file (the last one outside any
// record), as "TITLE: MESSAGE".
std::string refusalLine(const std::vector<RecordedMessage>& messages);

}  // namespace quorvel::cli
