#pragma once
// The preferences in the per-user configuration folder (on Linux
// ~/.config/Quorvel/preferences.ini), through QSettings. Only the program's own keys
// are kept: whatever else the file holds is dropped when it is next written. A file
// that cannot be read as settings (no regular file, a FIFO, far too large, binary
// bytes) is set aside as preferences.ini.unreadable before Qt ever opens it, and the
// program starts from its defaults; should even that fail, the preferences of this
// run are kept in memory only.
#include <QSettings>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/preferences.h"

namespace quorvel {

class QtPreferences : public Preferences {
 public:
  // `known`: the keys the program uses (knownPreferenceKeys()).
  explicit QtPreferences(std::filesystem::path file = defaultFile(),
                         const std::vector<std::string>& known = knownPreferenceKeys());
  ~QtPreferences() override;
  QtPreferences(const QtPreferences&) = delete;
  QtPreferences& operator=(const QtPreferences&) = delete;

  // The file the preferences live in.
  QString fileName() const;
  // False when the file could be neither read nor set aside: nothing is written.
  bool stored() const { return settings_ != nullptr; }

  // ~/.config/Quorvel/preferences.ini (Qt's test folder in its test mode).
  static std::filesystem::path defaultFile();

  // The most a preferences file can hold: a few dozen short lines.
  static constexpr std::uint64_t kMostBytes = 64 * 1024;

 protected:
  std::optional<std::string> read(const std::string& key) const override;
  void write(const std::string& key, const std::string& value) override;

 private:
  std::filesystem::path file_;
  std::set<std::string> known_;
  std::unique_ptr<QSettings> settings_;
  std::map<std::string, std::string> memory_;  // when there is no file to keep them in
};

// Why `file` cannot be read as the preferences ("" when it can, or is missing).
std::string preferencesFileProblem(const std::filesystem::path& file);

}  // namespace quorvel
