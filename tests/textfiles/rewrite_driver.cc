// Rewrites one file through the block action, replacing a sample: the
// program that the kill test stops at random moments.
//   rewrite_driver <file> <sample> <replacement>
#include <cstdio>

#include "engine/plain_actions.h"
#include "engine/string_action_set.h"
#include "platform/utf.h"
#include "textfiles/file_action.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  vyn::string_action_set set;
  set.add(new vyn::string_replace(vyn::utf8_to_utf16(argv[2]), vyn::utf8_to_utf16(argv[3])));
  vyn::text_file_block_action action;
  action.set_action_set(&set);
  action.set_name(vyn::utf8_to_utf16(argv[1]));
  vyn::result r = action.run();
  std::printf("%u\n", r.code());
  return r.ok() ? 0 : 1;
}
