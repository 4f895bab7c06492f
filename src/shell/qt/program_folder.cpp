#include "shell/qt/program_folder.h"

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

std::filesystem::path chooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataFolder) {
  if (folderIsWritable(executableFolder)) return executableFolder;
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
