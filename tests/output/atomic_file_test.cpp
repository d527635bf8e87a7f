#include "output/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

// The temporary-folder helpers of the application tests.
#include "../app/test_support.h"

namespace lumtar::output {
namespace {

namespace fs = std::filesystem;

using testing::FileNames;
using testing::ReadBytes;
using testing::TempFolder;

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
  TempFolder dir;
  const auto file = dir / "a.txt";
  ASSERT_TRUE(WriteFileAtomically(file, "one"));
  EXPECT_EQ(ReadBytes(file), "one");
  {
    AtomicFile f(file);
    ASSERT_TRUE(f.Open());
    f.Write("two");
    // Not committed yet: the old content is there, beside the temporary.
    EXPECT_EQ(ReadBytes(file), "one");
    EXPECT_EQ(FileNames(dir.path()).size(), 2u);
    ASSERT_TRUE(f.Commit());
  }
  EXPECT_EQ(ReadBytes(file), "two");
  {
    AtomicFile f(file);
    ASSERT_TRUE(f.Open());
    f.Write("dropped");
  }  // never committed
  EXPECT_EQ(ReadBytes(file), "two");
  EXPECT_EQ(FileNames(dir.path()), std::vector<std::string>{"a.txt"});
}

TEST(AtomicFile, FailuresLeaveNothingBehindAndSayWhy) {
  TempFolder dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "a.txt", "x", &error));
  EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
  // The target is a folder: the rename fails, the folder stays.
  fs::create_directory(dir / "taken");
  error.clear();
  EXPECT_FALSE(WriteFileAtomically(dir / "taken", "x", &error));
  EXPECT_NE(error.find("cannot rename"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(dir / "taken"));
  // No file name at all.
  EXPECT_FALSE(WriteFileAtomically(dir / "taken" / "", "x"));
  EXPECT_EQ(FileNames(dir.path()), std::vector<std::string>{"taken"});
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteFileAtomically(file, "old"));
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomically(file, "new"));
  struct stat st;
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A new file gets the mode of a newly created file, not mkstemp's 0600.
  const mode_t mask = umask(022);
  ASSERT_TRUE(WriteFileAtomically(dir / "fresh", "x"));
  umask(mask);
  ASSERT_EQ(stat((dir / "fresh").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

}  // namespace
}  // namespace lumtar::output
