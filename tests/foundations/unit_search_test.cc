#include "foundations/unit_search.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "platform/unicode_case.h"

namespace vyn {
namespace {

// The obvious search, to compare against.
const char16_t* naive(const std::u16string& s, const std::u16string& w,
                      bool nocase) {
  for (size_t i = 0; i + w.size() <= s.size(); ++i) {
    bool eq = true;
    for (size_t k = 0; k < w.size() && eq; ++k) {
      char16_t a = s[i + k], b = w[k];
      eq = nocase ? platform::to_upper_unit(a) == platform::to_upper_unit(b)
                  : a == b;
    }
    if (eq) return s.data() + i;
  }
  return nullptr;
}

// Random texts over a small alphabet (so matches are frequent) and samples
// of every length up to 12, at every alignment of the eight-unit blocks:
// both searches agree with the obvious one.
TEST(UnitSearch, AgreesWithNaiveSearch) {
  std::mt19937 rng(7);
  const std::u16string alphabet = u"abAB\u0430\u0410\u017Fs";
  for (int round = 0; round < 3000; ++round) {
    std::u16string text(rng() % 40, u'a');
    for (auto& c : text) c = alphabet[rng() % alphabet.size()];
    std::u16string what(1 + rng() % 12, u'a');
    for (auto& c : what) c = alphabet[rng() % alphabet.size()];
    if (round % 3 == 0 && text.size() >= what.size()) {
      text.replace(rng() % (text.size() - what.size() + 1), what.size(), what);
    }
    const char16_t* b = text.data();
    const char16_t* e = b + text.size();
    EXPECT_EQ(find_sample(b, e, what.data(), what.size()), naive(text, what, false));
    EXPECT_EQ(nocase_sample(what).find(b, e), naive(text, what, true));
  }
}

TEST(UnitSearch, MatchesAtBothEndsOfLongTexts) {
  std::u16string text(1000, u'x');
  text.replace(0, 3, u"abc");
  text.replace(997, 3, u"abd");
  const char16_t* b = text.data();
  EXPECT_EQ(find_sample(b, b + text.size(), u"abd", 3), b + 997);
  EXPECT_EQ(find_sample(b, b + text.size(), u"abc", 3), b);
  EXPECT_EQ(find_sample(b + 1, b + text.size(), u"abc", 3), nullptr);
  EXPECT_EQ(nocase_sample(u"ABD").find(b, b + text.size()), b + 997);
  EXPECT_EQ(find_sample(b, b + 2, u"abc", 3), nullptr);  // shorter text
}

TEST(NocaseSample, FoldsEveryUnitOfTheClass) {
  // The long s and the Kelvin sign fold like their ASCII letters (or not).
  std::u16string text = u"..\u017Fome \u212A ſOME";
  EXPECT_EQ(nocase_sample(u"SOME").find(text.data(), text.data() + text.size()),
            text.data() + 2);
  EXPECT_EQ(nocase_sample(u"k").find(text.data(), text.data() + text.size()),
            nullptr);  // U+212A uppercases to itself, not to K
}

}  // namespace
}  // namespace vyn
