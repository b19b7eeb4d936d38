// The Cabrillo export: text replacement, the file stem, the header's trip through the settings
// file, the host program's version and whole log files compared with the golden ones in
// tests/golden/cabrillo. The same test runs natively and under Wine, so both targets write the
// same bytes.
#include "reports/cabrillo_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace qvt {
namespace {

using testing::ContestFixture;
using testing::TempFolder;
using Qso = ContestFixture::Qso;

constexpr std::string_view kSection = "Settings";

// --- Text replacement and the file stem -------------------------------------------------------

TEST(ReplaceAll, ReplacesLeftToRightWithoutSearchingInsertedText) {
  const struct {
    const char* text;
    const char* from;
    const char* to;
    const char* expected;
    int count;
  } cases[] = {
      {"OH/ZZ9ZZ/P", "/", "_", "OH_ZZ9ZZ_P", 2},
      {"ZZ9ZZ", "/", "_", "ZZ9ZZ", 0},
      {"", "/", "_", "", 0},
      // The inserted text contains what is searched for: each original "a" is replaced once.
      {"aaa", "a", "aa", "aaaaaa", 3},
      // Overlapping occurrences: the search goes on after the end of the replaced one.
      {"aaaa", "aa", "b", "bb", 2},
      {"aaa", "aa", "b", "ba", 1},
      // Same old and new text: unchanged, and nothing counted as replaced.
      {"abab", "ab", "ab", "abab", 0},
      {"<LF>one<LF>", "<LF>", "", "one", 2},
      {"a<CR>b", "<CR>", "\r\nSOAPBOX: ", "a\r\nSOAPBOX: b", 1},
      {"x\\y\\", "\\", "_", "x_y_", 2},
  };
  for (const auto& c : cases) {
    int count = -1;
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to, &count), c.expected) << c.text;
    EXPECT_EQ(count, c.count) << c.text;
    EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.expected) << "without a counter: " << c.text;
  }
}

TEST(CabrilloFileStem, TurnsSlashesIntoUnderscoresTrimsAndFallsBackToVxlt) {
  const struct {
    const char* ownCall;
    const char* stem;
  } cases[] = {
      {"ZZ9ZZ", "ZZ9ZZ"},
      {"ZZ9ZZ/P", "ZZ9ZZ_P"},
      {"OH/ZZ9ZZ\\QRP", "OH_ZZ9ZZ_QRP"},
      {"  ZZ9ZZ\t", "ZZ9ZZ"},
      {"ZZ 9ZZ", "ZZ 9ZZ"},  // only the ends are trimmed
      {"", "VXLT"},
      {"   ", "VXLT"},
      {" \r\n\t", "VXLT"},
      // Slashes are replaced before trimming, so they never vanish with the blanks.
      {" / ", "_"},
  };
  for (const auto& c : cases) EXPECT_EQ(CabrilloFileStem(c.ownCall), c.stem) << '"' << c.ownCall << '"';
}

TEST(CabrilloModeCode, MatchesTheTwoContestModesExactly) {
  EXPECT_EQ(CabrilloModeCode("BPSK63"), "PM");
  EXPECT_EQ(CabrilloModeCode("RTTY"), "RY");
  for (const char* other : {"bpsk63", "Rtty", "RTTY ", "", "PSK31"}) {
    EXPECT_EQ(CabrilloModeCode(other), "??") << other;
  }
}

// --- The header's trip through the settings file ----------------------------------------------

class CabrilloHeader : public ContestFixture, public ::testing::Test {
 protected:
  void Store(std::string_view key, std::string_view value) {
    platform::WriteProfileText(state.SettingsFile(), kSection, key, value);
  }
  std::string Stored(std::string_view key) {
    return platform::ReadProfileText(state.SettingsFile(), kSection, key, "<none>");
  }
  // The key names of the settings file, in file order.
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (const auto& line : platform::ReadLines(state.SettingsFile()).value_or(std::vector<std::string>{})) {
      const auto eq = line.find('=');
      if (eq != std::string::npos) keys.push_back(line.substr(0, eq));
    }
    return keys;
  }
  // Runs a Cabrillo reset; `edit` plays the operator; returns the fields the dialog was shown.
  CabrilloHeaderFields RunHeader(std::function<void(CabrilloHeaderFields&)> edit = {},
                                 bool ok = true, std::string ownCall = "ZZ9ZZ") {
    CabrilloHeaderFields shown;
    seams.confirmHeader = ok;
    seams.editHeader = [&](CabrilloHeaderFields& f) {
      shown = f;
      if (edit) edit(f);
    };
    Reset(ownCall, "DL", 1);
    seams.editHeader = {};
    return shown;
  }
};

