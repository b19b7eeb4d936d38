#include "reports/result_builder.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "log/contest_state.h"
#include "platform/text_file.h"
#include "reports/html_templates.h"
#include "reports/text_format.h"

namespace qvt {
namespace {

constexpr std::array<std::string_view, kBandSlots> kSlotNames = {"160m", "80m", "40m",
                                                                 "20m",  "15m", "10m"};
// The call-area groups in table order, with the country whose stations fill each.
constexpr std::array<std::string_view, kAreaGroups> kAreaKeys = {"K", "VE", "JA", "VK"};

struct BandStats {
  std::int32_t qsos = 0;
  std::int32_t points = 0;
  std::int32_t multipliers = 0;
  std::int32_t dupes = 0;
  StringArray prefixes;
  std::unordered_set<std::string> seenPrefixes;
  std::array<StringArray, kAreaGroups> areas;
  std::unordered_set<std::string> seenAreas;
};

struct Rates {
  std::int32_t hourQsos = 0;
  std::int32_t hourPoints = 0;
  std::int32_t tenMinQsos = 0;
  std::int32_t tenMinPoints = 0;
  std::int32_t lastQsoPoints = 0;
};

int SlotOf(std::string_view band, int previous) {
  for (std::size_t i = 0; i < kSlotNames.size(); ++i) {
    if (kSlotNames[i] == band) return static_cast<int>(i);
  }
  return previous;
}

std::int32_t BadQsoCount(std::string_view path) {
  const auto lines = platform::ReadLines(path);
  if (!lines) return 0;
  std::int32_t count = 0;
  for (const auto& line : *lines) {
    const auto dupe = line.find("DUPE");
    const auto ubn = line.find("UBN");
    const bool marked = (dupe != std::string::npos && dupe >= 1) ||
                        (ubn != std::string::npos && ubn >= 1);
    if (!marked) ++count;
  }
  return count;
}

std::int32_t PointsOf(const CInfo& qso, const ContestData& data) {
  const bool sameCountry = qso.m_country == data.ownCountry;
  const auto slashM = qso.m_exchReceived.find("/M");
  const bool member = slashM != std::string::npos && slashM >= 1;
  std::int32_t points = sameCountry ? 1 : 2;
  if (data.clubMember != 0) {
    points += member ? 6 : 2;
  } else {
    points += member ? 2 : 0;
  }
  return points;
}

// The call-area key of a record ("K1", "VE3", ...), or empty.
std::string AreaKey(const CInfo& qso, std::size_t& group) {
  const std::array<std::int32_t, kAreaGroups> areas = {qso.m_areaK, qso.m_areaVE, qso.m_areaJA,
                                                       qso.m_areaVK};
  for (std::size_t g = 0; g < areas.size(); ++g) {
    if (areas[g] >= 0 && areas[g] <= 9) {
      group = g;
      return std::string(kAreaKeys[g]) + static_cast<char>('0' + areas[g]);
    }
  }
  return {};
}

void AppendPlain(std::string& out, const ContestData& data, const StringArray& bands,
                 const std::vector<BandStats>& stats, const ResultOutcome& totals,
                 const Rates& rates) {
  AppendPrintf(out, "\t   QVT Contest %s-%s \r\n\t       Contestant: %s\r\nBand\tQSOs\tPoints\tPrefix\r\n",
               data.contestStartText.c_str(), data.contestEndText.c_str(), data.ownCall.c_str());
  for (std::size_t i = 0; i < bands.size(); ++i) {
    AppendPrintf(out, "%s\t %i\t %i\t %i\r\n", bands[i].c_str(), stats[i].qsos, stats[i].points,
                 stats[i].multipliers);
  }
  AppendPrintf(out, "Total\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n\r\nScore: %i*%i = %lld\r\n",
               totals.totalQsos, totals.totalPoints, totals.totalMultipliers, totals.totalDupes,
               data.badQsoCount, totals.totalPoints, totals.totalMultipliers,
               static_cast<long long>(totals.score));
  if (!data.qsoLog.empty() && data.cabrilloRun == 0) {
    AppendPrintf(out, "Last QSO points: %i\r\nQSO rate: %i (%i) per hour\r\nPoints rate: %i (%i) per hour\r\n",
                 rates.lastQsoPoints, rates.hourQsos, 6 * rates.tenMinQsos, rates.hourPoints,
                 6 * rates.tenMinPoints);
  }
}

void AppendHtml(std::string& out, const ContestData& data, const StringArray& bands,
                const std::vector<BandStats>& stats, const ResultOutcome& totals,
                const Rates& rates) {
  out += html::kHead;
  const std::string title = Printf("    QVT Contest %s-%s", data.contestStartText.c_str(),
                                   data.contestEndText.c_str());
  AppendPrintf(out, html::kTitle, title.c_str(), data.ownCall.c_str());
  AppendPrintf(out, html::kHeaderRow, "Band", "QSOs", "Points", "Prefix");
  for (std::size_t i = 0; i < bands.size(); ++i) {
    AppendPrintf(out, html::kBandRow, bands[i].c_str(), stats[i].qsos, stats[i].points,
                 stats[i].multipliers);
  }
  AppendPrintf(out, html::kTotalRow, "Total", totals.totalQsos, totals.totalPoints,
               totals.totalMultipliers);
  AppendPrintf(out, html::kDupeRow, "Dupe", totals.totalDupes);
  AppendPrintf(out, html::kBadRow, "Bad QSO", data.badQsoCount);
  AppendPrintf(out, html::kScoreRow, "Score:", totals.totalPoints, totals.totalMultipliers,
               static_cast<long long>(totals.score));
  AppendPrintf(out, html::kLastQsoRow, "Last QSO points:", rates.lastQsoPoints);
  AppendPrintf(out, html::kRateHeader, "Rate");
  AppendPrintf(out, html::kRateRow, "Hourly (10min/1 hour) QSO rate:", rates.hourQsos,
               6 * rates.tenMinQsos);
  AppendPrintf(out, html::kRateRow, "Hourly (10min/1 hour) pts rate:", rates.hourPoints,
               6 * rates.tenMinPoints);
  out += html::kFooter;
}

}  // namespace

bool ElapsedMinutes(double referenceDays, double qsoDays, std::int64_t& minutes) {
  constexpr double kHalfSecond = 5.787037037037037e-6;
  double e = referenceDays - qsoDays;
  e += e >= 0 ? kHalfSecond : -kHalfSecond;
  const double m = std::trunc(e * 1440.0);
  if (std::isnan(m)) return false;
  constexpr double kLimit = 9.2e18;
  if (m >= kLimit) {
    minutes = std::numeric_limits<std::int64_t>::max();
  } else if (m <= -kLimit) {
    minutes = std::numeric_limits<std::int64_t>::min();
  } else {
    minutes = static_cast<std::int64_t>(m);
  }
  return true;
}

void SortBands(std::vector<std::string>& bands) {
  auto padded = [](const std::string& s) {
    return s.size() >= 20 ? s : std::string(20 - s.size(), '0') + s;
  };
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (padded(bands[i]) < padded(bands[j])) std::swap(bands[i], bands[j]);
    }
  }
}

