// The program's command line as one string.
//
// The parser reads one command-line string with its own quoting rules; the
// platform hands over an argument vector that the shell has already split
// and unquoted. rebuild_command_line() joins the arguments back into a
// string that the parser reads as the same arguments:
// - arguments are joined by single blanks;
// - an argument without blanks that neither starts nor ends with a double
//   quote (and is not empty) passes as it is;
// - otherwise its value is wrapped in double quotes: for an option
//   ("-" or "/", a name and ":") the part after the first ":", for anything
//   else the whole argument. A double quote in the value that is followed by
//   a blank becomes backslash-quote; other double quotes stay (readers take
//   a quote that is not followed by a blank literally).
// An option with nothing after its ":" gets the empty quoted value "".
#ifndef VYN_PLATFORM_COMMAND_LINE_H_
#define VYN_PLATFORM_COMMAND_LINE_H_

#include <string>
#include <string_view>
#include <vector>

namespace vyn::platform {

std::u16string rebuild_command_line(const std::vector<std::u16string>& arguments);

// The command line of this process (program name first), rebuilt from its
// argument vector.
std::u16string process_command_line();

// On this platform an absolute path starts with "/", the same character
// that starts an option: an argument that starts with "/" and that no
// option claims is a path.
inline constexpr bool kSlashStartsPaths = true;

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_COMMAND_LINE_H_