TEST_F(CabrilloHeader, SoapboxOfTwoLinesIsStoredAsOneLineAndOpensAgainAsTwo) {
  RunHeader([](CabrilloHeaderFields& f) { f.m_soapBox = "Good fun\r\n73 all"; });
  EXPECT_EQ(Stored("SoapBox"), "Good fun<CR><LF>73 all");
  // The writer keeps the log form of the soapbox.
  EXPECT_EQ(state.Unlocked().cabrillo.m_soapBox, "Good fun\r\nSOAPBOX: 73 all");

  const CabrilloHeaderFields shown = RunHeader();
  EXPECT_EQ(shown.m_soapBox, "Good fun\r\n73 all");
  // Confirmed unchanged, it is stored unchanged.
  EXPECT_EQ(Stored("SoapBox"), "Good fun<CR><LF>73 all");

  // Lone line ends keep their own encoding, and a stored value decodes whatever it holds.
  RunHeader([](CabrilloHeaderFields& f) { f.m_soapBox = "a\nb\rc"; });
  EXPECT_EQ(Stored("SoapBox"), "a<LF>b<CR>c");
  EXPECT_EQ(RunHeader().m_soapBox, "a\nb\rc");
}

TEST_F(CabrilloHeader, OpensWithStoredFieldsFixedContestAndCategoryAndTheOwnCallAsOperator) {
  Store("Name", "Ann Example");
  Store("Address-City", "Springfield");
  Store("Claimed", "1234");
  Store("Mode", "BPSK63");
  Store("Category", "SO-LP");   // never read: the box opens at SO-HP
  Store("Contest", "OTHER");    // never read: always QVT
  Store("Category_Overlay", "LOW");  // never read
  Store("Email", std::string(120, 'e'));  // cut to 99 characters
  const CabrilloHeaderFields shown = RunHeader({}, true, "ZZ9ZZ/P");
  EXPECT_EQ(shown.m_callsign, "ZZ9ZZ/P");
  EXPECT_EQ(shown.m_operators, "ZZ9ZZ/P");
  EXPECT_EQ(shown.m_name, "Ann Example");
  EXPECT_EQ(shown.m_addressCity, "Springfield");
  EXPECT_EQ(shown.m_claimed, "1234");
  EXPECT_EQ(shown.m_categoryMode, "BPSK63");
  EXPECT_EQ(shown.m_category, "SO-HP");
  EXPECT_EQ(shown.m_contest, "QVT");
  EXPECT_EQ(shown.m_categoryOverlay, "");
  EXPECT_EQ(shown.m_email, std::string(99, 'e'));
  EXPECT_EQ(state.Unlocked().cabrillo.m_fileStem, "ZZ9ZZ_P");
  // Written back unchanged on OK.
  EXPECT_EQ(Stored("Address-City"), "Springfield");
  EXPECT_EQ(Stored("Category"), "SO-HP");
  EXPECT_EQ(Stored("Contest"), "QVT");
}

