#pragma once
// Waiting for something another process or thread does, instead of
// sleeping a fixed time and hoping it was long enough.
#include <chrono>
#include <functional>

namespace testsupport {

// Polls `condition` until it holds (true) or `timeout` has passed (false).
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

}  // namespace testsupport
