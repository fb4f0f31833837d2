// The console: standard input, output and error in the locale's charset.
#ifndef VYN_PLATFORM_CONSOLE_H_
#define VYN_PLATFORM_CONSOLE_H_

#include <string>
#include <string_view>

namespace vyn::platform {

// Takes the locale from the environment. Call once at start.
void init_console();

// The code page of the console charset (65001 for UTF-8, the usual case).
int console_code_page();
// The code page for a charset name as nl_langinfo reports it.
int code_page_for_charset(std::string_view charset);

// Writes text in the console charset (characters it lacks become '?',
// raw-byte units their bytes); flushes when asked.
void write_out(std::u16string_view text, bool flush = false);
void write_err(std::u16string_view text, bool flush = false);

// Reads standard input up to the next line feed, which is not kept. False
// at the end of input with nothing read.
bool read_in_line(std::string& bytes);

// Bytes from and to the console charset, losslessly.
std::u16string from_console(std::string_view bytes);
std::string to_console(std::u16string_view text);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_CONSOLE_H_
