// The chooser's rules against real files in a temporary home directory:
// what is listed, what is selected, and the exact bytes of vsts.dat and
// vst.dat after Add, Remove and Start.
#include "launcher/chooser.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "chooser_fixture.h"
#include "gamefile/game_file.h"
#include "launcher/list_file.h"
#include "test_support/wait.h"

namespace {

namespace fs = std::filesystem;
using gamefile::Bytes;

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Concat(std::initializer_list<std::string> pieces) {
  Bytes out;
  for (const auto& piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
  return out;
}

class ChooserTest : public launchertest::ChooserFixture<launchertest::RecordingUi> {
 protected:
  // A name file in the home directory; returns its full path.
  std::string GameFile(const std::string& stem, const std::string& name, const std::string& description) {
    const std::string path = (home_ / (stem + ".vst")).string();
    EXPECT_TRUE(gamefile::WriteNameFile(path, {name, description}).ok());
    return path;
  }

  void WriteList(std::uint8_t selection, const std::vector<std::string>& paths) {
    WriteBytes(home_ / "vsts.dat", launcher::EncodeListFile(selection, paths));
  }

  // A folder in the place of one of the chooser's files cannot be replaced
  // by a file: every write to it fails.
  void BlockWithFolder(const std::string& name) {
    fs::remove(home_ / name);
    fs::create_directory(home_ / name);
  }
};

TEST_F(ChooserTest, FirstRunCreatesEmptyListAndShowsBuiltIn) {
  auto& chooser = Loaded();
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), (Bytes{0x00, 0x00}));
  EXPECT_EQ(chooser.ComboItems(), std::vector<std::string>{"Original Vistrel Spieldatei"});
  EXPECT_EQ(chooser.Selection(), 0);
  EXPECT_EQ(chooser.Description(), launcher::kBuiltInDescription);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ChooserTest, StoredSelectionIsUsedAsIndexEvenAfterDroppedEntries) {
  const auto a = GameFile("a", "Urlaub", "Bilder vom Strand");
  const auto b = GameFile("b", "K\xE4se", "Gr\xFC\xDF" "e\r\naus M\xFCnchen");  // Windows-1252
  const auto c = GameFile("c", "Drei", "dritte");
  WriteList(2, {a, b, c});
  auto& chooser = Loaded();
  EXPECT_EQ(chooser.ComboItems(), (std::vector<std::string>{"Original Vistrel Spieldatei", "Urlaub", "Käse", "Drei"}));
  EXPECT_EQ(chooser.Selection(), 2);
  EXPECT_EQ(chooser.Description(), "Grüße\r\naus München");

  // b deleted on disk: the stored index 2 now names c; with c gone too it
  // lies past the end and the built-in item is shown.
  fs::remove(b);
  EXPECT_EQ(Loaded().Selection(), 2);
  EXPECT_EQ(chooser.Description(), "dritte");
  fs::remove(c);
  EXPECT_EQ(Loaded().Selection(), 0);
  EXPECT_EQ(chooser.Description(), launcher::kBuiltInDescription);
  EXPECT_TRUE(ui_.messages.empty());  // dropped silently
  // Nothing is written until Start or Remove: the list file still has all three.
  EXPECT_EQ(launcher::DecodeListFile(ReadBytes(home_ / "vsts.dat")).paths.size(), 3u);
}

TEST_F(ChooserTest, NoStoredSelectionFallsBackToBuiltIn) {
  const auto a = GameFile("a", "Urlaub", "x");
  WriteList(launcher::kNoSelection, {a});
  EXPECT_EQ(Loaded().Selection(), 0);
}

TEST_F(ChooserTest, StartWithBuiltInWritesSingleFFAndDropsVanishedEntries) {
  const auto a = GameFile("a", "A", "");
  const std::string gone = (home_ / "weg.vst").string();
  WriteList(1, {gone, a});
  auto& chooser = Loaded();
  ASSERT_TRUE(chooser.Start(0));
  EXPECT_EQ(ReadBytes(home_ / "vst.dat"), (Bytes{0xFF}));
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), Concat({std::string("\x01\x00", 2), a, std::string(1, '\0')}));
  EXPECT_EQ(fs::current_path(), home_);
}

