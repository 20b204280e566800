// How long a maker waits for `qxtool pair` on a camera photo. The photo is
// a 4000 x 3000 (12-megapixel) baseline JPEG cut from the 18-megapixel
// painting of mate-backgrounds; the baseline is TurboJPEG decoding the same
// file at full size, the least any reader of every pixel must spend.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gamefile/file_io.h"
#include "photo/differences.h"
#include "photo/fit.h"

namespace {

const char* kSource = "/usr/share/backgrounds/mate/abstract/Elephants_5640x3172.jpg";
constexpr int kWidth = 4000, kHeight = 3000;

// The 12-megapixel photo, made once: a crop of the source at full size,
// coded as a camera would (4:2:0, quality 92, baseline).
const std::optional<gamefile::Bytes>& CameraPhoto() {
  static const std::optional<gamefile::Bytes> photo = []() -> std::optional<gamefile::Bytes> {
    auto source = gamefile::ReadWholeFile(kSource);
    if (!source) return std::nullopt;
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, sub = 0, space = 0;
    std::vector<unsigned char> rgb;
    bool ok = tjDecompressHeader3(decoder, source->data(), source->size(), &width, &height, &sub, &space) == 0 &&
              width >= kWidth && height >= kHeight;
    if (ok) {
      rgb.resize(static_cast<std::size_t>(width) * height * 3);
      ok = tjDecompress2(decoder, source->data(), source->size(), rgb.data(), width, 0, height, TJPF_RGB, 0) == 0;
    }
    tjDestroy(decoder);
    if (!ok) return std::nullopt;
    tjhandle encoder = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int left = (width - kWidth) / 2, top = (height - kHeight) / 2;
    const unsigned char* start = rgb.data() + (static_cast<std::size_t>(top) * width + left) * 3;
    ok = tjCompress2(encoder, start, kWidth, width * 3, kHeight, TJPF_RGB, &out, &size, TJSAMP_420, 92, 0) == 0;
    std::optional<gamefile::Bytes> photo;
    if (ok) photo.emplace(out, out + size);
    tjFree(out);
    tjDestroy(encoder);
    return photo;
  }();
  return photo;
}

bool HavePhoto(benchmark::State& state) {
  if (CameraPhoto()) return true;
  state.SkipWithError("Foto fehlt (Paket mate-backgrounds)");
  return false;
}

// Baseline: every pixel of the photo decoded, nothing else.
void BM_DecodeFull12Megapixel(benchmark::State& state) {
  if (!HavePhoto(state)) return;
  const auto& photo = *CameraPhoto();
  std::vector<unsigned char> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
  tjhandle decoder = tjInitDecompress();
  for (auto _ : state)
    benchmark::DoNotOptimize(tjDecompress2(decoder, photo.data(), photo.size(), rgb.data(), kWidth, 0, kHeight,
                                           TJPF_RGB, 0));
  tjDestroy(decoder);
}
BENCHMARK(BM_DecodeFull12Megapixel)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Fit12Megapixel(benchmark::State& state) {
  if (!HavePhoto(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(photo::FitPhoto(*CameraPhoto()).ok());
}
BENCHMARK(BM_Fit12Megapixel)->Unit(benchmark::kMillisecond)->UseRealTime();

// Everything `qxtool pair` does but writing the three files.
void BM_Pair12Megapixel(benchmark::State& state) {
  if (!HavePhoto(state)) return;
  for (auto _ : state) {
    auto fitted = photo::FitPhoto(*CameraPhoto());
    if (!fitted) {
      state.SkipWithError("nicht lesbar");
      return;
    }
    auto pair = photo::MakePair(*fitted, 1);
    if (!pair) {
      state.SkipWithError(pair.error().detail.c_str());
      return;
    }
    benchmark::DoNotOptimize(pair->secondJpeg.size());
  }
}
BENCHMARK(BM_Pair12Megapixel)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole program as a maker starts it: process start, libvips start-up,
// reading, fitting, the differences, the check and the three files.
void BM_QxtoolPairProgram12Megapixel(benchmark::State& state) {
  if (!HavePhoto(state)) return;
  const std::string folder = std::filesystem::temp_directory_path() / ("vistrel-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string photoPath = folder + "/kamera.jpg";
  if (!gamefile::WriteFileAtomically(photoPath, *CameraPhoto(), gamefile::Flush::Later)) {
    state.SkipWithError("kann das Foto nicht ablegen");
    return;
  }
  double childSeconds = 0;
  for (auto _ : state) {
    const pid_t child = ::fork();
    if (child == 0) {
      std::freopen("/dev/null", "w", stdout);
      ::execl(VISTREL_QXTOOL, "qxtool", "pair", photoPath.c_str(), (folder + "/paar").c_str(), nullptr);
      ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    childSeconds += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("qxtool pair ist gescheitert");
      break;
    }
  }
  // On a shared machine the processor time of the program tells more than
  // the time on the clock.
  state.counters["program_cpu_ms"] = benchmark::Counter(childSeconds * 1000, benchmark::Counter::kAvgIterations);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_QxtoolPairProgram12Megapixel)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
