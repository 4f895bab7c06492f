#pragma once
// Quorvel.ini: one line of four whole numbers, "level,pen,zoom,family" and CR LF.
// Reading is tolerant: each field that is missing, not a whole number, outside its
// slider's (or the family list's) range or absurdly long keeps the value it had.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

struct Settings {
  std::int32_t level = 2000;  // sldLevel, 1..10000
  std::int32_t penWidth = 2;  // sldPenWidth, 1..5
  std::int32_t zoom = 500;    // sldZoom, 0..16000
  std::int32_t family = 13;   // cboFuncName's list index, 0..13
  bool operator==(const Settings&) const = default;
};

// The fields of `text` over `current`: fields are separated by commas or line
// breaks (CR LF, LF or CR) and taken in order; blanks around a number are allowed.
Settings parseSettings(std::string_view text, const Settings& current);

// The file read over `current`; a missing or unreadable file changes nothing. Only
// the file's beginning is read: a settings line is short.
Settings readSettings(const std::filesystem::path& file, const Settings& current);

// "2000,2,500,13\r\n" for the initial values.
std::string settingsLine(const Settings& settings);

// Writes the line into a temporary file beside `file` and renames it into place,
// so an interrupted write never leaves half a line. False when it could not.
bool writeSettings(const std::filesystem::path& file, const Settings& settings);

}  // namespace quorvel
