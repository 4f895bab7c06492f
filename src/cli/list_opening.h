#pragma once
// What every list command does first: the list file read as the toolbar's 打开 reads
// it, its entries read as the window reads them, and what went wrong reported the one
// way all the commands report it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/option_parsing.h"
#include "document/function_list.h"
#include "document/list_formats.h"
#include "document/read_entry.h"

namespace quorvel::cli {

struct OpenedList {
  FunctionList list;  // each entry with its line, ticked when it can be drawn
  std::vector<EntryRefusal> refused;
  ListFormat format = ListFormat::ListFile;  // the format the file was in
};

// Reads LIST for `quorvel COMMAND`. nullopt, with `exit` set, after reporting on `err`
// a file that cannot be read ("quorvel COMMAND: cannot read 'LIST': WHY", kExitFileError)
// or one that is no list ("错误: 打开列表文件错误", kExitRefused). Either format, told
// by the file's content.
std::optional<OpenedList> openListFile(std::string_view command, const std::filesystem::path& file,
                                       const RandomNumbers& random, std::ostream& err, int& exit);

// A list file as `quorvel add` changes it: the list it holds (none while the file does
// not exist) and the format it is in.
struct ListToChange {
  FunctionList list;
  std::optional<ListFormat> existing;

  // The colour 自动选色 gives a new curve: the one after the list's current line, the
  // last entry that can be drawn.
  std::int32_t nextAutoColour() const;
  // A new curve's colour: --color (checked by colourOptionProblem) or the automatic one.
  std::int32_t colourOf(const SplitWords& words) const;
};

// LIST for `quorvel add`: read when it exists, its refused records reported and kept
// as they are; nullopt, with `exit` set, as openListFile.
std::optional<ListToChange> openListToChange(const std::filesystem::path& file,
                                             const RandomNumbers& random, std::ostream& err,
                                             int& exit);

// The random numbers every command tries expressions of one's own with: a fixed seed,
// so that a command does the same every time.
RandomNumbers commandRandom();

// One line per refused entry: "quorvel COMMAND: LIST: record N: TITLE: MESSAGE".
// Returns how many there were.
std::size_t reportRefusals(std::ostream& err, std::string_view command,
                           const std::filesystem::path& file,
                           const std::vector<EntryRefusal>& refused);

// Writes LIST after `quorvel COMMAND` changed it, in the format it was in (`existing`),
// or for a new file the one its name says, else the list's own. kExitDone; or, after
// reporting on `err`, kExitRefused when that format cannot keep the list (a .QVX and a
// curve beyond the fourteen families: never dropped) and kExitFileError when the file
// cannot be written. The file is left as it was unless it is written whole.
int writeListFile(std::string_view command, const std::filesystem::path& file,
                  const FunctionList& list, std::optional<ListFormat> existing, std::ostream& err);

}  // namespace quorvel::cli
