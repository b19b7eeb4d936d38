// libFuzzer target: the input is decoded into a contest session of host calls through the
// plug-in's exported functions, with arbitrary texts (null, empty, very long, any bytes),
// date-times (null, NaN, infinities, +-1e300, every status) and integers. Besides crashes,
// leaks and sanitizer reports, it stops on any answer outside what the host is promised.
//
// Input layout: every value takes bytes from the front; past the end every byte reads as 0.
// A session starts with a reset, then one call per operation byte (see RunOne).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "plugin/qvt_exports.h"

namespace {

using qvt::abi::HostDateTime;

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

constexpr const char* kWords[] = {
    "",      "20m",    "40m",    "80m",    "15m",       "10m",  "160m",   "20M",  "RTTY",
    "rtty",  "BPSK63", "bpsk63", "BPSK31", "QQ1A",      "QQ1B", "QQ1",    "QQ2",  "599",
    "001",   "0599",   "12/M",   "/M",     "DL",        "K",    "VE",     "JA",   "VK",
    "K3",    "VE3",    "2.18",   "2.19",   "2.20",      "UA9",  "Kelvo",  "DUPE", "UBN",
    " 0935 ", "%s%n%s%p", "\xff\xfe", "\xc3\x84", "QSO:  ", "Invalid DateTime", "a\tb\r\nc"};

constexpr double kSpecialDays[] = {0.0,
                                   -0.0,
                                   44269.3993,  // 2021-03-14 09:35
                                   -657434.0,   // year 100
                                   2958465.99999,  // year 9999
                                   2958466.0,
                                   -657435.0,
                                   1e300,
                                   -1e300,
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min(),
                                   9.2e18,
                                   -9.2e18};

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool Done() const { return pos_ >= size_; }
  std::uint32_t U32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return v;
  }
  double Double() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | Byte();
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }

  // A text argument: the storage lives until the session ends. Null stays null.
  const char* Text() {
    std::string* text = nullptr;
    switch (Byte() % 8) {
      case 0:
        return nullptr;
      case 1:
        return "";
      case 2:
      case 3:
        return kWords[Byte() % std::size(kWords)];
      case 4: {  // long: up to 256 KiB of one byte, within a budget per session
        const std::size_t length = (std::size_t{Byte()} + 1) * 1024;
        const char fill = static_cast<char>(Byte() | 1);
        if (longBudget_ < length) return "L";
        longBudget_ -= length;
        text = &Keep(std::string(length, fill));
        break;
      }
      default: {  // raw bytes from the input, NULs and all (a NUL ends the C text)
        const std::size_t length = Byte() % 48;
        std::string raw;
        for (std::size_t i = 0; i < length && !Done(); ++i) raw += static_cast<char>(Byte());
        text = &Keep(std::move(raw));
        break;
      }
    }
    return text->c_str();
  }

  // A date-time argument, or null.
  HostDateTime* DateTime() {
    const std::uint8_t kind = Byte() % 6;
    if (kind == 0) return nullptr;
    HostDateTime value{};
    if (kind == 1) {
      value.dayCount = kSpecialDays[Byte() % std::size(kSpecialDays)];
    } else if (kind == 2) {
      value.dayCount = Double();
    } else {
      value.dayCount = 44269.0 + Byte() / 100.0 + Byte() / 1440.0;
    }
    const std::uint8_t status = Byte() % 5;
    value.status = status < 3 ? static_cast<std::int32_t>(status) : static_cast<std::int32_t>(U32());
    times_.push_back(value);
    return &times_.back();
  }

  void Reset() {
    texts_.clear();
    times_.clear();
    longBudget_ = kLongBudget;
  }

 private:
  static constexpr std::size_t kLongBudget = 2u << 20;

  std::string& Keep(std::string text) {
    texts_.push_back(std::move(text));
    return texts_.back();
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::size_t longBudget_ = kLongBudget;
  std::deque<std::string> texts_;  // deque: pointers stay valid as it grows
  std::deque<HostDateTime> times_;
};

// The arguments AddData0 and RemoveData0 read; the host's other positions get texts too.
struct QsoArgs {
  const char* own;
  const char* call;
  HostDateTime* time;
  unsigned hz;
  const char* mode;
  const char* rstSent;
  const char* rstRcvd;
  const char* sent;
  const char* rcvd;
  const char* prefix;
  const char* country;
  const char* band;
  const char* other;
};

QsoArgs DecodeQso(Input& in) {
  QsoArgs q{};
  q.own = in.Text();
  q.call = in.Text();
  q.time = in.DateTime();
  q.hz = in.U32();
  q.mode = in.Text();
  q.rstSent = in.Text();
  q.rstRcvd = in.Text();
  q.sent = in.Text();
  q.rcvd = in.Text();
  q.prefix = in.Text();
  q.country = in.Text();
  q.band = in.Text();
  q.other = in.Text();
  return q;
}

