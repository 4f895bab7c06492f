#include "shell/qt/qt_preferences.h"

namespace quorvel {

QtPreferences::QtPreferences()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvel"),
                QStringLiteral("preferences")) {}

std::optional<std::string> QtPreferences::read(const std::string& key) const {
  const QVariant value = settings_.value(QString::fromStdString(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtPreferences::write(const std::string& key, const std::string& value) {
  settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

}  // namespace quorvel
