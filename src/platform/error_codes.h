// Error codes that the library speaks in.
//
// The library reports failures with the Windows system error codes that its
// callers know; this header names the ones it produces and maps POSIX errno
// values onto them.
#ifndef VYN_PLATFORM_ERROR_CODES_H_
#define VYN_PLATFORM_ERROR_CODES_H_

#include <cstdint>
#include <string>

namespace vyn::platform {

enum : uint32_t {
  kSuccess = 0,
  kInvalidFunction = 1,
  kFileNotFound = 2,
  kPathNotFound = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kInvalidHandleCode = 6,
  kNotEnoughMemory = 8,
  kInvalidData = 13,
  kNotSameDevice = 17,
  kNoMoreFiles = 18,
  kWriteProtect = 19,
  kSharingViolation = 32,
  kHandleEof = 38,
  kNotSupported = 50,
  kFileExists = 80,
  kInvalidParameter = 87,
  kDiskFull = 112,
  kInsufficientBuffer = 122,
  kDirNotEmpty = 145,
  kAlreadyExists = 183,
  kFilenameTooLong = 206,
  kDirectoryInvalid = 267,
  kNoUnicodeTranslation = 1113,
  kAlreadyInitialized = 1247,
  kInternalError = 1359,
};

// The Windows code for a POSIX errno value. Values without a counterpart
// give kInternalError; the caller keeps errno_text() as the result's text.
uint32_t code_from_errno(int err);

// The C library's text for an errno value, in the locale's charset.
std::string errno_text(int err);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_ERROR_CODES_H_
