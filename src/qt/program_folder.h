#pragma once
// Where Funclist.dat and Quorvel.ini live: the executable's folder for a copy run from
// where it was built or unpacked when the program may write there; else, and always
// for an installed program, the user's data folder for the program.
#include <filesystem>

namespace quorvel {

// True when a file can be created (and removed again) in the folder.
bool folderIsWritable(const std::filesystem::path& folder);

// True for an installed program: its folder is one of the system's program folders
// (/usr/bin, /usr/local/bin, ...), or the install's marker lies where `cmake --install`
// puts it beside the program, whatever the prefix (see installMarker).
bool isInstalledProgram(const std::filesystem::path& executableFolder);
// Where the install puts its marker for a program in `executableFolder`:
// PREFIX/share/quorvel/installed for PREFIX/bin.
std::filesystem::path installMarker(const std::filesystem::path& executableFolder);

// executableFolder when writable and not installed, else dataFolder (created when missing). When
// neither can be written to, the data folder is still the answer: the commands that
// write there then report their failures.
std::filesystem::path chooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& dataFolder);

// The same for the running application (needs a QCoreApplication).
std::filesystem::path applicationProgramFolder();

}  // namespace quorvel
