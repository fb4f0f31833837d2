#include "textfiles/file_mask.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/utf.h"
#include "support/temp_dir.h"

namespace vyn {
namespace {

namespace fs = std::filesystem;
using testing_support::temp_dir;

// A file action that records the names it is given.
class recording_action : public file_action {
 public:
  result execute_nothrow() override {
    names.push_back(utf16_to_utf8(file_name));
    if (file_name.find(u"fail") != std::u16string::npos) {
      return result(5, u"<" + file_name + u">", severity_error);
    }
    return result();
  }
  std::vector<std::string> names;
};

struct walk {
  result r;
  std::vector<std::string> names;
};

walk run_mask(const std::string& mask, bool recursive) {
  recording_action action;
  FileMaskWorker worker;
  worker.worker = &action;
  result r;
  if (recursive) {
    FileRecursive rec;
    rec.worker = &worker;
    rec.set_mask(utf8_to_utf16(mask));
    r = rec.execute_nothrow();
  } else {
    worker.set_name(utf8_to_utf16(mask));
    r = worker.execute_nothrow();
  }
  return {r, action.names};
}

// Runs in the directory, restoring the old one afterwards.
struct in_directory {
  fs::path old = fs::current_path();
  explicit in_directory(const std::string& dir) { fs::current_path(dir); }
  ~in_directory() { fs::current_path(old); }
};

TEST(FileMaskWorker, BarePatternGivesBareNames) {
  temp_dir d;
  d.write("b.txt", "");
  d.write("a.txt", "");
  d.write("c.log", "");
  in_directory here(d.path());
  walk w = run_mask("*.txt", false);
  EXPECT_TRUE(w.r.ok());
  EXPECT_EQ(w.names, (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST(FileMaskWorker, Table) {
  temp_dir d;
  d.write("x/one.txt", "");
  d.write("x/two.TXT", "");
  d.write("x/.hidden.txt", "");
  d.write("x/ro.txt", "");
  fs::permissions(d.file("x/ro.txt"), fs::perms::owner_read);
  fs::create_directories(d.file("x/sub.txt"));
  d.write("only/dir1/f", "");
  d.write("ro/r.txt", "");
  fs::permissions(d.file("ro/r.txt"), fs::perms::owner_read);
  const std::string x = d.file("x") + "/";
  struct row {
    std::string mask;
    uint32_t code;
    bool ok;
    std::vector<std::string> names;
  };
  const row rows[] = {
      {x + "*.txt", 0, true, {x + ".hidden.txt", x + "one.txt"}},  // case-sensitive
      {x + "*.*", 0, true, {x + ".hidden.txt", x + "one.txt", x + "two.TXT"}},
      {x + "o?e.txt", 0, true, {x + "one.txt"}},
      {x + "one.txt", 0, true, {x + "one.txt"}},
      {d.file("only") + "/*", 0, true, {}},       // only directories
      {d.file("ro") + "/*", 0, true, {}},         // read-only only: skipped
      {x + "*.none", 2, false, {}},
      {d.file("missing") + "/*.txt", 3, false, {}},
  };
  for (const row& r : rows) {
    walk w = run_mask(r.mask, false);
    EXPECT_EQ(w.r.code(), r.code) << r.mask;
    EXPECT_EQ(w.r.ok(), r.ok) << r.mask;
    EXPECT_EQ(w.names, r.names) << r.mask;
  }
}

TEST(FileMaskWorker, OneFailingFileDoesNotStopTheOthers) {
  temp_dir d;
  for (const char* n : {"a.txt", "b-fail.txt", "c.txt", "d-fail.txt"}) d.write(n, "");
  walk w = run_mask(d.file("*.txt"), false);
  EXPECT_EQ(w.names.size(), 4u);
  EXPECT_EQ(w.r.code(), 5u);
  EXPECT_FALSE(w.r.ok());
  EXPECT_EQ(utf16_to_utf8(w.r.text()),
            "<" + d.file("b-fail.txt") + "><" + d.file("d-fail.txt") + ">");
}

TEST(FileMaskWorker, TooLongDirectoryIsRefused) {
  std::string dir(5000, 'd');
  walk w = run_mask(dir + "/*.txt", false);
  EXPECT_EQ(w.r.code(), 206u);
  EXPECT_TRUE(w.names.empty());
}

TEST(FileRecursive, WalksDepthFirstFilesBeforeSubdirectories) {
  temp_dir d;
  d.write("t/a.txt", "");
  d.write("t/b/c.txt", "");
  d.write("t/b/d/e.txt", "");
  d.write("t/.hid/f.txt", "");
  d.write("t/z.txt", "");
  d.write("t/b/skip.log", "");
  const std::string t = d.file("t");
  walk w = run_mask(t + "/*.txt", true);
  EXPECT_TRUE(w.r.ok());
  EXPECT_EQ(w.names, (std::vector<std::string>{t + "/a.txt", t + "/z.txt", t + "/.hid/f.txt",
                                               t + "/b/c.txt", t + "/b/d/e.txt"}));
  // A mask ending in a separator takes every file of the tree.
  walk all = run_mask(t + "/", true);
  EXPECT_EQ(all.names.size(), 6u);
}

TEST(FileRecursive, MatchOnlyBelowTheTopIsSuccess) {
  temp_dir d;
  d.write("t/top.log", "");
  d.write("t/empty/x.log", "");
  d.write("t/deep/deeper/found.txt", "");
  walk w = run_mask(d.file("t") + "/*.txt", true);
  EXPECT_TRUE(w.r.ok());
  EXPECT_EQ(w.r.code(), 0u);
  EXPECT_EQ(w.names.size(), 1u);
  walk none = run_mask(d.file("t") + "/*.none", true);
  EXPECT_EQ(none.r.code(), 2u);
}

TEST(FileRecursive, FailuresBelowAreKept) {
  temp_dir d;
  d.write("t/ok.txt", "");
  d.write("t/sub/x-fail.txt", "");  // fails with 5, like a file without access
  walk w = run_mask(d.file("t") + "/*.txt", true);
  EXPECT_EQ(w.r.code(), 5u);
  EXPECT_FALSE(w.r.ok());
}

TEST(FileRecursive, LinkCycleEnds) {
  temp_dir d;
  d.write("t/a.txt", "");
  d.write("t/sub/b.txt", "");
  fs::create_directory_symlink("..", d.file("t/sub/up"));   // back to t
  fs::create_directory_symlink(".", d.file("t/self"));      // to itself
  fs::create_directory_symlink(d.file("t/sub"), d.file("t/again"));  // a second way in
  walk w = run_mask(d.file("t") + "/*.txt", true);
  EXPECT_TRUE(w.r.ok());
  // t/again leads to sub, which is not on the current path: visited once
  // more by that name; the links back up are not followed.
  EXPECT_EQ(w.names.size(), 3u);
}

TEST(SplitPath, Parts) {
  std::u16string drive = u"x", dir, name, ext;
  ASSERT_TRUE(split_path(u"/srv/www/page.min.html", &drive, &dir, &name, &ext));
  EXPECT_EQ(drive, u"");
  EXPECT_EQ(dir, u"/srv/www/");
  EXPECT_EQ(name, u"page.min");
  EXPECT_EQ(ext, u".html");
  ASSERT_TRUE(split_path(u"*.txt", nullptr, &dir, &name, &ext));
  EXPECT_EQ(dir, u"");
  EXPECT_EQ(name, u"*");
  ASSERT_TRUE(split_path(u"dir/", nullptr, &dir, &name, &ext));
  EXPECT_EQ(name, u"");
  EXPECT_EQ(ext, u"");
  dir = u"kept";
  EXPECT_FALSE(split_path(std::u16string(4096, u'd') + u"/x", nullptr, &dir, nullptr, nullptr));
  EXPECT_EQ(dir, u"kept");
}

}  // namespace
}  // namespace vyn
