// The typed preferences over a store of texts: what reads back, and the fallback for
// what is missing or does not read as the type.
#include <gtest/gtest.h>
#include <set>

#include "settings/picture_preferences.h"
#include "settings/preferences.h"

namespace quorvel::test {
namespace {

class TextStore : public MemoryPreferences {
 public:
  using MemoryPreferences::write;  // a stored text, as another version may have left it
};

TEST(Preferences, ReadBackTheirTypeElseTheFallback) {
  TextStore store;
  constexpr Preference<bool> flag{"a/flag", true};
  constexpr Preference<int> number{"a/number", 9};
  constexpr Preference<double> size{"a/size", 1.5};
  const Preference<std::string> word{"a/word", "x"};
  // Nothing stored: the fallbacks.
  EXPECT_TRUE(store.get(flag));
  EXPECT_EQ(store.get(number), 9);
  EXPECT_EQ(store.get(size), 1.5);
  EXPECT_EQ(store.get(word), "x");
  store.set(flag, false);
  store.set(number, -12);
  store.set(size, 0.1);
  store.set(word, "网格");
  EXPECT_FALSE(store.get(flag));
  EXPECT_EQ(store.get(number), -12);
  EXPECT_EQ(store.get(size), 0.1);  // written with every digit
  EXPECT_EQ(store.get(word), "网格");
  // Texts that are not of the type give the fallback.
  for (const char* bad : {"", "yes", "12a", " 1", "1 "}) {
    store.write("a/flag", bad);
    store.write("a/number", bad);
    store.write("a/size", bad);
    EXPECT_TRUE(store.get(flag)) << bad;
    EXPECT_EQ(store.get(number), 9) << bad;
    EXPECT_EQ(store.get(size), 1.5) << bad;
  }
  store.write("a/flag", "true");
  store.write("a/number", "99999999999");  // beyond int
  EXPECT_TRUE(store.get(flag));
  EXPECT_EQ(store.get(number), 9);
}

// The preferences file keeps the program's own keys only: every key the program
// stores must be among them, or it would be forgotten at the next start.
TEST(PreferenceKeys, EveryKeyTheProgramStoresIsKnown) {
  class Keys : public MemoryPreferences {
   public:
    std::set<std::string> written;

   protected:
    void write(const std::string& key, const std::string& value) override {
      written.insert(key);
      MemoryPreferences::write(key, value);
    }
  } keys;
  PictureStyle style;
  style.smooth = style.grid = style.piTicks = true;
  style.labels = CurveLabels::Legend;
  storePictureStyle(keys, style);
  storeExportSize(keys, PictureSize{});
  const std::vector<std::string>& known = knownPreferenceKeys();
  EXPECT_EQ(keys.written, std::set<std::string>(known.begin(), known.end()));
}

}  // namespace
}  // namespace quorvel::test
