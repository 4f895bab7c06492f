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
  // Opening a FIFO or a device would wait for a writer, or read for ever.
  if (!ec && !std::filesystem::is_regular_file(status)) return "it is not a regular file";
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return std::strerror(errno);
  std::fclose(f);
  return {};
}

}  // namespace quorvel::cli
