#include "cli/list_opening.h"

#include <ostream>
#include <string>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/list_file_check.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "files/atomic_file.h"
#include "files/stale_temporaries.h"
#include "plot/plotter.h"

namespace quorvel::cli {

std::optional<OpenedList> openListFile(std::string_view command, const std::filesystem::path& file,
                                       const RandomNumbers& random, std::ostream& err, int& exit) {
  // What killed runs of the program left in the temporary folder goes first.
  removeStalePrivateFolders();
  if (const std::string why = unreadableReason(file); !why.empty()) {
    err << "quorvel " << command << ": cannot read '" << file.string() << "': " << why << '\n';
    exit = kExitFileError;
    return std::nullopt;
  }
  ListReading reading = readListFile(file);
  if (!reading.list) {
    err << kTitleError << ": " << openRefusalText(file, reading.fault) << '\n';
    exit = kExitRefused;
    return std::nullopt;
  }
  OpenedList opened{std::move(*reading.list), {}, reading.format};
  opened.refused = readOpenedLines(opened.list, random);
  exit = kExitDone;
  return opened;
}

std::int32_t ListToChange::nextAutoColour() const {
  int current = -1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list.at(i).ticked) current = static_cast<int>(i);
  }
  return autoColor(current);
}

std::int32_t ListToChange::colourOf(const SplitWords& words) const {
  const std::string* colour = words.value("--color");
  const std::optional<std::int32_t> chosen = colour ? parseHexColour(*colour) : std::nullopt;
  return chosen ? *chosen : nextAutoColour();
}

std::optional<ListToChange> openListToChange(const std::filesystem::path& file,
                                             const RandomNumbers& random, std::ostream& err,
                                             int& exit) {
  ListToChange target;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return target;
  std::optional<OpenedList> opened = openListFile("add", file, random, err, exit);
  if (!opened) return std::nullopt;
  reportRefusals(err, "add", file, opened->refused);
  target.list = std::move(opened->list);
  target.existing = opened->format;
  return target;
}

RandomNumbers commandRandom() { return seededRandom(1); }

std::size_t reportRefusals(std::ostream& err, std::string_view command,
                           const std::filesystem::path& file,
                           const std::vector<EntryRefusal>& refused) {
  for (const EntryRefusal& r : refused) {
    err << "quorvel " << command << ": " << file.string() << ": record " << r.index + 1 << ": "
        << r.refusal.title << ": " << r.refusal.message << '\n';
  }
  return refused.size();
}

int writeListFile(std::string_view command, const std::filesystem::path& file,
                  const FunctionList& list, std::optional<ListFormat> existing, std::ostream& err) {
  const ListFormat format = existing ? *existing : formatOfName(file).value_or(naturalFormat(list));
  std::string refusal;
  const std::optional<std::string> bytes = listBytes(list, format, &refusal);
  if (!bytes) {
    err << "quorvel " << command << ": '" << file.string() << "': " << kTitleError << ": "
        << refusal << '\n';
    return kExitRefused;
  }
  if (!replaceFileWith(file, *bytes)) {
    err << "quorvel " << command << ": cannot write '" << file.string() << "' (" << kTitleError
        << ": " << kMessageSaveListError << ")\n";
    return kExitFileError;
  }
  return kExitDone;
}

}  // namespace quorvel::cli
