#include "sim/serve/serve.h"

#include <malloc.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "sim/serve/http_api.h"
#include "sim/serve/sim_loop.h"

namespace serve {
namespace {

constexpr int kUsageError = 2;
constexpr const char* kDefaultSettings = "[Default]\r\nDefaultICAO=KSEA\r\n";

bool Loopback(const std::string& address) {
  return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

// Written whole or not at all: a temporary beside the file replaces it.
bool WriteWhole(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::path temporary = file;
  temporary += ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  return !error;
}

// A port only this process listens on: no SO_REUSEPORT, so that a second
// server on a busy port is refused rather than sharing it.
void ExclusivePort(socket_t socket) {
  int yes = 1;
  setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

// The desktop's browser, started without a shell: the address goes to it as
// one argument, whatever it holds.
void OpenBrowser(const std::string& url) {
  std::string program = "xdg-open";
  std::string address = url;
  char* arguments[] = {program.data(), address.data(), nullptr};
  // Not with the stop signals this process keeps for one thread.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  pid_t child = 0;
  const int failed = posix_spawnp(&child, "xdg-open", nullptr, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  if (failed != 0) {
    std::fprintf(stderr, "skelbor-bench: could not open a browser; open %s\n", url.c_str());
  }
}

}  // namespace

int Serve(const ServeOptions& options) {
  // The request threads share two heaps instead of taking one each as they
  // first serve: the server's memory stays flat however many have served.
  mallopt(M_ARENA_MAX, 2);
  // Signals are taken by one thread that stops everything in order; every
  // other thread, made after this, has them blocked.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

  if (!Loopback(options.listen)) {
    std::fprintf(stderr,
                 "skelbor-bench: serving on %s: anyone who reaches it can drive the bench\n",
                 options.listen.c_str());
  }
  SessionOptions session;
  session.moduleFile = options.moduleFile;
  session.world = options.world;
  session.settings = kDefaultSettings;
  if (options.settingsFile && std::filesystem::exists(*options.settingsFile)) {
    std::ifstream file(*options.settingsFile, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
      std::fprintf(stderr, "skelbor-bench: cannot read %s\n",
                   options.settingsFile->string().c_str());
      return 1;
    }
    session.settings = text.str();
  }

  httplib::Server server;
  server.set_socket_options(ExclusivePort);
  server.new_task_queue = [] { return new httplib::ThreadPool(24); };
  errno = 0;
  int port = options.port;
  if (port == 0) {
    port = server.bind_to_any_port(options.listen);
  } else if (!server.bind_to_port(options.listen, port)) {
    port = -1;
  }
  if (port <= 0) {
    const int error = errno;
    std::fprintf(stderr, "skelbor-bench: cannot listen on %s port %d: %s\n", options.listen.c_str(),
                 options.port,
                 error == EADDRINUSE ? "the port is in use (another serve?)"
                 : error != 0        ? std::strerror(error)
                                     : "the address cannot be used");
    return 1;
  }

  std::unique_ptr<SimLoop> loop;
  try {
    loop = std::make_unique<SimLoop>(session);
  } catch (const RequestError& error) {
    std::fprintf(stderr, "skelbor-bench: %s\n", error.what());
    return kUsageError;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skelbor-bench: %s\n", error.what());
    return 1;
  }
  RouteApi(server, *loop);

  std::thread listener([&] { server.listen_after_bind(); });
  std::thread stopper([&] {
    int signal = 0;
    while (!loop->Stopped()) {
      const timespec tick{0, 200'000'000};
      signal = sigtimedwait(&stop_signals, nullptr, &tick);
      if (signal > 0) break;
    }
    loop->Stop();
  });
  const std::string host =
      options.listen.find(':') != std::string::npos ? "[" + options.listen + "]" : options.listen;
  const std::string url = "http://" + host + ":" + std::to_string(port) + "/";
  std::cout << "skelbor-bench serve: " << url << " (Ctrl-C stops)" << std::endl;
  if (options.open) OpenBrowser(url);

  loop->Run();
  server.stop();
  listener.join();
  stopper.join();

  int status = 0;
  if (options.settingsFile) {
    if (WriteWhole(*options.settingsFile, loop->StoppedSession().SettingsText())) {
      std::cout << "skelbor-bench serve: settings written to " << options.settingsFile->string()
                << std::endl;
    } else {
      std::fprintf(stderr, "skelbor-bench: cannot write %s\n",
                   options.settingsFile->string().c_str());
      status = 1;
    }
  }
  std::cout << "skelbor-bench serve: stopped" << std::endl;
  return status;
}

}  // namespace serve
