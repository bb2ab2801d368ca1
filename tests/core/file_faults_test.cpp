// Faults of the file layer, made for real: a failed save reports failure and
// leaves the earlier file byte for byte as it was, with no temporary file
// left beside it; a failed open reports failure and leaves the document as it
// was. Each case ends with a control: once the fault is gone, the same call
// succeeds, so the fault and nothing else made it fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "document/file_io.h"
#include "document/file_io_shared.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "test_support.h"

namespace wavoria {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEarlier =
    ";WIZDESC$Alt\r\n[Execute]\r\nAction=WriteToLog\r\nText=vorher\r\nNext=\r\n";

// The document being saved; it differs from the earlier file.
CommandTable NewDocument() {
  CommandTable table;
  ParseScript(";WIZDESC$Neu\r\n[Execute]\r\nAction=SetDebugLevel\r\nLevel=2\r\nNext=\r\n",
              testing::EditorActions(), table);
  return table;
}

std::string BytesOf(const std::string& path) {
  std::string bytes = "(unreadable)";
  ReadWholeFile(path, bytes);
  return bytes;
}

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

void AllowWriting(const std::string& path) {
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

void ForbidWriting(const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

class FileFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.emplace(std::string("faults-") +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    path_ = folder_->File("Skript.script.wav");
    ASSERT_TRUE(WriteFileAtomically(path_, kEarlier));
    before_ = NamesIn(folder_->Path());
  }
  void TearDown() override {
    SimulateShortWriteAfter(-1);
    AllowWriting(path_);
  }

  // The earlier file is as it was and nothing was left beside it.
  void ExpectEarlierFileKept() const {
    EXPECT_EQ(BytesOf(path_), kEarlier);
    EXPECT_EQ(NamesIn(folder_->Path()), before_);
  }

  std::optional<testing::TempFolder> folder_;
  std::string path_;              // the earlier file
  std::set<std::string> before_;  // the folder's names before the save
  CommandTable document_ = NewDocument();
};

TEST_F(FileFaults, SavingOntoAReadOnlyFileKeepsIt) {
  ForbidWriting(path_);
#ifndef _WIN32
  // Anybody may create files in the folder: only the file's own protection
  // may stop the save.
  fs::permissions(folder_->Path(), fs::perms::all, fs::perm_options::replace);
#endif
  bool saved = true;
  if (!testing::WithoutRootRights([&] { saved = WriteScriptFile(path_, document_); })) {
    GTEST_SKIP() << "cannot run without root rights here";
  }
  EXPECT_FALSE(saved);
  ExpectEarlierFileKept();

  AllowWriting(path_);
  EXPECT_TRUE(WriteScriptFile(path_, document_));
  EXPECT_EQ(BytesOf(path_), ScriptText(document_));
}

TEST_F(FileFaults, SavingIntoAMissingFolderChangesNothing) {
  const std::string missing = folder_->File("fehlt");
  const std::string path = missing + kPathSeparator + "Skript.script.wav";
  EXPECT_FALSE(WriteScriptFile(path, document_));
  EXPECT_FALSE(fs::exists(missing));
  ExpectEarlierFileKept();

  fs::create_directory(missing);
  EXPECT_TRUE(WriteScriptFile(path, document_));
  EXPECT_EQ(BytesOf(path), ScriptText(document_));
}

TEST_F(FileFaults, SavingOntoAFolderKeepsTheFolder) {
  const std::string path = folder_->File("Ordner.script.wav");
  fs::create_directory(path);
  ASSERT_TRUE(WriteFileAtomically(path + kPathSeparator + "drin.txt", "drin"));
  before_ = NamesIn(folder_->Path());

  EXPECT_FALSE(WriteScriptFile(path, document_));
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_EQ(BytesOf(path + kPathSeparator + "drin.txt"), "drin");
  EXPECT_EQ(NamesIn(path), std::set<std::string>{"drin.txt"});
  ExpectEarlierFileKept();
}

// A full disk: the write stops after a number of bytes. The budget of the
// whole text is the control that the seam, not something else, decides.
TEST_F(FileFaults, AShortWriteKeepsTheEarlierFile) {
  const long long size = static_cast<long long>(ScriptText(document_).size());
  struct Case {
    const char* name;
    long long budget;
    bool saved;
  } cases[] = {
      {"nothing written", 0, false},      {"one byte", 1, false},
      {"half the text", size / 2, false}, {"all but the last byte", size - 1, false},
      {"the whole text", size, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(WriteFileAtomically(path_, kEarlier));
    SimulateShortWriteAfter(c.budget);
    const bool saved = WriteScriptFile(path_, document_);
    SimulateShortWriteAfter(-1);
    EXPECT_EQ(saved, c.saved);
    if (c.saved) {
      EXPECT_EQ(BytesOf(path_), ScriptText(document_));
    } else {
      ExpectEarlierFileKept();
    }
  }
}

// The temporary file cannot be made because a folder bears its name.
TEST_F(FileFaults, ABlockedTemporaryNameKeepsTheEarlierFile) {
  const std::string temporary = detail::TemporaryNameFor(path_);
  fs::create_directory(temporary);
  before_ = NamesIn(folder_->Path());

  EXPECT_FALSE(WriteScriptFile(path_, document_));
  EXPECT_TRUE(fs::is_directory(temporary));
  ExpectEarlierFileKept();

  fs::remove(temporary);
  EXPECT_TRUE(WriteScriptFile(path_, document_));
}

#ifdef _WIN32
// Another program holds the file open and shares it with nobody.
TEST_F(FileFaults, SavingOverALockedFileKeepsIt) {
  HANDLE lock = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const bool saved = WriteScriptFile(path_, document_);
  CloseHandle(lock);
  EXPECT_FALSE(saved);
  ExpectEarlierFileKept();

  EXPECT_TRUE(WriteScriptFile(path_, document_));
}
#endif

// Opening: the document and the warnings of the last read stay as they were.
class OpenFaults : public FileFaults {
 protected:
  // Reads path and checks that the read failed without touching anything.
  void ExpectOpenFails(const std::string& path, bool asOrdinaryUser = false) {
    const std::string document = ScriptText(document_);
    ReadWarnings warnings;
    warnings.SectionsCut = true;
    bool read = true;
    auto open = [&] { read = ReadScriptFile(path, testing::EditorActions(), document_, warnings); };
    if (asOrdinaryUser) {
      if (!testing::WithoutRootRights(open)) GTEST_SKIP() << "cannot run without root rights here";
    } else {
      open();
    }
    EXPECT_FALSE(read);
    EXPECT_EQ(ScriptText(document_), document);
    EXPECT_EQ(document_.LastPosition(), 1);
    EXPECT_TRUE(warnings.SectionsCut);
    EXPECT_FALSE(warnings.UnknownKeysDropped);
  }

  void ExpectOpenSucceeds() {
    ReadWarnings warnings;
    EXPECT_TRUE(ReadScriptFile(path_, testing::EditorActions(), document_, warnings));
    EXPECT_EQ(document_.ScriptName, "Alt");
  }
};

TEST_F(OpenFaults, AnUnreadableFileLeavesTheDocument) {
#ifdef _WIN32
  // Held open by another program that shares it with nobody.
  HANDLE lock = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ExpectOpenFails(path_);
  CloseHandle(lock);
#else
  fs::permissions(path_, fs::perms::none, fs::perm_options::replace);
  ExpectOpenFails(path_, true);
  AllowWriting(path_);
#endif
  ExpectOpenSucceeds();
}

TEST_F(OpenFaults, AMissingFileOrAFolderLeavesTheDocument) {
  ExpectOpenFails(folder_->File("fehlt.script.wav"));
  const std::string folder = folder_->File("Ordner.script.wav");
  fs::create_directory(folder);
  ExpectOpenFails(folder);
  ExpectOpenSucceeds();
}

}  // namespace
}  // namespace wavoria
