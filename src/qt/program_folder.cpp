#include "qt/program_folder.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QStandardPaths>
#include <fstream>
#include <string>
#include <system_error>

namespace quorvel {

bool folderIsWritable(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
  const std::filesystem::path probe =
      folder / (".quorvel-write-test-" + std::to_string(::getpid()));
  bool writable = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    writable = out.good();
  }
  std::filesystem::remove(probe, ec);
  return writable;
}

std::filesystem::path installMarker(const std::filesystem::path& executableFolder) {
  return (executableFolder / QUORVEL_INSTALL_MARKER).lexically_normal();
}

bool isInstalledProgram(const std::filesystem::path& executableFolder) {
  // The folders a package or an administrator's copy puts programs in; a program
  // there belongs to every user, who must not share one working list (root can write
  // there, but a list or settings file in /usr/bin is no place for either).
  static const std::filesystem::path kSystemFolders[] = {"/bin", "/usr/bin", "/usr/local/bin",
                                                         "/usr/games", "/usr/local/games"};
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::weakly_canonical(executableFolder, ec);
  if (ec) folder = executableFolder.lexically_normal();
  for (const std::filesystem::path& system : kSystemFolders) {
    if (folder == system) return true;
  }
  // Elsewhere (a prefix in /opt or the home folder) the install says so with its
  // marker: a prefix chosen at install time is known only there.
  return std::filesystem::is_regular_file(installMarker(executableFolder), ec);
}

std::filesystem::path chooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataFolder) {
  if (!isInstalledProgram(executableFolder) && folderIsWritable(executableFolder)) {
    return executableFolder;
  }
  std::error_code ignored;
  std::filesystem::create_directories(dataFolder, ignored);
  return dataFolder;
}

std::filesystem::path applicationProgramFolder() {
  const std::filesystem::path executable = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path data =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  return chooseProgramFolder(executable, data);
}

}  // namespace quorvel
