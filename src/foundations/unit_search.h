// Fast search for a sample of UTF-16 code units.
//
// Both searches look for the sample's first and last units in eight
// positions at once (SSE2 where available) and compare the whole sample only
// where both stand; the case-insensitive one compares every unit that folds
// to the same uppercase as the sample's unit.
#ifndef VYN_FOUNDATIONS_UNIT_SEARCH_H_
#define VYN_FOUNDATIONS_UNIT_SEARCH_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vyn {

// The first occurrence of the n units at `what` in [begin, end), or null.
// n must be at least 1.
const char16_t* find_sample(const char16_t* begin, const char16_t* end,
                            const char16_t* what, size_t n);

// A sample prepared for case-insensitive search: units compare equal when
// their simple uppercase mappings are equal.
class nocase_sample {
 public:
  explicit nocase_sample(std::u16string_view what);  // what not empty

  // The first occurrence in [begin, end), or null.
  const char16_t* find(const char16_t* begin, const char16_t* end) const;
  size_t size() const { return upper_.size(); }

 private:
  static constexpr int kMaxVariants = 4;
  struct variants {
    char16_t unit[kMaxVariants] = {};
    int count = 0;  // 0: too many to test in parallel
  };
  static variants variants_of(char16_t upper);
  bool matches_at(const char16_t* p) const;

  std::u16string upper_;
  variants first_, last_;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_UNIT_SEARCH_H_