TEST_F(ChooserTest, StartWithSecondOfThreeEntries) {
  const auto a = GameFile("a", "A", ""), b = GameFile("b", "B", ""), c = GameFile("c", "C", "");
  WriteList(0, {a, b, c});
  auto& chooser = Loaded();
  ASSERT_TRUE(chooser.Start(2));
  EXPECT_EQ(ReadBytes(home_ / "vst.dat"), Concat({b}));
  const std::string nul(1, '\0');
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), Concat({"\x03\x02", a, nul, b, nul, c, nul}));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ChooserTest, StartWithoutCurrentItemCountsAsBuiltIn) {
  const auto a = GameFile("a", "A", "");
  WriteList(1, {a});
  ASSERT_TRUE(Loaded().Start(-1));
  EXPECT_EQ(ReadBytes(home_ / "vst.dat"), (Bytes{0xFF}));
  // The list remembers that no item was current; the next start shows item 0.
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat")[1], 0xFF);
  EXPECT_EQ(Loaded().Selection(), 0);
}

TEST_F(ChooserTest, RemoveWritesListAtOnceAndSelectsBuiltIn) {
  const auto a = GameFile("a", "A", ""), b = GameFile("b", "B", ""), c = GameFile("c", "C", "");
  WriteList(2, {a, b, c});
  auto& chooser = Loaded();
  chooser.Remove(2);
  const std::string nul(1, '\0');
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), Concat({std::string("\x02\x00", 2), a, nul, c, nul}));
  EXPECT_EQ(chooser.ComboItems(), (std::vector<std::string>{"Original Vistrel Spieldatei", "A", "C"}));
  EXPECT_EQ(chooser.Selection(), 0);
  EXPECT_EQ(chooser.Description(), launcher::kBuiltInDescription);
  EXPECT_FALSE(fs::exists(home_ / "vst.dat"));
}

TEST_F(ChooserTest, RemoveRefusesBuiltInAndNoSelection) {
  const auto a = GameFile("a", "A", "");
  WriteList(0, {a});
  auto& chooser = Loaded();
  const Bytes before = ReadBytes(home_ / "vsts.dat");
  chooser.Remove(0);
  chooser.Remove(-1);
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{launcher::kMsgBuiltInCannotBeRemoved,
                                                     launcher::kMsgNothingSelected}));
  EXPECT_EQ(chooser.Entries().size(), 1u);
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), before);
}

TEST_F(ChooserTest, RemoveThatCannotWriteKeepsEntry) {
  const auto a = GameFile("a", "A", "");
  WriteList(0, {a});
  auto& chooser = Loaded();
  BlockWithFolder("vsts.dat");
  chooser.Remove(1);
  EXPECT_EQ(chooser.Entries().size(), 1u);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ChooserTest, AddReadsNameFileAllowsDuplicatesAndDoesNotWrite) {
  const auto a = GameFile("a", "Urlaub", "Sommer 2003");
  auto& chooser = Loaded();
  ui_.answers = {a, a};
  chooser.Add();
  EXPECT_EQ(chooser.Selection(), 1);
  EXPECT_EQ(chooser.Description(), "Sommer 2003");
  chooser.Add();
  EXPECT_EQ(chooser.ComboItems(), (std::vector<std::string>{"Original Vistrel Spieldatei", "Urlaub", "Urlaub"}));
  EXPECT_EQ(chooser.Selection(), 2);
  EXPECT_EQ(ReadBytes(home_ / "vsts.dat"), (Bytes{0x00, 0x00}));
}

TEST_F(ChooserTest, AddCancelledOrUnreadableLeavesListAlone) {
  auto& chooser = Loaded();
  ui_.answers = {std::nullopt, (home_ / "fehlt.vst").string()};
  chooser.Add();
  EXPECT_TRUE(ui_.messages.empty());
  chooser.Add();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgCannotOpenFile});
  EXPECT_TRUE(chooser.Entries().empty());
  EXPECT_EQ(chooser.Selection(), 0);
}

TEST_F(ChooserTest, FieldLimitsCutTextsAndRefuseLongPaths) {
  const auto big = GameFile("big", std::string(400, 'N'), std::string(5000, 'D'));
  auto& chooser = Loaded();
  ui_.answers = {big, "/" + std::string(299, 'p'), std::string("/a\xFF.vst")};
  chooser.Add();
  ASSERT_EQ(chooser.Entries().size(), 1u);
  EXPECT_EQ(chooser.Entries()[0].name.size(), 254u);
  EXPECT_EQ(chooser.Entries()[0].description.size(), 2999u);
  chooser.Add();
  chooser.Add();
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{launcher::kMsgPathTooLong, launcher::kMsgPathUnusable}));
  EXPECT_EQ(chooser.Entries().size(), 1u);
}