ResultOutcome BuildResult(ContestData& data, std::string_view badQsoPath) {
  data.resultText.clear();
  SortBands(data.loggedBands);
  data.badQsoCount = data.badQsoFile.empty() ? 0 : BadQsoCount(badQsoPath);

  const auto& log = data.qsoLog;
  const StringArray& bands = data.loggedBands;
  std::unordered_map<std::string_view, std::size_t> bandIndex;
  for (std::size_t i = 0; i < bands.size(); ++i) bandIndex.emplace(bands[i], i);
  std::vector<BandStats> stats(bands.size());

  Rates rates;
  const bool haveLog = !log.empty();
  const double reference = haveLog ? log.back().m_time.DayCount() : 0.0;
  const std::string_view lastBand = haveLog ? std::string_view(log.back().m_band) : "30m";

  // One pass over the log: each record belongs to exactly one listed band.
  for (const CInfo& qso : log) {
    if (qso.m_call.empty()) continue;
    const auto found = bandIndex.find(qso.m_band);
    if (found == bandIndex.end()) continue;
    BandStats& band = stats[found->second];
    band.dupes += qso.m_dupes;
    if (qso.m_excluded != 0) continue;
    ++band.qsos;
    const std::int32_t points = PointsOf(qso, data);
    band.points += points;
    if (qso.m_band == lastBand) rates.lastQsoPoints = points;
    std::int64_t minutes = 0;
    if (data.cabrilloRun == 0 && ElapsedMinutes(reference, qso.m_time.DayCount(), minutes)) {
      if (minutes < 60) {
        ++rates.hourQsos;
        rates.hourPoints += points;
      }
      if (minutes < 10) {
        ++rates.tenMinQsos;
        rates.tenMinPoints += points;
      }
    }
    if (band.seenPrefixes.insert(qso.m_prefix).second) {
      band.prefixes.push_back(qso.m_prefix);
      ++band.multipliers;
    }
    std::size_t group = 0;
    std::string area = AreaKey(qso, group);
    if (!area.empty() && band.seenAreas.insert(area).second) {
      band.areas[group].push_back(std::move(area));
    }
  }

  // Bands in their sorted order: a name that is none of the six slots (another letter case)
  // takes over the slot of the band before it.
  ResultOutcome totals;
  int slot = 0;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    slot = SlotOf(bands[i], slot);
    const auto s = static_cast<std::size_t>(slot);
    data.bandPrefixes[s] = stats[i].prefixes;
    for (std::size_t g = 0; g < kAreaGroups; ++g) data.bandAreas[g][s] = stats[i].areas[g];
    totals.totalQsos += stats[i].qsos;
    totals.totalPoints += stats[i].points;
    totals.totalMultipliers += stats[i].multipliers;
    totals.totalDupes += stats[i].dupes;
  }
  totals.score = static_cast<std::int64_t>(totals.totalPoints) * totals.totalMultipliers;

  if (data.htmlResults != 0) {
    AppendHtml(data.resultText, data, bands, stats, totals, rates);
  } else {
    AppendPlain(data.resultText, data, bands, stats, totals, rates);
  }
  return totals;
}

}  // namespace qvt
