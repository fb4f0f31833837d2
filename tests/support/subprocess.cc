#include "support/subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace testing_support {
namespace {

void set_nonblocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

}  // namespace

run_result run_program(const std::string& path,
                       const std::vector<std::string>& args,
                       const run_options& options) {
  int in[2], out[2], err[2];
  if (pipe(in) || pipe(out) || pipe(err)) throw std::runtime_error("pipe");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (!options.directory.empty() && chdir(options.directory.c_str()) != 0) _exit(126);
    for (const auto& name : options.unset_env) unsetenv(name.c_str());
    for (const auto& [k, v] : options.env) setenv(k.c_str(), v.c_str(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  signal(SIGPIPE, SIG_IGN);

  run_result r;
  size_t written = 0;
  int in_fd = in[1];
  if (options.probe_stdin_unread) {
    // Keep the pipe open and empty: a reader would wait forever.
  } else if (options.input.empty()) {
    close(in_fd);
    in_fd = -1;
  } else {
    set_nonblocking(in_fd);
  }
  set_nonblocking(out[0]);
  set_nonblocking(err[0]);
  auto deadline = std::chrono::steady_clock::now() +
                  std::chrono::seconds(options.timeout_seconds);
  bool out_open = true, err_open = true;
  char buf[65536];
  while (out_open || err_open) {
    std::vector<pollfd> fds;
    if (out_open) fds.push_back({out[0], POLLIN, 0});
    if (err_open) fds.push_back({err[0], POLLIN, 0});
    bool feeding = in_fd >= 0 && !options.probe_stdin_unread;
    if (feeding) fds.push_back({in_fd, POLLOUT, 0});
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      break;
    }
    poll(fds.data(), fds.size(), 100);
    for (const pollfd& p : fds) {
      if (p.revents == 0) continue;
      if (p.fd == in_fd) {
        ssize_t n = write(in_fd, options.input.data() + written,
                          options.input.size() - written);
        if (n > 0) written += size_t(n);
        if (n < 0 || written == options.input.size()) {
          close(in_fd);
          in_fd = -1;
        }
        continue;
      }
      ssize_t n = read(p.fd, buf, sizeof buf);
      if (n > 0) {
        (p.fd == out[0] ? r.out : r.err).append(buf, size_t(n));
      } else if (n == 0 || (n < 0 && errno != EAGAIN)) {
        (p.fd == out[0] ? out_open : err_open) = false;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (in_fd >= 0) close(in_fd);
  close(out[0]);
  close(err[0]);
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace testing_support
