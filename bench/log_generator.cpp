#include "log_generator.h"

#include <cstdio>
#include <fstream>
#include <unordered_set>

namespace qvt::bench {
namespace {

// splitmix64: small, fast and the same everywhere (the standard distributions are not).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }

 private:
  std::uint64_t state_;
};

struct BandPlan {
  const char* name;
  std::uint32_t lowKHz;
};
constexpr BandPlan kBands[] = {
    {"80m", 3580}, {"40m", 7035}, {"20m", 14080}, {"15m", 21080}, {"10m", 28080}};

constexpr double kStartDay = 44268.5;  // 2021-03-13 12:00
constexpr double kSecond = 1.0 / 86400.0;

const char* kEmpty = "";

std::string Serial(std::uint32_t n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03u", n);
  return buf;
}

}  // namespace

std::optional<std::vector<std::string>> ReadCallList(std::string_view path) {
  std::ifstream in{std::string(path)};
  if (!in) return std::nullopt;
  std::vector<std::string> calls;
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    calls.push_back(line);
  }
  return calls;
}

std::string WpxPrefix(std::string_view call) {
  call = call.substr(0, call.find('/'));
  for (std::size_t i = call.size(); i-- > 0;) {
    if (call[i] >= '0' && call[i] <= '9') return std::string(call.substr(0, i + 1));
  }
  return std::string(call.substr(0, 2)) + "0";
}

std::vector<GeneratedQso> GenerateLog(const std::vector<std::string>& calls, std::size_t count,
                                      std::uint64_t seed) {
  Random random(seed);
  std::vector<GeneratedQso> log;
  log.reserve(count);
  double seconds = 0;
  const auto callCount = static_cast<std::uint32_t>(calls.size());
  // Which call, band and mode each QSO has: every call at most once per band and mode, except
  // for one QSO in a hundred, which repeats an earlier one (a duplicate).
  std::unordered_set<std::uint64_t> worked;
  std::vector<std::uint64_t> order;
  order.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint64_t key = 0;
    if (!order.empty() && random.Below(100) == 0) {
      key = order[random.Below(static_cast<std::uint32_t>(order.size()))];
    } else {
      do {
        const std::uint64_t mode = random.Below(10) < 7 ? 0 : 1;
        key = std::uint64_t{random.Below(callCount)} * 10 + random.Below(5) * 2 + mode;
      } while (!worked.insert(key).second);
    }
    order.push_back(key);
  }

  for (std::size_t i = 0; i < count; ++i) {
    GeneratedQso q;
    const std::uint64_t key = order[i];
    q.call = calls[key / 10];
    const BandPlan& band = kBands[key % 10 / 2];
    q.band = band.name;
    q.mode = key % 2 == 0 ? "RTTY" : "BPSK63";
    q.prefix = WpxPrefix(q.call);
    q.country = q.call.substr(0, 2);
    q.exchSent = Serial(static_cast<std::uint32_t>(i + 1));
    q.exchReceived = Serial(1 + random.Below(2000));
    if (random.Below(10) == 0) q.exchReceived += "/M";
    q.frequencyHz = (band.lowKHz + random.Below(30)) * 1000 + random.Below(1000);
    seconds += 5 + random.Below(36);
    q.time = {kStartDay + seconds * kSecond, abi::kValid};
    log.push_back(std::move(q));
  }
  return log;
}

std::string ToAdif(const std::vector<GeneratedQso>& log, std::string_view ownCall) {
  std::string out = "Generated contest log\n<ADIF_VER:5>3.1.4 <EOH>\n";
  auto field = [&out](std::string_view name, std::string_view value) {
    out += '<';
    out.append(name);
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out.append(value);
    out += ' ';
  };
  for (const GeneratedQso& q : log) {
    // Whole seconds since the start day's midnight give the date and time fields.
    const auto total = static_cast<long long>((q.time.dayCount - 44268.0) * 86400.0 + 0.5);
    int d = 13 + static_cast<int>(total / 86400);  // day of March; later days run on into April
    const int sec = static_cast<int>(total % 86400);
    static constexpr int kMonthDays[] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 3;
    for (int m = 0; m < 10 && d > kMonthDays[m]; ++m) {
      d -= kMonthDays[m];
      ++month;
    }
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "2021%02d%02d", month % 100, d % 100);
    std::snprintf(time, sizeof time, "%02d%02d%02d", sec / 3600, sec / 60 % 60, sec % 60);
    char freq[32];
    std::snprintf(freq, sizeof freq, "%u.%06u", q.frequencyHz / 1000000, q.frequencyHz % 1000000);
    field("CALL", q.call);
    field("QSO_DATE", date);
    field("TIME_ON", time);
    field("BAND", q.band);
    field("FREQ", freq);
    field("MODE", q.mode == "RTTY" ? "RTTY" : "PSK");
    if (q.mode != "RTTY") field("SUBMODE", "PSK63");
    field("RST_SENT", q.rstSent);
    field("RST_RCVD", q.rstReceived);
    field("STX_STRING", q.exchSent);
    field("SRX_STRING", q.exchReceived);
    field("PFX", q.prefix);
    field("STATION_CALLSIGN", ownCall);
    out += "<EOR>\n";
  }
  return out;
}

int AddQso(abi::AddDataFn add, const GeneratedQso& q, const char* ownCall) {
  abi::HostDateTime time = q.time;
  abi::HostDateTime unused{};
  const char* e = kEmpty;
  return add(ownCall, q.call.c_str(), &time, &unused, &unused, &unused, 0, q.frequencyHz,
             q.mode.c_str(), q.rstSent.c_str(), q.rstReceived.c_str(), q.exchSent.c_str(),
             q.exchReceived.c_str(), e, e, e, e, e, e, e, e, q.prefix.c_str(), q.country.c_str(),
             0, 0, 0, 0.0, 0.0, e, e, e, q.band.c_str(), e);
}

int ResetContest(const char* ownCall, const char* ownCountry) {
  abi::HostDateTime start{44268.0, abi::kValid};  // 2021-03-13
  abi::HostDateTime end{44269.0, abi::kValid};
  const char* e = kEmpty;
  return ResetStats0(e, 0, ownCall, &start, &end, e, e, e, e, e, e, e, e, e, ownCountry, 0, 0,
                     0, 0.0, 0.0, e, e, e);
}

}  // namespace qvt::bench
