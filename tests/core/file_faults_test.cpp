// Faults of the file layer, made for real: a failed save reports failure and
// leaves the earlier file byte for byte as it was, with nothing left beside
// it; a failed open leaves the document as it was. Each case ends with a
// control: once the fault is gone, the same call succeeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#ifdef _WIN32
#include <windows.h>
#endif

#include "document/script_reader.h"
#include "document/script_writer.h"
#include "platform/file_io_shared.h"
#include "test_support.h"

namespace wavoria {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;

constexpr std::string_view kEarlier = ";WIZDESC$Alt\r\n[Execute]\r\nAction=WriteToLog\r\nNext=\r\n";
constexpr auto kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

class FileFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ParseScript(";WIZDESC$Neu\r\n[Execute]\r\nAction=SetDebugLevel\r\n", testing::EditorActions(),
                document_);
    ASSERT_TRUE(WriteFileAtomically(path_, kEarlier));
    // Anybody may write the file and create files in the folder (the saves
    // run without root rights): only the fault may stop a save.
    fs::permissions(folder_.Path(), fs::perms::all, fs::perm_options::replace);
    fs::permissions(path_, fs::perms::all, fs::perm_options::replace);
  }
  void TearDown() override {
    SimulateShortWriteAfter(-1);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder_.Path())) names.insert(e.path().string());
    return names;
  }
  // A save to path fails, the earlier file stays and nothing is left beside it.
  void ExpectSaveFails(const std::string& path) {
    const std::set<std::string> before = Names();
    bool saved = true;
    ASSERT_TRUE(testing::WithoutRootRights([&] { saved = WriteScriptFile(path, document_); }));
    EXPECT_FALSE(saved);
    EXPECT_EQ(std::pair(FileBytes(path_), Names()), std::pair(std::string(kEarlier), before));
  }
  void ExpectSaved(const std::string& path) {
    EXPECT_TRUE(WriteScriptFile(path, document_));
    EXPECT_EQ(FileBytes(path), ScriptText(document_));
  }
  // An open of path fails and leaves the document and the warnings alone.
  void ExpectOpenFails(const std::string& path) {
    const std::string before = ScriptText(document_);
    ReadWarnings warnings{.SectionsCut = true};
    bool read = true;
    ASSERT_TRUE(testing::WithoutRootRights(
        [&] { read = ReadScriptFile(path, testing::EditorActions(), document_, warnings); }));
    EXPECT_TRUE(!read && warnings.SectionsCut);
    EXPECT_EQ(ScriptText(document_), before);
  }

  testing::TempFolder folder_{"faults"};
  std::string path_ = folder_.File("Skript mit Leerzeichen.script.wav");
  CommandTable document_;
};

TEST_F(FileFaults, SaveIntoAMissingFolderOntoAFolderOrAReadOnlyFile) {
  const std::string missing = folder_.File("fehlt");
  ExpectSaveFails(missing + kPathSeparator + "x.script.wav");
  EXPECT_FALSE(fs::exists(missing));
  fs::create_directory(missing);
  ExpectSaveFails(missing);  // the folder stays
  ExpectSaved(missing + kPathSeparator + "x.script.wav");
  fs::permissions(path_, kWrite, fs::perm_options::remove);
  ExpectSaveFails(path_);
  fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
  ExpectSaved(path_);
}

// A full disk (the write stops after a number of bytes), then a folder where
// the temporary file would go.
TEST_F(FileFaults, AShortWriteOrABlockedTemporaryName) {
  const long long size = static_cast<long long>(ScriptText(document_).size());
  for (long long budget : {0LL, 1LL, size / 2, size - 1}) {
    SimulateShortWriteAfter(budget);
    ExpectSaveFails(path_);
    EXPECT_FALSE(WriteFileAtomically(folder_.File("x"), "x"));  // the disk stays full
  }
  SimulateShortWriteAfter(-1);
  EXPECT_EQ(detail::TemporaryNameFor("a.script.wav"), "~a.script.wav.wavoria-tmp");
  const std::string temporary = detail::TemporaryNameFor(path_);
  fs::create_directory(temporary);
  ExpectSaveFails(path_);
  fs::remove(temporary);
  SimulateShortWriteAfter(2 * size);  // room for two saves, not for a third
  ExpectSaved(folder_.File("a.script.wav"));
  ExpectSaved(folder_.File("b.script.wav"));
  ExpectSaveFails(path_);
}

#ifndef _WIN32
// A link where the temporary file goes is not written through (the file it
// leads to stays as it was); a plain file left there by an interrupted save
// gives way.
TEST_F(FileFaults, TheTemporaryFileIsMadeNewAndExclusively) {
  testing::TempFolder elsewhere("elsewhere");
  const std::string outside = elsewhere.File("fremd.txt");
  ASSERT_TRUE(WriteFileAtomically(outside, "fremd"));
  const std::string temporary = detail::TemporaryNameFor(path_);
  fs::create_symlink(outside, temporary);
  ExpectSaveFails(path_);
  EXPECT_EQ(FileBytes(outside), "fremd");
  fs::remove(temporary);
  ASSERT_TRUE(WriteFileAtomically(folder_.File("rest"), "Rest"));
  fs::rename(folder_.File("rest"), temporary);
  ExpectSaved(path_);
  EXPECT_FALSE(fs::exists(temporary));
}
#endif

#ifdef _WIN32
// Another program holds the file open and shares it with nobody.
TEST_F(FileFaults, ALockedFile) {
  HANDLE lock = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const bool saved = WriteScriptFile(path_, document_);
  ExpectOpenFails(path_);
  CloseHandle(lock);
  EXPECT_FALSE(saved);
  EXPECT_EQ(FileBytes(path_), kEarlier);
  ExpectSaved(path_);
}
#else
TEST_F(FileFaults, OpenAnUnreadableFile) {
  fs::permissions(path_, fs::perms::none, fs::perm_options::replace);
  ExpectOpenFails(path_);
}
#endif

TEST_F(FileFaults, OpenAMissingFileOrAFolder) {
  ExpectOpenFails(folder_.File("fehlt.script.wav"));
  ExpectOpenFails(folder_.Path());
  ReadWarnings warnings;
  EXPECT_TRUE(ReadScriptFile(path_, testing::EditorActions(), document_, warnings));
  EXPECT_EQ(document_.ScriptName, "Alt");
}

}  // namespace
}  // namespace wavoria
