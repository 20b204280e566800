#include "launcher/generation_job.h"

namespace launcher {

GenerationJob::GenerationJob(const scenegen::SetRequest& request, std::string nameFilePath)
    : request_(request), path_(std::move(nameFilePath)), total_(request.pairs) {
  worker_ = std::thread([this] {
    scenegen::GenerateResult result = scenegen::WriteGeneratedGameFile(request_, path_, [this](int done, int) {
      done_.store(done);
      return !stopRequested_.load();
    });
    {
      std::lock_guard<std::mutex> lock(resultLock_);
      result_ = std::move(result);
    }
    finished_.store(true);
  });
}

GenerationJob::~GenerationJob() {
  Stop();
  Wait();
}

void GenerationJob::Wait() {
  if (worker_.joinable()) worker_.join();
}

scenegen::GenerateResult GenerationJob::Result() const {
  std::lock_guard<std::mutex> lock(resultLock_);
  return result_;
}

}  // namespace launcher
