#pragma once
// The preferences in the per-user configuration folder (on Linux
// ~/.config/Quorvel/preferences.ini), through QSettings.
#include <QSettings>

#include "shell/preferences.h"

namespace quorvel {

class QtPreferences : public Preferences {
 public:
  QtPreferences();
  // The file the preferences live in.
  QString fileName() const { return settings_.fileName(); }

 protected:
  std::optional<std::string> read(const std::string& key) const override;
  void write(const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

}  // namespace quorvel