TEST_F(ChooserTest, HundredEntriesAreTheLimit) {
  const auto a = GameFile("a", "A", "");
  WriteList(0, std::vector<std::string>(120, a));
  auto& chooser = Loaded();
  EXPECT_EQ(chooser.Entries().size(), 100u);  // the rest of an oversized list is not read
  ui_.answers = {a};
  chooser.Add();
  EXPECT_EQ(ui_.dialogsShown, 0);  // refused before the user picks a file
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgListFull});
  ASSERT_TRUE(chooser.Start(100));
  const Bytes list = ReadBytes(home_ / "vsts.dat");
  EXPECT_EQ(list[0], 100);
  EXPECT_EQ(list[1], 100);
  EXPECT_EQ(launcher::DecodeListFile(list).paths.size(), 100u);
}

TEST_F(ChooserTest, DamagedListFiles) {
  const auto a = GameFile("a", "A", "");
  WriteBytes(home_ / "vsts.dat", Bytes{0x05});  // shorter than two bytes
  EXPECT_TRUE(Loaded().Entries().empty());
  // The count promises five paths, one is present and lacks its terminator.
  WriteBytes(home_ / "vsts.dat", Concat({"\x05\x01", a}));
  auto& chooser = Loaded();
  ASSERT_EQ(chooser.Entries().size(), 1u);
  EXPECT_EQ(chooser.Entries()[0].path, a);
  EXPECT_EQ(chooser.Selection(), 1);
  // Binary junk: every "path" fails to open and is dropped.
  Bytes junk{0xFF, 0x07};
  for (int i = 0; i < 3000; ++i) junk.push_back(static_cast<std::uint8_t>(i * 37));
  WriteBytes(home_ / "vsts.dat", junk);
  EXPECT_TRUE(Loaded().Entries().empty());
  EXPECT_EQ(chooser.Selection(), 0);
}

TEST_F(ChooserTest, UnwritableFilesAreReported) {
  const auto a = GameFile("a", "A", "");
  WriteList(1, {a});
  auto& chooser = Loaded();
  // vsts.dat that cannot be replaced: reported, and the game still starts.
  BlockWithFolder("vsts.dat");
  EXPECT_TRUE(chooser.Start(1));
  EXPECT_EQ(ui_.messages, std::vector<std::string>{launcher::kMsgFileAccessError});
  EXPECT_EQ(ReadBytes(home_ / "vst.dat"), Concat({a}));
  // vst.dat that cannot be replaced: the chooser stays open.
  ui_.messages.clear();
  BlockWithFolder("vst.dat");
  EXPECT_FALSE(chooser.Start(1));
  EXPECT_EQ(ui_.messages.back(), launcher::kMsgChoiceNotWritten);
}

TEST_F(ChooserTest, UnreadableExistingListIsNotOverwritten) {
  fs::create_directory(home_ / "vsts.dat");
  EXPECT_TRUE(Loaded().Entries().empty());
  EXPECT_TRUE(fs::is_directory(home_ / "vsts.dat"));
}

TEST_F(ChooserTest, StartGameRunsQxdataFromCurrentDirectory) {
  {
    std::ofstream script(home_ / "qxdata");
    // Written aside and renamed, so the file is never seen half-written.
    script << "#!/bin/sh\necho \"$#\" > gestartet.tmp && mv gestartet.tmp gestartet.txt\n";
  }
  fs::permissions(home_ / "qxdata", fs::perms::owner_all);
  fs::current_path(home_);
  launcher::StartGame(ui_);
  ASSERT_TRUE(testsupport::WaitUntil([&] { return fs::exists(home_ / "gestartet.txt"); }));
  EXPECT_EQ(ReadBytes(home_ / "gestartet.txt"), Concat({"0\n"}));
  EXPECT_TRUE(ui_.messages.empty());

  fs::remove(home_ / "qxdata");
  launcher::StartGame(ui_);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0],
            "Konnte Vistrel aufgrund einer fehlenden Datei nicht starten.\r\nInstallieren sie Vistrel neu "
            "oder wenden sie sich an den qualdrex support unter support@vistrel.example");
}

}  // namespace
