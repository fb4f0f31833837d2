// Texts for the system error codes that the library can report, in English
// and Russian, worded for this program.
#ifndef VYN_PLATFORM_SYSTEM_MESSAGES_H_
#define VYN_PLATFORM_SYSTEM_MESSAGES_H_

#include <cstdint>
#include <string>

#include "platform/locale_info.h"

namespace vyn::platform {

// The message for a Windows system error code, or an empty string for a code
// that the table does not know.
std::u16string system_message(uint32_t code, language lang);

// The same in the interface language of the process.
std::u16string system_message(uint32_t code);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_SYSTEM_MESSAGES_H_
