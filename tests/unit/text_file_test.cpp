#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qvt::platform {
namespace {

using qvt::testing::TempFolder;

TEST(TextFile, WritesCrlfLineEndsAppendingOrTruncating) {
  TempFolder dir;
  const std::string path = dir.File("bad.txt");
  {
    TextFileWriter w(path, OpenMode::kTruncate);
    ASSERT_TRUE(w.IsOpen());
    w.WriteLine("header");
  }
  {
    TextFileWriter w(path, OpenMode::kAppend);
    w.WriteLine("a\nb");
  }
  EXPECT_EQ(dir.Read("bad.txt"), "header\r\na\r\nb\r\n");
  {
    TextFileWriter w(path, OpenMode::kTruncate);
    w.WriteLine("");
  }
  EXPECT_EQ(dir.Read("bad.txt"), "\r\n");
}

TEST(TextFile, ReadsLinesWithoutTheirLineEnds) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\ntwo", {"one", "two"}},
      {"\r\n\r\nx\r\n", {"", "", "x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextFile, UnopenableFilesAreQuietlySkipped) {
  TempFolder dir;
  EXPECT_FALSE(ReadLines(dir.File("missing.txt")).has_value());
  EXPECT_FALSE(ReadLines(dir.Path()).has_value());  // a folder
  TextFileWriter w(dir.File("no/such/folder.txt"), OpenMode::kAppend);
  EXPECT_FALSE(w.IsOpen());
  w.WriteLine("lost");  // no effect, no crash
  EXPECT_FALSE(WriteBinaryFile(dir.File("no/such/folder.txt"), "x"));
}

TEST(TextFile, JoinsFoldersOnlyForRelativeNames) {
  EXPECT_EQ(JoinPath("", "a.txt"), "a.txt");
  EXPECT_EQ(JoinPath("dir", "a.txt"), "dir/a.txt");
  EXPECT_EQ(JoinPath("dir/", "a.txt"), "dir/a.txt");
  EXPECT_EQ(JoinPath("dir", "/abs/a.txt"), "/abs/a.txt");
  EXPECT_EQ(JoinPath("dir", "C:\\x\\a.txt"), "C:\\x\\a.txt");
}

}  // namespace
}  // namespace qvt::platform