TEST_F(CabrilloHeader, OkWritesTheKeysInOrderAndKeepsWhatIsNotStored) {
  RunHeader([](CabrilloHeaderFields& f) {
    f.m_callsign = "ZZ9ZZ/M";  // shown in the log, but the file stem stays
    f.m_claimed = "999999";    // dropped
    f.m_categoryOverlay = "LOW";
    f.m_categoryBand = "40M";
    f.m_categoryTime = "6-HOURS";
    f.m_categoryTransmitter = "ONE";
    f.m_categoryMode = "RTTY";  // not a stored key
  });
  EXPECT_EQ(Keys(), (std::vector<std::string>{"Operators", "Name", "Address", "Address-City",
                                              "Address-PostalCode", "Address-Country", "Category",
                                              "Category_Overlay", "Contest", "Email", "Club",
                                              "SoapBox", "Start"}));
  EXPECT_EQ(Stored("Category_Overlay"), "LOW");
  EXPECT_EQ(Stored("Mode"), "<none>");
  const CabrilloWriter& w = state.Unlocked().cabrillo;
  EXPECT_EQ(w.m_callsign, "ZZ9ZZ/M");
  EXPECT_EQ(w.m_fileStem, "ZZ9ZZ");
  EXPECT_EQ(w.m_claimed, "");

  // The disabled boxes' values go from one confirmed dialog to the next through the writer
  // only; a stored value does not replace them.
  Store("Category_Overlay", "QRP");
  const CabrilloHeaderFields shown = RunHeader();
  EXPECT_EQ(shown.m_categoryOverlay, "LOW");
  EXPECT_EQ(shown.m_categoryBand, "40M");
  EXPECT_EQ(shown.m_categoryTime, "6-HOURS");
  EXPECT_EQ(shown.m_categoryTransmitter, "ONE");
  EXPECT_EQ(Stored("Category_Overlay"), "LOW");
}

TEST_F(CabrilloHeader, LineBreaksInSingleLineFieldsBecomeOneBlank) {
  RunHeader([](CabrilloHeaderFields& f) {
    f.m_address = "Main Street 1\r\nBack door";
    f.m_addressCity = "A\nB\rC\r\n\r\nD";
    f.m_name = "\r\nAnn";
    f.m_soapBox = "x\r\ny";
  });
  EXPECT_EQ(Stored("Address"), "Main Street 1 Back door");
  EXPECT_EQ(Stored("Address-City"), "A B C  D");
  EXPECT_EQ(Stored("SoapBox"), "x<CR><LF>y");
  const CabrilloWriter& w = state.Unlocked().cabrillo;
  EXPECT_EQ(w.m_address, "Main Street 1 Back door");
  // The profile layer drops the blank at the start of a stored value; the writer keeps it.
  EXPECT_EQ(w.m_name, " Ann");
  Add(Qso{});
  Result();
  const std::string log = dir.Read("ZZ9ZZ.log");
  EXPECT_NE(log.find("ADDRESS: Main Street 1 Back door\r\nADDRESS: A B C  D\r\n"), std::string::npos)
      << log;
}

TEST_F(CabrilloHeader, CancelStoresNothingAndEndsTheRun) {
  Store("Name", "Ann");
  RunHeader([](CabrilloHeaderFields& f) { f.m_name = "Bob"; }, /*ok=*/false);
  EXPECT_EQ(state.Unlocked().cabrilloRun, 0);
  EXPECT_EQ(Stored("Name"), "Ann");
  EXPECT_EQ(Stored("Operators"), "<none>");
  Add(Qso{});
  Result();
  EXPECT_TRUE(seams.messages.empty());
  EXPECT_EQ(dir.Read("ZZ9ZZ.log"), "<missing>");
}

// --- The host program's version ----------------------------------------------------------------

