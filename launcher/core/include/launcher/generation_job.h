#pragma once
// Painting a new game file takes seconds, so it runs on a thread of its own
// while the dialog stays responsive: the dialog polls the progress and may
// ask the work to stop. Knows no toolkit.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "generated_game_file.h"

namespace launcher {

class GenerationJob {
 public:
  // Starts painting `request` into `nameFilePath` at once.
  GenerationJob(const scenegen::SetRequest& request, std::string nameFilePath);
  // Stops the work if it still runs and waits for it; nothing half-written
  // stays behind.
  ~GenerationJob();
  GenerationJob(const GenerationJob&) = delete;
  GenerationJob& operator=(const GenerationJob&) = delete;

  int PairsDone() const { return done_.load(); }
  int PairsTotal() const { return total_; }
  bool Finished() const { return finished_.load(); }
  // Asks the work to stop after the pair it is painting.
  void Stop() { stopRequested_.store(true); }
  // Blocks until the work has ended.
  void Wait();
  // Valid once Finished() is true.
  scenegen::GenerateResult Result() const;
  const std::string& NameFilePath() const { return path_; }
  const scenegen::SetRequest& Request() const { return request_; }

 private:
  scenegen::SetRequest request_;
  std::string path_;
  int total_ = 0;
  std::atomic<int> done_{0};
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> finished_{false};
  mutable std::mutex resultLock_;
  scenegen::GenerateResult result_;
  std::thread worker_;
};

}  // namespace launcher
