#include "platform/error_codes.h"

#include <cerrno>

#include <gtest/gtest.h>

namespace vyn::platform {
namespace {

struct errno_case {
  int err;
  uint32_t code;
};

class ErrnoMapping : public ::testing::TestWithParam<errno_case> {};

TEST_P(ErrnoMapping, MapsToWindowsCode) {
  EXPECT_EQ(code_from_errno(GetParam().err), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    All, ErrnoMapping,
    ::testing::Values(errno_case{0, 0}, errno_case{ENOENT, 2},
                      errno_case{ENOTDIR, 3}, errno_case{EACCES, 5},
                      errno_case{EPERM, 5}, errno_case{EISDIR, 5},
                      errno_case{EMFILE, 4}, errno_case{ENOMEM, 8},
                      errno_case{EEXIST, 80}, errno_case{ENOSPC, 112},
                      errno_case{EROFS, 19}, errno_case{EBUSY, 32},
                      errno_case{ETXTBSY, 32}, errno_case{EINVAL, 87},
                      errno_case{ENAMETOOLONG, 206}, errno_case{EIO, 1359},
                      errno_case{ELOOP, 1359}));

TEST(ErrnoText, KeepsTheCLibraryText) {
  EXPECT_FALSE(errno_text(EIO).empty());
}

}  // namespace
}  // namespace vyn::platform
