#include "cli/command_support.h"

#include <ostream>

#include "cli/commands.h"
#include "files/regular_file.h"

namespace quorvel::cli {

int usageError(std::ostream& err, std::string_view command, const std::string& problem,
               std::string_view usage) {
  err << "quorvel " << command << ": " << problem << "\n\n" << usage;
  return kExitUsage;
}

std::string unreadableReason(const std::filesystem::path& file) {
  // Opened without waiting: a FIFO with nobody at its other end is refused at once.
  const ReadableFile f(file);
  return f.isOpen() ? std::string() : unreadableText(f.kind(), f.error());
}

std::string unwritableReason(const std::filesystem::path& file) {
  const FileKind kind = fileKind(file);
  return kind == FileKind::Missing || kind == FileKind::Regular ? std::string()
                                                                : unreadableText(kind, 0);
}

}  // namespace quorvel::cli
