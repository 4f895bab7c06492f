#include "cli/command_support.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <system_error>

#include "cli/commands.h"

namespace quorvel::cli {

int usageError(std::ostream& err, std::string_view command, const std::string& problem,
               std::string_view usage) {
  err << "quorvel " << command << ": " << problem << "\n\n" << usage;
  return kExitUsage;
}

std::string unreadableReason(const std::filesystem::path& file) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return "no such file";
  if (std::filesystem::is_directory(status)) return "it is a folder";
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return std::strerror(errno);
  std::fclose(f);
  return {};
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
