#include "qt/qt_preferences.h"

#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <system_error>

#include "files/regular_file.h"

namespace quorvel {

namespace {

constexpr const char* kAsideSuffix = ".unreadable";

// Renames `file` out of the way (over an older one set aside); false when it stays.
bool setAside(const std::filesystem::path& file) {
  std::filesystem::path aside = file;
  aside += kAsideSuffix;
  std::error_code ec;
  std::filesystem::remove_all(aside, ec);
  std::filesystem::rename(file, aside, ec);
  return !ec;
}

}  // namespace

std::string preferencesFileProblem(const std::filesystem::path& file) {
  // Looked at before QSettings opens it: a FIFO would keep the windows from opening.
  const ReadableFile in(file);
  if (!in.isOpen()) {
    if (in.kind() == FileKind::Missing && (in.error() == ENOENT || in.error() == ENOTDIR)) {
      return "";
    }
    return unreadableText(in.kind(), in.error());
  }
  if (in.size() > QtPreferences::kMostBytes) return "far too large for settings";
  std::string bytes(static_cast<std::size_t>(in.size()), '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
  if (std::ferror(in.get()) != 0) return "it cannot be read";
  if (std::find(bytes.begin(), bytes.end(), '\0') != bytes.end()) return "binary bytes";
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text =
      utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return "not UTF-8 text";
  return "";
}

std::filesystem::path QtPreferences::defaultFile() {
  return std::filesystem::path(
             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                 .toStdString()) /
         "Quorvel" / "preferences.ini";
}

QtPreferences::QtPreferences(std::filesystem::path file, const std::vector<std::string>& known)
    : file_(std::move(file)), known_(known.begin(), known.end()) {
  const QString name = QString::fromStdString(file_.string());
  bool usable = preferencesFileProblem(file_).empty();
  if (usable) {
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) {
      settings_.reset();
      usable = false;
    }
  }
  if (!usable) {
    if (!setAside(file_)) return;  // kept in memory for this run
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
  }
  // Keys the program does not know (another program's, or bytes that happened to
  // read as settings) are not written back.
  for (const QString& key : settings_->allKeys()) {
    if (known_.count(key.toStdString()) == 0) settings_->remove(key);
  }
}

QtPreferences::~QtPreferences() = default;

QString QtPreferences::fileName() const { return QString::fromStdString(file_.string()); }

std::optional<std::string> QtPreferences::read(const std::string& key) const {
  if (settings_ == nullptr) {
    const auto it = memory_.find(key);
    if (it == memory_.end()) return std::nullopt;
    return it->second;
  }
  const QVariant value = settings_->value(QString::fromStdString(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtPreferences::write(const std::string& key, const std::string& value) {
  if (settings_ == nullptr) {
    memory_[key] = value;
    return;
  }
  settings_->setValue(QString::fromStdString(key), QString::fromStdString(value));
}

}  // namespace quorvel
