// The plug-in runs inside the host's process: a folder it cannot write, missing or odd files
// and absurd texts must never crash or hang it. Each test puts the contest state in one bad
// surrounding and checks that what can still be done is answered as usual.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/profile.h"
#include "test_support.h"

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qvt {
namespace {

using testing::ContestFixture;
using Qso = ContestFixture::Qso;
namespace fs = std::filesystem;

constexpr const char* kBadQsoName = "BadQSO_StatsKMNQ_14_03_2021.txt";

// Bytes of every value, with line breaks, brackets, "=" and NULs among them; fixed seed.
std::string Garbage(std::size_t size, std::uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// A literal with the NULs inside it.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string WithoutKey(std::string bytes, const std::string& key) {
  for (auto at = bytes.find(key); at != std::string::npos; at = bytes.find(key)) bytes[at] = '#';
  return bytes;
}

class Surroundings : public ContestFixture, public ::testing::Test {
 protected:
  // A contest session that needs no file: intake, a duplicate, the call check, the result and
  // a removal, checked against the answers they give in a normal folder.
  void ExpectUsualAnswers() {
    EXPECT_EQ(Add({.call = "QQ1A"}), 1);
    EXPECT_EQ(Add({.call = "QQ1A", .time = At(2021, 3, 14, 9, 40)}), 1);  // duplicate
    EXPECT_EQ(Add({.call = "QQ2B", .band = "40m", .prefix = "QQ2"}), 1);
    EXPECT_EQ(Add({.call = "QQ3C", .band = "160m"}), 0);
    EXPECT_EQ(state.Unlocked().qsoLog.size(), 3u);
    EXPECT_EQ(state.Unlocked().qsoLog.at(1).m_dupes, 1);

    EXPECT_EQ(Check("QQ1A", "QQ1", "20m"), 0);
    EXPECT_EQ(Check("QQ1Z", "QQ1", "20m"), 1);
    EXPECT_EQ(Check("QQ1A", "QQ1", "40m"), 2);

    const std::string text = Result();
    EXPECT_NE(text.find("40m\t 1\t 1\t 1\r\n20m\t 1\t 1\t 1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Dupe\t 1\r\n"), std::string::npos) << text;
    EXPECT_EQ(state.Unlocked().claimedScore, 4);

    EXPECT_EQ(Remove({.call = "QQ2B", .band = "40m"}), 1);
    EXPECT_EQ(state.Unlocked().qsoLog.size(), 2u);
    EXPECT_EQ(Check("QQ2B", "QQ2", "40m"), 2);
  }

  int Check(const std::string& call, const std::string& prefix, const std::string& band) {
    return state.CheckCall({.call = call, .mode = "RTTY", .prefix = prefix, .band = band});
  }
};

TEST_F(Surroundings, MissingPluginsFolder) {
  fs::remove_all(dir.File("Plugins"));
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(Reset(), 1);
    ExpectUsualAnswers();
  }
  // "Start" cannot be stored, so it reads 0 at every reset and every reset opens the window.
  EXPECT_EQ(seams.setupStarts, 2);
  EXPECT_FALSE(fs::exists(dir.File("Plugins")));
  EXPECT_EQ(BadQsoFile(), std::string("QVT Contest UBN file\r\n") +
                              "QSO:  14080  RTTY  2021-03-14 0940  ZZ9ZZ  599  001  QQ1A  579  005   DUPE !!!\r\n"
                              "QSO:  14080  RTTY  2021-03-14 0935  ZZ9ZZ  599  001  QQ3C  579  005   WRONG BAND !!!\r\n");

  // A Cabrillo run still writes its log; the header just has no stored fields to offer.
  EXPECT_EQ(Reset("ZZ9ZZ", "DL", 1), 1);
  Add({});
  Result();
  EXPECT_NE(dir.Read("ZZ9ZZ.log").find("CLAIMED-SCORE: 1\r\n"), std::string::npos);
}

TEST_F(Surroundings, FolderWhereTheBadQsoFileShouldBe) {
  fs::create_directory(dir.File(kBadQsoName));
  EXPECT_EQ(Reset(), 1);
  ExpectUsualAnswers();
  EXPECT_NE(Result().find("Bad QSO\t 0\r\n"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir.File(kBadQsoName)));
}

TEST_F(Surroundings, SettingsFileOfGarbageOrOverlongValues) {
  const std::string longDigits(100000, '9');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"binary garbage", Garbage(64 * 1024, 1)},
      {"garbage inside the section",
       "[Settings]\r\n" + Garbage(4096, 2) + "\r\nStart=" + Garbage(300, 3) + "\r\n"},
      {"over-long values",
       "[Settings]\r\nStart=" + longDigits + "\r\nI_Member=" + longDigits + "\r\nName=" +
           std::string(1 << 20, 'N') + "\r\nSoapBox=" + std::string(200000, '<') + "CR>\r\n"},
      {"one 1 MB line without a line break", std::string(1 << 20, '[')},
      {"an unclosed section and NULs", Bytes("[Settings\0\0Start=\0\r\nI_Member=\0")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write("Plugins/QVT.ini", c.bytes);
    EXPECT_EQ(Reset("ZZ9ZZ", "DL", 1), 1);  // a Cabrillo run reads the whole header
    EXPECT_LT(state.Unlocked().cabrillo.m_name.size(), platform::kProfileBufferSize);
    EXPECT_EQ(Add({}), 1);
    EXPECT_EQ(Check("QQ1A", "QQ1", "20m"), 0);
    EXPECT_NE(Result().find("Total\t 1\t"), std::string::npos);
    // The score is stored among whatever else the file holds, and reads back.
    EXPECT_EQ(platform::ReadProfileText(state.SettingsFile(), "Settings", "Claimed"),
              std::to_string(state.Unlocked().claimedScore));
  }

  // A folder in the settings file's place reads as an empty file and takes no writes.
  fs::remove(dir.File("Plugins/QVT.ini"));
  fs::create_directory(dir.File("Plugins/QVT.ini"));
  EXPECT_EQ(Reset("ZZ9ZZ", "DL", 1), 1);
  EXPECT_EQ(state.Unlocked().cabrillo.m_operators, "ZZ9ZZ");  // the default: the own call
  EXPECT_EQ(Add({}), 1);
  EXPECT_NE(Result().find("Score: 1*1 = 1\r\n"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir.File("Plugins/QVT.ini")));
}

