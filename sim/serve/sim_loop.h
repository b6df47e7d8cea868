// The thread that owns the live session: runs its frames in real time at the
// panel's 18 frames a second (times the rate), carries out the work other
// threads queue for it between frames, and publishes what changed.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sim/serve/live_session.h"

namespace serve {

// What the loop published last; shared read-only with every reader.
struct Snapshot {
  std::uint64_t serial = 0;      // grows with every publication
  std::uint64_t faceSerial = 0;  // grows when the faces were drawn anew
  std::string state;             // State(false) as JSON text
  std::shared_ptr<const std::vector<std::uint8_t>> gpsPng;
  std::shared_ptr<const std::vector<std::uint8_t>> iconPng;
};

class SimLoop {
 public:
  static constexpr int kFramesPerSecond = 18;
  // Frames a tick: 0 pauses.
  static constexpr bool IsRate(int rate) {
    return rate == 0 || rate == 1 || rate == 4 || rate == 16;
  }

  // Loads the session; throws as LiveSession does.
  explicit SimLoop(SessionOptions options);

  // Runs on the calling thread, which owns the session from then on, until
  // Stop(). Work still queued then is refused.
  void Run();
  void Stop();

  // Runs `work` on the loop's thread before its next frame and returns what
  // it returns, or rethrows what it throws. Throws std::runtime_error when
  // the loop has stopped or does not answer within the timeout. A click
  // (`frameNow`) brings the next frame forward to now, so that the display
  // answers it at once; the frames after it keep their pace from there.
  template <typename Work>
  auto Call(Work work, bool frameNow = false) -> decltype(work(std::declval<LiveSession&>())) {
    using Result = decltype(work(std::declval<LiveSession&>()));
    auto task = std::make_shared<std::packaged_task<Result(LiveSession&)>>(std::move(work));
    std::future<Result> result = task->get_future();
    Enqueue([task](LiveSession& session) { (*task)(session); }, frameNow);
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      throw std::runtime_error("the simulation does not answer");
    }
    return result.get();
  }

  // The module loaded anew over another world, with the settings file as it
  // is now. One panel is loaded at a time, so the old session goes first;
  // when the new one fails to load, the old world is loaded again and the
  // fault rethrown. Loop thread only, from inside Call.
  void Reload(const bench::ScriptRunner::WorldFiles& world);

  int Rate() const { return rate_; }
  void SetRate(int rate) { rate_ = rate; }  // loop thread only, from inside Call

  // The session itself, for the thread that ran the loop, once Run returned.
  LiveSession& StoppedSession() { return *session_; }

  std::shared_ptr<const Snapshot> Latest() const;
  // Waits until a snapshot newer than `serial` is published, the loop stops
  // or the time is up; returns the latest.
  std::shared_ptr<const Snapshot> WaitNewer(std::uint64_t serial,
                                            std::chrono::milliseconds timeout) const;
  bool Stopped() const { return stopped_; }

 private:
  using Work = std::function<void(LiveSession&)>;
  void Enqueue(Work work, bool frameNow);
  // Runs the queued work; true when there was any, `frameNow` when some asked for it.
  bool RunQueued(bool& frameNow);
  void Publish(bool faces);

  SessionOptions options_;
  std::unique_ptr<LiveSession> session_;
  std::atomic<int> rate_{1};  // read by any thread, set on the loop's
  mutable std::mutex mutex_;
  mutable std::condition_variable wake_;       // the loop: work queued or stop
  mutable std::condition_variable published_;  // readers: a new snapshot
  std::deque<Work> queue_;
  bool frameNow_ = false;  // some queued work brings the next frame forward
  std::atomic<bool> stopped_{false};
  std::shared_ptr<const Snapshot> latest_;
};

}  // namespace serve
