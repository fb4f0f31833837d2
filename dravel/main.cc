// dravel: the stream recoding companion of sorvex. It examines its command
// line, prints its usage on request or an error for surplus arguments, and
// ends with an exit code. It reads nothing.
#include <cctype>
#include <iostream>
#include <string_view>

namespace {

constexpr int kInvalidParameter = 87;

bool equal_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

void print_line(std::string_view line) { std::cout << line << std::endl; }

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    print_line("Error: invalid parameters.");
    return kInvalidParameter;
  }
  if (argc == 2) {
    std::string_view arg(argv[1]);
    if (equal_nocase(arg, "/?") || equal_nocase(arg, "-?")) {
      print_line("dravel * Stream recoding program * https://sorvex.example.org/");
      print_line("How to start:");
      print_line("dravel [*oem-to-ansi|ansi-to-oem]");
    }
    // Any other word, the two direction words included, selects nothing.
  }
  return 0;
}