TEST_F(Surroundings, HostSettingsFileOfGarbage) {
  const struct {
    const char* what;
    std::string bytes;  // empty: a folder named "Kelvo2.ini"
    const char* version;
    int answerFor160m;
  } cases[] = {
      {"garbage without the key", WithoutKey(Garbage(64 * 1024, 4), "Kelvo="), "", 4},
      {"the key between garbage", WithoutKey(Garbage(5000, 5), "Kelvo=") + "\nKelvo=2.19\r\n" +
                                       WithoutKey(Garbage(5000, 6), "Kelvo="),
       "2.19", 1},
      {"a NUL inside the version", Bytes("Kelvo=2.1\0" "9\r\n"),
       nullptr, 4},
      {"the key at the end of a 1 MB line", std::string(1 << 20, 'x') + "Kelvo=2.20", nullptr, 4},
      {"a folder", "", "", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ContestFixture fresh;  // the version found before stays when none is found
    if (c.bytes.empty()) {
      fs::create_directory(fresh.dir.File("Kelvo2.ini"));
    } else {
      fresh.dir.Write("Kelvo2.ini", c.bytes);
    }
    EXPECT_EQ(fresh.Reset(), 1);
    if (c.version != nullptr) {
      EXPECT_EQ(fresh.state.Unlocked().hostVersion, c.version);
    }
    EXPECT_EQ(fresh.state.CheckCall({.call = "QQ1A", .mode = "RTTY", .prefix = "QQ1", .band = "160m"}),
              c.answerFor160m);
    EXPECT_EQ(fresh.Add({}), 1);
    EXPECT_NE(fresh.Result().find("Total\t 1\t 1\t 1\r\n"), std::string::npos);
  }
}

TEST_F(Surroundings, OneMegabyteTexts) {
  const std::string huge(1 << 20, 'W');
  EXPECT_EQ(Reset(huge, huge, 1), 1);  // own call and country: the Cabrillo file name too long
  EXPECT_EQ(Add({.call = huge, .prefix = huge}), 1);
  EXPECT_EQ(Add({.call = huge, .time = At(2021, 3, 14, 9, 50), .prefix = huge}), 1);
  EXPECT_EQ(Add({.mode = huge}), 0);
  EXPECT_EQ(Add({.band = huge}), 0);
  EXPECT_EQ(Add({.rcvd = huge}), 1);  // a long number is still a number
  EXPECT_EQ(state.Unlocked().qsoLog.at(1).m_dupes, 1);
  EXPECT_EQ(Check(huge, "QQ1", "20m"), 0);
  EXPECT_EQ(Check(huge + "X", huge, "20m"), 1);
  EXPECT_EQ(Check("QQ1A", huge + "X", "20m"), 0);
  EXPECT_EQ(state.CheckCall({.call = huge, .mode = huge, .prefix = huge, .band = "20m"}), 4);

  const std::string text = Result();
  EXPECT_NE(text.find("20m\t 2\t 4\t 2\r\nTotal"), std::string::npos);
  EXPECT_NE(text.find("Bad QSO\t 2\r\n"), std::string::npos);
  EXPECT_NE(BadQsoFile().find("  " + huge + "  579  005   DUPE !!!\r\n"), std::string::npos);
  ASSERT_EQ(seams.messages.size(), 1u);  // the export pass still ends with its message

  EXPECT_EQ(Remove({.call = huge, .time = At(2021, 3, 14, 9, 50)}), 1);
  EXPECT_EQ(state.Unlocked().qsoLog.size(), 2u);
  EXPECT_EQ(BadQsoFile().find("DUPE"), std::string::npos);
  EXPECT_EQ(state.IsValidExchange(huge), 0);
}

#if !defined(_WIN32)
// Makes a folder tree read-only for its lifetime and writable again afterwards, so that the
// temporary folder can still be removed.
class ReadOnlyTree {
 public:
  explicit ReadOnlyTree(fs::path root) : root_(std::move(root)) { Set(false); }
  ~ReadOnlyTree() { Set(true); }
  ReadOnlyTree(const ReadOnlyTree&) = delete;
  ReadOnlyTree& operator=(const ReadOnlyTree&) = delete;

 private:
  void Set(bool writable) {
    std::error_code ec;
    std::vector<fs::path> all{root_};
    for (const auto& entry : fs::recursive_directory_iterator(root_, ec)) all.push_back(entry.path());
    for (const auto& p : all) {
      const bool folder = fs::is_directory(p, ec);
      fs::perms perms = folder ? fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec
                               : fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
      if (writable) perms |= fs::perms::owner_write;
      fs::permissions(p, perms, ec);
    }
  }
  fs::path root_;
};

// Runs `body` as a user that the file permissions bind: root ignores them, so as root the body
// runs in a child process that has given up root. Returns false when that is not possible.
template <typename Body>
bool RunUnprivileged(Body body) {
  if (geteuid() != 0) {
    body();
    return true;
  }
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(3);
    body();
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const bool passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  EXPECT_TRUE(passed) << "the unprivileged run failed (its output is above), status " << status;
  return true;
}

TEST_F(Surroundings, ReadOnlyWorkingFolder) {
  const std::string settings = "[Settings]\r\nStart=0\r\nI_Member=0\r\nName=Op\r\n";
  dir.Write("Plugins/QVT.ini", settings);
  ReadOnlyTree readOnly(dir.Path());
  const bool ran = RunUnprivileged([&] {
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(Reset(), 1);
      ExpectUsualAnswers();
      EXPECT_NE(Result().find("Bad QSO\t 0\r\n"), std::string::npos);
    }
    EXPECT_EQ(seams.setupStarts, 2);  // "Start" stays 0
    EXPECT_EQ(Reset("ZZ9ZZ", "DL", 1), 1);
    Add({});
    Result();
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(dir.File("ZZ9ZZ.log")));
    EXPECT_FALSE(fs::exists(dir.File(kBadQsoName)));
    EXPECT_EQ(dir.Read("Plugins/QVT.ini"), settings);
  });
  if (!ran) GTEST_SKIP() << "cannot give up root to make a folder read-only";
}
#endif

}  // namespace
}  // namespace qvt
