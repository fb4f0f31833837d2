#include "platform/error_codes.h"

#include <cerrno>
#include <cstring>

namespace vyn::platform {

uint32_t code_from_errno(int err) {
  switch (err) {
    case 0: return kSuccess;
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR: return kAccessDenied;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case ENOMEM: return kNotEnoughMemory;
    case EEXIST: return kFileExists;
    case ENOSPC: return kDiskFull;
    case EROFS: return kWriteProtect;
    case EBUSY:
    case ETXTBSY: return kSharingViolation;
    case EINVAL: return kInvalidParameter;
    case ENAMETOOLONG: return kFilenameTooLong;
    default: return kInternalError;
  }
}

std::string errno_text(int err) {
  char buf[256];
  // The GNU strerror_r may return a static string instead of filling buf.
  const char* text = strerror_r(err, buf, sizeof buf);
  return text ? std::string(text) : std::string();
}

}  // namespace vyn::platform
