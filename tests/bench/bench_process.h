// The bench program run as a child process with pipes to its standard input,
// output and error, so that a test can talk to it line by line as another
// program would.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench_test {

class BenchProcess {
 public:
  explicit BenchProcess(const std::vector<std::string>& arguments) {
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      dup2(err[1], STDERR_FILENO);
      for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
      std::vector<char*> argv;
      for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    in_ = in[1];
    out_ = out[0];
    err_ = err[0];
  }
  ~BenchProcess() {
    CloseInput();
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      Wait();
    }
    close(out_);
    close(err_);
  }
  BenchProcess(const BenchProcess&) = delete;
  BenchProcess& operator=(const BenchProcess&) = delete;

  pid_t Pid() const { return pid_; }

  void Send(const std::string& text) {
    const ssize_t written = write(in_, text.data(), text.size());
    if (written != static_cast<ssize_t>(text.size()))
      throw std::runtime_error("write to the bench");
  }
  void CloseInput() {
    if (in_ >= 0) close(in_);
    in_ = -1;
  }

  // The next line of standard output, without its newline; nothing when the
  // bench closed its output or said nothing within the time.
  std::optional<std::string> ReadLine(std::chrono::milliseconds within = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + within;
    for (;;) {
      if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return std::nullopt;
      pollfd ready{out_, POLLIN, 0};
      if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
      char buffer[4096];
      const ssize_t got = read(out_, buffer, sizeof buffer);
      if (got <= 0) return std::nullopt;
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
  }

  // Closes the input, reads both outputs to their end and waits for the exit status.
  int Finish(std::string* out = nullptr, std::string* err = nullptr) {
    CloseInput();
    std::string rest = pending_;
    std::string errors;
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    int open = 2;
    while (open > 0 && poll(fds, 2, 60000) > 0) {
      for (pollfd& fd : fds) {
        if (fd.fd < 0 || fd.revents == 0) continue;
        char buffer[4096];
        const ssize_t got = read(fd.fd, buffer, sizeof buffer);
        if (got <= 0) {
          fd.fd = -1;
          --open;
        } else {
          (fd.fd == out_ ? rest : errors).append(buffer, static_cast<std::size_t>(got));
        }
      }
    }
    if (out != nullptr) *out = rest;
    if (err != nullptr) *err = errors;
    return Wait();
  }

 private:
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
  }

  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  int err_ = -1;
  int status_ = -1;
  std::string pending_;
};

}  // namespace bench_test
