#include "generated_game_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "gamefile/file_io.h"
#include "gamefile/text_encoding.h"
#include "picture_set.h"

namespace scenegen {
namespace {

constexpr std::uint64_t kLargestFreshSeed = 999'999'999;

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

std::string Quoted(const std::string& text) { return "\u201E" + text + "\u201C"; }

std::string CannotWrite(const std::string& nameFilePath) {
  return "Die Spieldatei " + Quoted(nameFilePath) +
         " konnte nicht geschrieben werden.\n"
         "Ist der Datenträger voll, oder fehlt das Schreibrecht? Es wurde keine Datei verändert.";
}

// A name beside `path` for a file that is complete before it takes the
// place of `path`.
std::string StagingNameFor(const std::string& path, const char* purpose) {
  return path + "." + purpose + std::to_string(::getpid());
}

// The two files, complete on disk under staging names, and what moving
// them into place has done so far, so a failure can be taken back.
class StagedGameFile {
 public:
  StagedGameFile(std::string nameFilePath)
      : namePath_(std::move(nameFilePath)),
        pairPath_(gamefile::PicturePairPathFor(namePath_)),
        stagedName_(StagingNameFor(namePath_, "neu")),
        stagedPairs_(StagingNameFor(pairPath_, "neu")),
        previousPairs_(StagingNameFor(pairPath_, "alt")) {}
  ~StagedGameFile() {
    std::remove(stagedName_.c_str());
    std::remove(stagedPairs_.c_str());
    std::remove(previousPairs_.c_str());
  }

  bool Stage(const gamefile::Bytes& nameBytes, const gamefile::Bytes& pairBytes) {
    return gamefile::WriteFileAtomically(stagedPairs_, pairBytes).ok() &&
           gamefile::WriteFileAtomically(stagedName_, nameBytes).ok();
  }

  // The pictures first: a name file is what the launcher lists, so it
  // appears only with its pictures beside it.
  bool MoveIntoPlace() {
    const bool hadPairs = Exists(pairPath_);
    if (hadPairs && ::link(pairPath_.c_str(), previousPairs_.c_str()) != 0) return false;
    if (std::rename(stagedPairs_.c_str(), pairPath_.c_str()) != 0) return false;
    if (std::rename(stagedName_.c_str(), namePath_.c_str()) == 0) return true;
    // The old name file is still there; give it back its own pictures.
    if (hadPairs)
      std::rename(previousPairs_.c_str(), pairPath_.c_str());
    else
      std::remove(pairPath_.c_str());
    return false;
  }

 private:
  std::string namePath_, pairPath_, stagedName_, stagedPairs_, previousPairs_;
};

}  // namespace

gamefile::NameFile GeneratedNameFile(const SetRequest& request) {
  const std::string seed = std::to_string(request.seed);
  const std::string difficulty = DifficultyName(request.difficulty);
  const std::string pairs =
      request.pairs == 1 ? std::string("1 Bilderpaar") : std::to_string(request.pairs) + " Bilderpaare";
  // Short enough for the launcher's list to show it whole.
  const std::string name = "Bilder " + seed + " (" + difficulty + ")";
  const std::string description = pairs + ", vom Bildgenerator gemalt.\r\n" +
                                  "Schwierigkeit: " + difficulty + "\r\n" + "Startwert: " + seed +
                                  "\r\n\r\n"
                                  "Derselbe Startwert mit derselben Schwierigkeit ergibt wieder genau diese Bilder.";
  return {gamefile::Utf8ToCp1252(name), gamefile::Utf8ToCp1252(description)};
}

std::uint64_t FreshSeed() {
  std::random_device device;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::uint64_t mixed = (static_cast<std::uint64_t>(device()) << 32 ^ device()) ^ now;
  mixed ^= mixed >> 31;
  return mixed % kLargestFreshSeed + 1;
}

std::optional<std::string> ProblemWithTarget(const std::string& nameFilePath) {
  if (nameFilePath.empty() || nameFilePath.back() == '/') return "Es wurde kein Dateiname für die Spieldatei angegeben.";
  // The launcher hands the path to the game, which reads it up to the first
  // 0xFF byte.
  if (nameFilePath.find('\xFF') != std::string::npos)
    return "Der Pfad der Spieldatei enthält Zeichen, die das Spiel nicht lesen kann.";
  const std::string folder = FolderOf(nameFilePath);
  if (!IsFolder(folder)) return "Der Ordner " + Quoted(folder) + " existiert nicht. Es wurde keine Datei geschrieben.";
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    return "In den Ordner " + Quoted(folder) + " darf nicht geschrieben werden. Es wurde keine Datei geschrieben.";
  for (const std::string& path : {nameFilePath, gamefile::PicturePairPathFor(nameFilePath)})
    if (IsFolder(path)) return Quoted(path) + " ist ein Ordner und kann keine Spieldatei werden.";
  return std::nullopt;
}

GenerateResult WriteGeneratedGameFile(const SetRequest& request, const std::string& nameFilePath,
                                      const SetProgress& progress) {
  if (request.pairs < kMinGeneratedPairs || request.pairs > kMaxGeneratedPairs)
    return {GenerateOutcome::Failed, "Eine Spieldatei hat 1 bis 512 Bilderpaare."};
  if (auto problem = ProblemWithTarget(nameFilePath)) return {GenerateOutcome::Failed, *problem};

  bool stopped = false;
  const auto pairs = GenerateSet(request, [&](int done, int total) {
    stopped = progress && !progress(done, total);
    return !stopped;
  });
  if (stopped) return {GenerateOutcome::Stopped, "Das Erzeugen wurde abgebrochen. Es wurde keine Datei geschrieben."};
  if (!pairs || pairs->size() != static_cast<std::size_t>(request.pairs))
    return {GenerateOutcome::Failed, "Die Bilderpaare konnten nicht erzeugt werden. Es wurde keine Datei geschrieben."};

  const auto records = RecordsFor(*pairs);
  StagedGameFile staged(nameFilePath);
  if (!staged.Stage(gamefile::EncodeNameFile(GeneratedNameFile(request)), gamefile::EncodePicturePairFile(records)) ||
      !staged.MoveIntoPlace())
    return {GenerateOutcome::Failed, CannotWrite(nameFilePath)};
  return {GenerateOutcome::Written, {}};
}

}  // namespace scenegen