int Call(qvt::abi::AddDataFn fn, const QsoArgs& q) {
  const char* o = q.other;
  return fn(q.own, q.call, q.time, q.time, nullptr, q.time, 7, q.hz, q.mode, q.rstSent, q.rstRcvd,
            q.sent, q.rcvd, o, o, o, o, o, o, o, o, q.prefix, q.country, -1, 0, 1, 1e300,
            std::nan(""), o, o, o, q.band, o);
}

bool cabrilloFiles = false;

int DoReset(Input& in) {
  std::string prefix;
  const char* rawPrefix = in.Text();
  // The host's path prefix stays inside the working folder.
  if (rawPrefix != nullptr) {
    prefix = rawPrefix;
    for (char& c : prefix) {
      if (c == '/' || c == '\\') c = '_';
    }
  }
  const bool cabrillo = in.Byte() % 8 == 0;
  cabrilloFiles = cabrilloFiles || cabrillo;
  const char* own = in.Text();
  HostDateTime* start = in.DateTime();
  HostDateTime* end = in.DateTime();
  const char* country = in.Text();
  const char* o = in.Text();
  return ResetStats0(rawPrefix != nullptr ? prefix.c_str() : nullptr, cabrillo ? 1 : 0, own,
                     start, end, o, o, o, o, o, o, o, o, o, country, 0, -1, 1,
                     std::numeric_limits<double>::infinity(), 0.0, o, o, o);
}

void RunOne(Input& in) {
  if (DoReset(in) != 1) Broken("ResetStats0 returns 1");
  std::vector<QsoArgs> added;
  for (int ops = 0; !in.Done() && ops < 400; ++ops) {
    switch (in.Byte() % 9) {
      case 0:
      case 1: {
        const QsoArgs q = DecodeQso(in);
        const int stored = Call(AddData0, q);
        if (stored != 0 && stored != 1) Broken("AddData0 answers 0 or 1");
        if (stored == 1) added.push_back(q);
        break;
      }
      case 2: {  // removal of a QSO added before (as the host does) or of anything
        const std::uint8_t pick = in.Byte();
        const QsoArgs q = !added.empty() && pick % 2 == 0 ? added[pick % added.size()] : DecodeQso(in);
        if (Call(RemoveData0, q) != 1) Broken("RemoveData0 answers 1");
        break;
      }
      case 3: {
        char buffer1[16];
        char buffer2[16];
        std::memset(buffer1, 0x5A, sizeof buffer1);
        std::memset(buffer2, 0x5A, sizeof buffer2);
        const char* call = in.Text();
        const char* mode = in.Text();
        const char* prefix = in.Text();
        const char* country = in.Text();
        const char* band = in.Text();
        const char* band2 = in.Text();
        const char* o = in.Text();
        const int answer = CheckCall0(call, in.U32(), in.U32(), mode, o, o, o, o, o, o, o, o,
                                      prefix, country, 0, 0, 0, 0.0, 0.0, o, o, o, o, o, band,
                                      band2, buffer1, buffer2);
        if (answer != 0 && answer != 1 && answer != 2 && answer != 4) Broken("CheckCall0 answer");
        for (std::size_t i = 0; i < sizeof buffer1; ++i) {
          if (buffer1[i] != 0x5A || buffer2[i] != 0x5A) Broken("CheckCall0 leaves its buffers");
        }
        break;
      }
      case 4: {
        int out = 12345;
        const char* text = GetResult0(&out);
        if (text == nullptr || out != -1) Broken("GetResult0 gives a text and sets -1");
        if (std::strlen(text) == 0) Broken("GetResult0 text has a title");
        break;
      }
      case 5:
        if (DoReset(in) != 1) Broken("ResetStats0 returns 1");
        added.clear();
        break;
      case 6: {
        const char* exchange = in.Text();
        const int valid = IsValidExchg0(exchange, exchange, nullptr, "", 1, 2, 3);
        if (valid != 0 && valid != 1) Broken("IsValidExchg0 answers 0 or 1");
        break;
      }
      case 7:
        if (setVersion(in.Text()) != 0) Broken("setVersion answers 0");
        break;
      default: {
        const auto index = static_cast<int>(in.U32());
        const char* name = GetSetName(index);
        if (name == nullptr || (index != 0 && name[0] != '\0')) Broken("GetSetName");
        if (GetNumberOfSets() != 1 || GetExchgCount0(nullptr, in.Text(), "") != 1) {
          Broken("one statistics set, one exchange field");
        }
        break;
      }
    }
  }
}

// Cabrillo runs leave "<own call>.log" files; clear them so the folder does not fill up.
void RemoveCabrilloLogs() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) {
    if (entry.path().extension() == ".log") std::filesystem::remove(entry.path(), ec);
  }
  cabrilloFiles = false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The plug-in works in the current directory; the runner starts the fuzzer in a scratch
  // folder. The settings live in "Plugins".
  std::error_code ec;
  std::filesystem::create_directories("Plugins", ec);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  RunOne(in);
  if (cabrilloFiles) RemoveCabrilloLogs();
  return 0;
}
