#pragma once
// Where Funclist.dat and Quorvel.ini live: the executable's folder when the program
// may write there, else the user's data folder for the program.
#include <filesystem>

namespace quorvel {

// True when a file can be created (and removed again) in the folder.
bool folderIsWritable(const std::filesystem::path& folder);

// executableFolder when writable, else dataFolder (created when missing). When
// neither can be written to, the data folder is still the answer: the commands that
// write there then report their failures.
std::filesystem::path chooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataFolder);

// The same for the running application (needs a QCoreApplication).
std::filesystem::path applicationProgramFolder();

}  // namespace quorvel