void PutWord(std::string& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}
void PutDword(std::string& b, std::size_t at, std::uint32_t v) {
  PutWord(b, at, static_cast<std::uint16_t>(v & 0xFFFF));
  PutWord(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// A minimal 32-bit Windows program file whose only content is a version resource: enough for
// the system's version functions, and for the byte scan used off Windows.
std::string ProgramWithVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                               std::uint16_t revision) {
  constexpr std::size_t kPe = 0x40, kCoff = kPe + 4, kOptional = kCoff + 20,
                        kSectionHeader = kOptional + 224, kRaw = 0x200, kRva = 0x1000;
  std::string b(0x400, '\0');
  b[0] = 'M';
  b[1] = 'Z';
  PutDword(b, 0x3C, kPe);
  b.replace(kPe, 4, std::string("PE\0\0", 4));
  PutWord(b, kCoff, 0x14C);          // i386
  PutWord(b, kCoff + 2, 1);          // one section
  PutWord(b, kCoff + 16, 224);       // optional header size
  PutWord(b, kCoff + 18, 0x0102);    // executable, 32-bit
  PutWord(b, kOptional, 0x10B);      // PE32
  PutDword(b, kOptional + 28, 0x400000);
  PutDword(b, kOptional + 32, 0x1000);  // section alignment
  PutDword(b, kOptional + 36, 0x200);   // file alignment
  PutWord(b, kOptional + 40, 4);
  PutWord(b, kOptional + 48, 4);
  PutDword(b, kOptional + 56, 0x2000);  // image size
  PutDword(b, kOptional + 60, 0x200);   // header size
  PutWord(b, kOptional + 68, 2);        // GUI
  PutDword(b, kOptional + 92, 16);      // data directories
  // The resource section's layout: directories for type 16 (version), id 1, language 0x409,
  // then the data entry and the version block.
  constexpr std::size_t kTypeDir = 0, kNameDir = 24, kLangDir = 48, kEntry = 72, kBlock = 88;
  constexpr std::size_t kBlockSize = 92, kSectionSize = kBlock + kBlockSize;
  PutDword(b, kOptional + 96 + 2 * 8, kRva);
  PutDword(b, kOptional + 96 + 2 * 8 + 4, kSectionSize);
  b.replace(kSectionHeader, 5, ".rsrc");
  PutDword(b, kSectionHeader + 8, kSectionSize);
  PutDword(b, kSectionHeader + 12, kRva);
  PutDword(b, kSectionHeader + 16, 0x200);
  PutDword(b, kSectionHeader + 20, kRaw);
  PutDword(b, kSectionHeader + 36, 0x40000040);  // initialized data, readable
  auto directory = [&](std::size_t at, std::uint32_t id, std::uint32_t target) {
    PutWord(b, kRaw + at + 14, 1);  // one entry by id
    PutDword(b, kRaw + at + 16, id);
    PutDword(b, kRaw + at + 20, target);
  };
  directory(kTypeDir, 16, 0x80000000u | kNameDir);
  directory(kNameDir, 1, 0x80000000u | kLangDir);
  directory(kLangDir, 0x409, kEntry);
  PutDword(b, kRaw + kEntry, kRva + kBlock);
  PutDword(b, kRaw + kEntry + 4, kBlockSize);
  const std::size_t v = kRaw + kBlock;
  PutWord(b, v, kBlockSize);
  PutWord(b, v + 2, 52);  // the fixed block's size
  const char* key = "VS_VERSION_INFO";
  for (std::size_t i = 0; key[i] != '\0'; ++i) PutWord(b, v + 6 + 2 * i, static_cast<std::uint8_t>(key[i]));
  const std::size_t f = v + 40;  // after the key, its NUL and the padding to 4 bytes
  PutDword(b, f, 0xFEEF04BD);
  PutDword(b, f + 4, 0x00010000);
  PutDword(b, f + 8, static_cast<std::uint32_t>(major) << 16 | minor);
  PutDword(b, f + 12, static_cast<std::uint32_t>(build) << 16 | revision);
  PutDword(b, f + 16, static_cast<std::uint32_t>(major) << 16 | minor);
  PutDword(b, f + 20, static_cast<std::uint32_t>(build) << 16 | revision);
  PutDword(b, f + 24, 0x3F);
  PutDword(b, f + 32, 0x40004);  // NT, 32-bit
  PutDword(b, f + 36, 1);        // application
  return b;
}

std::string CreatedByLine(const std::string& log) {
  const auto at = log.find("CREATED-BY:");
  if (at == std::string::npos) return "<no line>";
  return log.substr(at, log.find("\r\n", at) - at);
}

TEST(HostProgramVersion, TakesTheFirstProgramNamedKelvoAndItsVersionResource) {
  const struct {
    const char* file;  // nullptr: no program in the folder
    std::optional<std::array<std::uint16_t, 4>> version;  // nothing: a file without one
    const char* line;
  } cases[] = {
      {"Kelvo2.exe", std::array<std::uint16_t, 4>{2, 20, 7, 1}, "CREATED-BY: Kelvo 2.20"},
      {"Kelvo.exe", std::array<std::uint16_t, 4>{3, 1, 5, 9}, "CREATED-BY: Kelvo 3.1.5"},
      {"Kelvo.exe", std::array<std::uint16_t, 4>{1, 0, 0, 0}, "CREATED-BY: Kelvo 1.0.0"},
      {"OldKelvoSetup.exe", std::array<std::uint16_t, 4>{2, 5, 9, 0}, "CREATED-BY: Kelvo 2.5"},
      // Without a version resource the line reads as when there is no program at all.
      {"Kelvo.exe", std::nullopt, "CREATED-BY: Kelvo "},
      // The name is matched with its letter case.
      {"kelvo.exe", std::array<std::uint16_t, 4>{2, 20, 0, 0}, "CREATED-BY: Kelvo "},
      {"Kelvo.dll", std::array<std::uint16_t, 4>{2, 20, 0, 0}, "CREATED-BY: Kelvo "},
      {nullptr, std::nullopt, "CREATED-BY: Kelvo "},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    if (c.file != nullptr) {
      const auto& v = c.version;
      dir.Write(c.file, v ? ProgramWithVersion((*v)[0], (*v)[1], (*v)[2], (*v)[3])
                          : std::string("MZ not really a program"));
    }
    CabrilloWriter writer;
    writer.m_fileStem = "ZZ9ZZ";
    EXPECT_EQ(writer.WriteLog(dir.Path(), 0), "File produced: ZZ9ZZ.log");
    EXPECT_EQ(CreatedByLine(dir.Read("ZZ9ZZ.log")), c.line) << (c.file ? c.file : "(none)");
  }
}

// --- Whole log files against the golden ones --------------------------------------------------

std::string GoldenFolder() {
  std::string here = __FILE__;  // .../tests/unit/cabrillo_test.cpp
  for (char& ch : here) {
    if (ch == '\\') ch = '/';
  }
  here = here.substr(0, here.rfind('/'));
  here = here.substr(0, here.rfind('/'));
#if defined(_WIN32)
  // The sources sit on the Linux file system, drive Z: under Wine.
  if (!here.empty() && here.front() == '/') here = "Z:" + here;
#endif
  return here + "/golden/cabrillo/";
}

struct GoldenCase {
  const char* golden;    // file in tests/golden/cabrillo
  std::string ownCall;
  const char* logName;   // the file the export writes
  std::function<void(ContestFixture&)> feed;  // prepares, then reports the QSOs
  int resultRequests = 1;
  bool clubMember = false;  // the settings say the operator is a club member
};

void Header(CabrilloHeaderFields& f) {
  f.m_name = "Ann Example";
  f.m_address = "Main Street 1";
  f.m_addressCity = "Springfield";
  f.m_addressPostalCode = "12345";
  f.m_addressCountry = "Germany";
  f.m_club = "Digital Club";
  f.m_email = "ann@example.org";
}

TEST(CabrilloLog, MatchesTheGoldenFiles) {
  const std::vector<GoldenCase> cases = {
      {"small-log.log", "ZZ9ZZ", "ZZ9ZZ.log",
       [](ContestFixture& f) {
         f.Add({.call = "QQ1A", .time = ContestFixture::At(2021, 3, 13, 6, 1), .hz = 14080500});
         f.Add({.call = "RR2BB", .time = ContestFixture::At(2021, 3, 13, 6, 7), .hz = 14081200,
                .mode = "BPSK63", .sent = "002", .rcvd = "117", .prefix = "RR2", .rstRcvd = "589"});
         f.Add({.call = "QQ1A", .time = ContestFixture::At(2021, 3, 13, 6, 9), .hz = 14080900,
                .sent = "003", .rcvd = "005"});  // duplicate: exported all the same
         f.Add({.call = "", .time = ContestFixture::At(2021, 3, 13, 23, 59), .hz = 7040000,
                .band = "40m", .sent = "004", .rcvd = "1", .prefix = ""});  // empty call
       }},
      {"modes-and-frequencies.log", "ZZ9ZZ", "ZZ9ZZ.log",
       [](ContestFixture& f) {
         f.Add({.call = "SS3C", .hz = 3580000, .mode = "bpsk63", .band = "80m", .prefix = "SS3"});
         f.Add({.call = "TT4DDDDDDDDDDDDD", .hz = 1234567000, .band = "10m", .sent = "0002",
                .rcvd = "12345678", .prefix = "TT4"});
         f.Add({.call = "UU5E", .hz = 28080000, .mode = "Rtty", .band = "10m", .sent = "3",
                .prefix = "UU5"});
       }},
      {"club-member.log", "ZZ9ZZ", "ZZ9ZZ.log",
       [](ContestFixture& f) {
         f.Add({.call = "QQ1A", .sent = "001", .rcvd = "017/M"});
         f.Add({.call = "RR2BB", .hz = 21080000, .band = "15m", .sent = "002", .rcvd = "3",
                .prefix = "RR2"});
       },
       1, /*clubMember=*/true},
      {"slashed-own-call.log", "OH/ZZ9ZZ\\P", "OH_ZZ9ZZ_P.log",
       [](ContestFixture& f) { f.Add({.call = "QQ1A", .own = "OH/ZZ9ZZ\\P"}); }},
      {"empty-own-call.log", "", "VXLT.log",
       [](ContestFixture& f) { f.Add({.call = "QQ1A", .own = ""}); }},
      {"two-result-requests.log", "ZZ9ZZ", "ZZ9ZZ.log",
       [](ContestFixture& f) {
         f.Add({.call = "QQ1A"});
         f.Add({.call = "RR2BB", .hz = 7041000, .band = "40m", .sent = "002", .prefix = "RR2"});
       },
       2},
  };
  const bool update = std::getenv("QVT_UPDATE_GOLDEN") != nullptr;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.golden);
    auto f = std::make_unique<ContestFixture>();
    f->seams.editHeader = Header;
    if (c.clubMember) platform::WriteProfileText(f->state.SettingsFile(), kSection, "I_Member", "1");
    f->Reset(c.ownCall, "DL", 1);
    c.feed(*f);
    for (int i = 0; i < c.resultRequests; ++i) f->Result();
    ASSERT_EQ(f->seams.messages.size(), static_cast<std::size_t>(c.resultRequests));
    for (const auto& m : f->seams.messages) {
      EXPECT_EQ(m.text, std::string("File produced: ") + c.logName);
      EXPECT_EQ(m.caption, "Output");
      EXPECT_EQ(m.icon, Seams::Icon::kInformation);
    }
    const std::string written = f->dir.Read(c.logName);
    const std::string path = GoldenFolder() + c.golden;
    if (update) platform::WriteBinaryFile(path, written);
    EXPECT_EQ(written, platform::ReadBinaryFile(path).value_or("<missing golden file " + path + ">"));
  }
}

}  // namespace
}  // namespace qvt

