#pragma once
// The user's own choices for what the program offers beyond its original settings
// (smooth curves, a grid and the like): kept per user, apart from Quorvel.ini, whose
// format never changes. Each preference is named once with its type and the value it
// has until the user changes it:
//   inline constexpr Preference<bool> kSmoothCurves{"picture/smooth", false};
//   if (preferences.get(kSmoothCurves)) ...
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

template <class T>
struct Preference {
  const char* key;
  T fallback;
};

class Preferences {
 public:
  virtual ~Preferences() = default;

  // The stored value, or the fallback when none is stored or it does not read as a T.
  bool get(const Preference<bool>& p) const;
  int get(const Preference<int>& p) const;
  double get(const Preference<double>& p) const;
  std::string get(const Preference<std::string>& p) const;
  void set(const Preference<bool>& p, bool value);
  void set(const Preference<int>& p, int value);
  void set(const Preference<double>& p, double value);
  void set(const Preference<std::string>& p, const std::string& value);

 protected:
  // The store: texts by key.
  virtual std::optional<std::string> read(const std::string& key) const = 0;
  virtual void write(const std::string& key, const std::string& value) = 0;
};

// Every key the program keeps a preference under (picture_preferences.cpp lists
// them); the preferences file keeps these and drops any other.
const std::vector<std::string>& knownPreferenceKeys();

// Kept in memory only: for the command line and the tests.
class MemoryPreferences : public Preferences {
 protected:
  std::optional<std::string> read(const std::string& key) const override;
  void write(const std::string& key, const std::string& value) override;

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace quorvel
