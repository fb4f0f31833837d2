// A rewrite killed at any moment leaves the file either as it was or fully
// rewritten, never in between.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

using testing_support::temp_dir;

TEST(KilledRewrite, FileIsOldOrNewNeverInBetween) {
  temp_dir d;
  const std::string line = "alpha beta gamma delta epsilon zeta eta theta\r\n";
  std::string original;
  original.reserve(201u << 20);
  while (original.size() < (200u << 20)) original += line;
  std::string rewritten = original;
  for (size_t at = rewritten.find("gamma"); at != std::string::npos;
       at = rewritten.find("gamma", at + 5)) {
    rewritten.replace(at, 5, "GAMMA");
  }
  const std::string path = d.file("big.txt");

  // One full run to learn how long a rewrite takes here.
  d.write("big.txt", original);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    execl(REWRITE_DRIVER, REWRITE_DRIVER, path.c_str(), "gamma", "GAMMA", (char*)nullptr);
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  auto full = std::chrono::steady_clock::now() - start;
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(d.read("big.txt") == rewritten);

  std::mt19937 rng(2026);
  const auto full_ms = std::chrono::duration_cast<std::chrono::milliseconds>(full).count();
  int old_seen = 0, new_seen = 0;
  for (int round = 0; round < 5; ++round) {
    d.write("big.txt", original);
    pid = fork();
    if (pid == 0) {
      execl(REWRITE_DRIVER, REWRITE_DRIVER, path.c_str(), "gamma", "GAMMA", (char*)nullptr);
      _exit(127);
    }
    // Anywhere from the start to a little past the end of a normal run.
    std::this_thread::sleep_for(std::chrono::milliseconds(rng() % (full_ms + full_ms / 5 + 1)));
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    std::string now = d.read("big.txt");
    bool is_old = now == original, is_new = now == rewritten;
    EXPECT_TRUE(is_old || is_new) << "round " << round << ": " << now.size() << " bytes";
    old_seen += is_old;
    new_seen += is_new;
  }
  RecordProperty("old", old_seen);
  RecordProperty("new", new_seen);
}

}  // namespace
