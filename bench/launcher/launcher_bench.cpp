// The launcher's start: Load reads vsts.dat and every listed name file
// before the dialog can show, so it must stay quick with the list full.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "launcher/chooser.h"
#include "launcher/list_file.h"

namespace {

namespace fs = std::filesystem;

class SilentUi : public launcher::ChooserUi {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  std::optional<std::string> AskGameFileToAdd() override { return std::nullopt; }
  std::vector<std::string> shown;
};

// A home folder whose vsts.dat lists 100 game files, each with a name and a
// description of a few lines, as a content maker's collection would have.
class FullList {
 public:
  FullList() {
    std::string pattern = (fs::temp_directory_path() / "vistrel-launcher-bench-XXXXXX").string();
    home_ = mkdtemp(pattern.data());
    std::vector<std::string> paths;
    for (int i = 0; i < 100; ++i) {
      const std::string path = (home_ / ("spiel" + std::to_string(i) + ".vst")).string();
      gamefile::NameFile names{"Urlaub " + std::to_string(i),
                               "Bilder vom Strand und aus den Bergen.\r\nZwanzig Bilderpaare.\r\nViel Spa\xDF!"};
      (void)gamefile::WriteFileAtomically(path, gamefile::EncodeNameFile(names));
      paths.push_back(path);
    }
    (void)gamefile::WriteFileAtomically((home_ / launcher::kListFileName).string(),
                                        launcher::EncodeListFile(42, paths));
  }
  ~FullList() {
    std::error_code error;
    fs::remove_all(home_, error);
  }
  std::string home() const { return home_.string(); }

 private:
  fs::path home_;
};

void BM_LauncherLoad100Entries(benchmark::State& state) {
  FullList list;
  SilentUi ui;
  for (auto _ : state) {
    launcher::Chooser chooser(ui);
    chooser.Load(list.home());
    if (chooser.Entries().size() != 100) {
      state.SkipWithError("not all 100 entries were listed");
      return;
    }
    benchmark::DoNotOptimize(chooser.ComboItems());
  }
}
BENCHMARK(BM_LauncherLoad100Entries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