namespace qvt {
namespace {

// Without a window the header step confirms the fields as the dialog would show them, so both
// targets store the same settings after a Cabrillo run.
TEST(HeaderDialogFields, ComboBoxesShowTheFirstEntryThatBeginsWithTheText) {
  const struct {
    const char* text;
    const char* shown;
  } power[] = {{"", "HIGH"}, {"low", "LOW"}, {"Q", "QRP"}, {"MEDIUM", "MEDIUM"}, {"HIGHER", "HIGHER"}};
  for (const auto& c : power) {
    CabrilloHeaderFields fields;
    fields.m_categoryOverlay = c.text;
    EXPECT_EQ(AsShownInHeaderDialog(fields).m_categoryOverlay, c.shown) << c.text;
  }
  CabrilloHeaderFields fresh;
  fresh.m_category = "M";
  fresh.m_name = "";
  const CabrilloHeaderFields shown = AsShownInHeaderDialog(fresh);
  EXPECT_EQ(shown.m_category, "MO");  // the first entry beginning with "M"
  EXPECT_EQ(shown.m_categoryBand, "ALL");
  EXPECT_EQ(shown.m_categoryTime, "6-HOURS");
  EXPECT_EQ(shown.m_categoryTransmitter, "ONE");
  EXPECT_EQ(shown.m_name, "");  // text boxes show their text as it is
}

TEST(HeaderDialogFields, ConsoleHeaderStepStoresWhatTheDialogWouldShow) {
  testing::TempFolder dir;
  ConsoleSeams seams;
  ContestState state(seams, dir.Path());
  ResetRequest request;
  request.cabrilloRun = 1;
  request.ownCall = "ZZ9ZZ";
  request.end = platform::OleDateTime::FromFields(2021, 3, 14, 0, 0, 0);
  state.ResetStats(request);
  EXPECT_EQ(platform::ReadProfileText(state.SettingsFile(), "Settings", "Category_Overlay"), "HIGH");
  EXPECT_EQ(state.Unlocked().cabrillo.m_categoryTransmitter, "ONE");
}

}  // namespace
}  // namespace qvt
