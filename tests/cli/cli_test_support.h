// A work folder per test and the runs of wavoria-cli in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/text_encoding.h"
#include "document/file_io.h"
#include "tests/cli/run_program.h"

namespace wavoria::testing {

// The program under test and the project's sources, as this platform names them.
inline std::string CliProgram() {
  return NativePath(WAVORIA_CLI_PATH);
}
inline std::string SourcePath(const std::string& relative) {
  return NativePath(std::string(WAVORIA_SOURCE_DIR) + "/" + relative);
}

// rel with this platform's separator in place of "/".
inline std::string P(std::string rel) {
  for (char& c : rel) {
    if (c == '/') c = kPathSeparator;
  }
  return rel;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A number of its own, so that two runs of the tests at once never meet.
    folder_ = std::filesystem::temp_directory_path() /
              ("wavoria-cli-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(std::random_device{}()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  // Runs the program in the work folder; its output as program text
  // (Windows-1252), so that it compares with the literals of the tests.
  ProgramRun Run(const std::vector<std::string>& args) const {
    ProgramRun run = RunProgram(CliProgram(), args, folder_.string());
#ifndef _WIN32
    run.Out = cli::Utf8ToCp1252(run.Out);
    run.Err = cli::Utf8ToCp1252(run.Err);
#endif
    return run;
  }

  // A file below the work folder, its folders created.
  void Write(const std::string& rel, const std::string& bytes) const {
    const std::filesystem::path path = Path(rel);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& rel) const {
    return ReadBytes(Path(rel));
  }
  bool Exists(const std::string& rel) const {
    return std::filesystem::exists(Path(rel));
  }
  std::filesystem::path Path(const std::string& rel) const {
    return folder_ / rel;
  }

  std::filesystem::path folder_;
};

// Lines joined with CR LF, each ended by it, as script files have them.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace wavoria::testing
