#include "platform/presented_frame.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

std::size_t RowBytes(const SDL_Surface& frame) {
  return static_cast<std::size_t>(frame.w) * frame.format->BytesPerPixel;
}

const std::uint8_t* RowOf(const SDL_Surface& frame, int y) {
  return static_cast<const std::uint8_t*>(frame.pixels) + static_cast<std::size_t>(y) * frame.pitch;
}

}  // namespace

FrameChange PresentedFrame::TakeWhole(const SDL_Surface& frame) {
  const std::size_t rowBytes = RowBytes(frame);
  pixels_.resize(rowBytes * static_cast<std::size_t>(frame.h));
  for (int y = 0; y < frame.h; ++y) std::memcpy(&pixels_[rowBytes * y], RowOf(frame, y), rowBytes);
  width_ = frame.w;
  height_ = frame.h;
  format_ = frame.format->format;
  known_ = true;
  return FrameChange{true, SDL_Rect{0, 0, frame.w, frame.h}};
}

FrameChange PresentedFrame::Take(const SDL_Surface& frame) {
  if (!known_ || frame.w != width_ || frame.h != height_ || frame.format->format != format_) {
    return TakeWhole(frame);
  }
  const std::size_t rowBytes = RowBytes(frame);
  const int bytesPerPixel = frame.format->BytesPerPixel;
  int top = -1, bottom = -1;
  std::size_t left = rowBytes, right = 0;  // bytes; right exclusive
  for (int y = 0; y < frame.h; ++y) {
    const std::uint8_t* now = RowOf(frame, y);
    std::uint8_t* before = &pixels_[rowBytes * y];
    // Most rows are equal: one memcmp each, and only a changed row is
    // searched for its first and last differing byte and copied.
    if (std::memcmp(now, before, rowBytes) == 0) continue;
    const auto first = std::mismatch(now, now + rowBytes, before).first - now;
    std::size_t last = rowBytes;
    while (now[last - 1] == before[last - 1]) --last;
    left = std::min(left, static_cast<std::size_t>(first));
    right = std::max(right, last);
    if (top < 0) top = y;
    bottom = y;
    std::memcpy(before, now, rowBytes);
  }
  if (top < 0) return FrameChange{};
  const int x0 = static_cast<int>(left) / bytesPerPixel;
  const int x1 = (static_cast<int>(right) + bytesPerPixel - 1) / bytesPerPixel;
  return FrameChange{true, SDL_Rect{x0, top, x1 - x0, bottom - top + 1}};
}

}  // namespace platform
