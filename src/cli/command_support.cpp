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

std::size_t reportRecordMessages(std::ostream& err, std::string_view command,
                                 const std::filesystem::path& file,
                                 const std::vector<RecordedMessage>& messages, std::size_t first) {
  std::size_t count = 0;
  for (std::size_t i = first; i < messages.size(); ++i) {
    const RecordedMessage& m = messages[i];
    if (m.record == 0) continue;
    err << "quorvel " << command << ": " << file.string() << ": record " << m.record << ": "
        << messageLine(m) << '\n';
    ++count;
  }
  return count;
}

std::string refusalLine(const std::vector<RecordedMessage>& messages) {
  for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
    if (it->record == 0) return messageLine(*it);
  }
  return "the list file was refused";
}

}  // namespace quorvel::cli
