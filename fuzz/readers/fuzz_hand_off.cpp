// The hand-off file dat.txt in both directions: a request is either refused
// or holds two paths and five rectangles that survive a round trip.
#include <cstddef>
#include <cstdint>
#include <span>

#include "handoff/dat_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)handoff::DecodeRequestPaths(bytes);
  const auto request = handoff::DecodeRequest(bytes);
  if (request.ok()) {
    const auto again = handoff::DecodeRequest(handoff::EncodeRequest(request.value()));
    if (!again.ok() || !(again.value().rects == request.value().rects)) __builtin_trap();
  }
  const auto result = handoff::DecodeResult(bytes);
  if (result.ok()) {
    const auto again = handoff::DecodeResult(handoff::EncodeResult(result.value()));
    if (!again.ok() || !(again.value() == result.value())) __builtin_trap();
  }
  return 0;
}
