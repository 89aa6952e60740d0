// Whole-file writes replace the name they are given, never what a link at that name points to.
#include "settings/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class WholeFile : public ::testing::Test {
 protected:
  WholeFile() {
    char pattern[] = "/tmp/trellis-text-file-XXXXXX";
    root_ = mkdtemp(pattern);
    fs::create_directory(root_ / "folder");
  }
  ~WholeFile() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(WholeFile, ReplacesTheNameAndLeavesALinksTargetAlone) {
  enum class Planted { Nothing, File, LinkToFile, DanglingLink, LinkToFolder };
  struct Case {
    const char* what;
    Planted planted;
  };
  const Case cases[] = {
      {"no file yet", Planted::Nothing},
      {"an older file", Planted::File},
      {"a link to another file", Planted::LinkToFile},
      {"a link to nowhere", Planted::DanglingLink},
      {"a link to a folder", Planted::LinkToFolder},
  };
  const std::string script = "Windows Registry Editor Version 5.00\r\n\r\n\"Units\"=\"0\"\r\n";
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = root_ / "folder";
    const fs::path name = folder / ("script" + std::to_string(n) + ".reg");
    const fs::path target = root_ / ("target" + std::to_string(n++));
    switch (c.planted) {
      case Planted::Nothing:
        break;
      case Planted::File:
        Put(name, std::string(4096, 'x'));
        break;
      case Planted::LinkToFile:
        Put(target, "precious");
        fs::create_symlink(target, name);
        break;
      case Planted::DanglingLink:
        fs::create_symlink(target, name);
        break;
      case Planted::LinkToFolder:
        fs::create_directory(target);
        fs::create_directory_symlink(target, name);
        break;
    }
    ASSERT_TRUE(trellis::WriteWholeFile(name.string(), script));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(name)));
    EXPECT_EQ(Bytes(name), script);
    switch (c.planted) {
      case Planted::LinkToFile:
        EXPECT_EQ(Bytes(target), "precious");
        break;
      case Planted::DanglingLink:
        EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
        break;
      case Planted::LinkToFolder:
        EXPECT_TRUE(fs::is_empty(target));
        break;
      default:
        break;
    }
    // Readable by the importer and the user as any file they would make.
    struct stat st {};
    ASSERT_EQ(stat(name.c_str(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
  }
  // No temporary file is left beside the scripts.
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "folder"), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(std::size(cases)));
}

TEST_F(WholeFile, FailsWhereNothingCanBeWrittenAndLeavesNothingBehind) {
  const fs::path blocker = root_ / "blocker";
  Put(blocker, "a file, not a folder");
  fs::create_directory(root_ / "folder" / "taken.reg");
  Put(root_ / "folder" / "taken.reg" / "inside", "kept");
  struct Case {
    const char* what;
    fs::path path;
  } cases[] = {
      {"a folder that is a file", blocker / "script.reg"},
      {"a missing folder", root_ / "missing" / "script.reg"},
      {"a folder under the name", root_ / "folder" / "taken.reg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(trellis::WriteWholeFile(c.path.string(), "bytes"));
  }
  EXPECT_EQ(Bytes(blocker), "a file, not a folder");
  EXPECT_EQ(Bytes(root_ / "folder" / "taken.reg" / "inside"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "folder"), fs::directory_iterator()), 1);
}

}  // namespace
