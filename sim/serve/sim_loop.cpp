#include "sim/serve/sim_loop.h"

#include <stdexcept>

namespace serve {

SimLoop::SimLoop(SessionOptions options)
    : options_(std::move(options)), session_(std::make_unique<LiveSession>(options_)) {
  latest_ = std::make_shared<Snapshot>();
  Publish(true);
}

void SimLoop::Enqueue(Work work, bool frameNow) {
  {
    std::lock_guard lock(mutex_);
    if (stopped_) throw std::runtime_error("the simulation has stopped");
    queue_.push_back(std::move(work));
    frameNow_ = frameNow_ || frameNow;
  }
  wake_.notify_all();
}

void SimLoop::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  wake_.notify_all();
  published_.notify_all();
}

bool SimLoop::RunQueued(bool& frameNow) {
  std::deque<Work> work;
  {
    std::lock_guard lock(mutex_);
    work.swap(queue_);
    frameNow = frameNow || frameNow_;
    frameNow_ = false;
  }
  for (Work& item : work) item(*session_);
  return !work.empty();
}

void SimLoop::Run() {
  using Clock = std::chrono::steady_clock;
  const auto period = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(1.0 / kFramesPerSecond));
  auto next = Clock::now() + period;
  while (!stopped_) {
    // Between frames: queued work as it comes, then the frame on time.
    bool changed = false;
    bool frameNow = false;
    for (;;) {
      changed = RunQueued(frameNow) || changed;
      if (frameNow && rate_ > 0) {
        next = Clock::now();
        break;
      }
      std::unique_lock lock(mutex_);
      if (stopped_ || !wake_.wait_until(lock, next, [&] { return stopped_ || !queue_.empty(); }))
        break;
    }
    if (stopped_) break;
    session_->RunFrames(rate_);
    if (rate_ > 0 || changed) Publish(session_->DrawIfChanged());
    next += period;
    // Behind by more than a frame (a slow machine): start again from now
    // rather than run frames in a burst.
    if (Clock::now() > next + period) next = Clock::now() + period;
  }
  // Work queued while stopping is dropped; its callers are told by the
  // broken promise.
  std::lock_guard lock(mutex_);
  queue_.clear();
}

void SimLoop::Reload(const bench::ScriptRunner::WorldFiles& world) {
  if (!world.Exist()) {
    throw RequestError("no navigation data: " + world.apt.string() + " and " + world.nav.string() +
                       " are needed");
  }
  SessionOptions fresh = options_;
  fresh.world = world;
  fresh.settings = session_->SettingsText();
  SessionOptions previous = options_;
  previous.settings = fresh.settings;
  session_.reset();
  try {
    session_ = std::make_unique<LiveSession>(fresh);
    options_ = std::move(fresh);
  } catch (...) {
    session_ = std::make_unique<LiveSession>(previous);
    throw;
  }
  Publish(true);
}

void SimLoop::Publish(bool faces) {
  auto snapshot = std::make_shared<Snapshot>();
  snapshot->state = session_->State(false).dump();
  {
    std::lock_guard lock(mutex_);
    snapshot->serial = latest_->serial + 1;
    snapshot->faceSerial = latest_->faceSerial + (faces ? 1 : 0);
    if (faces) {
      snapshot->gpsPng = std::make_shared<const std::vector<std::uint8_t>>(session_->GpsPng());
      snapshot->iconPng = std::make_shared<const std::vector<std::uint8_t>>(session_->IconPng());
    } else {
      snapshot->gpsPng = latest_->gpsPng;
      snapshot->iconPng = latest_->iconPng;
    }
    latest_ = std::move(snapshot);
  }
  published_.notify_all();
}

std::shared_ptr<const Snapshot> SimLoop::Latest() const {
  std::lock_guard lock(mutex_);
  return latest_;
}

std::shared_ptr<const Snapshot> SimLoop::WaitNewer(std::uint64_t serial,
                                                   std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  published_.wait_for(lock, timeout, [&] { return stopped_ || latest_->serial > serial; });
  return latest_;
}

}  // namespace serve
