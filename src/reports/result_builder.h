// The result request's computation: statistics from the kept log, the per-band tables the
// windows draw, and the result text in plain or HTML form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

struct ContestData;

struct ResultOutcome {
  std::int32_t totalQsos = 0;
  std::int32_t totalPoints = 0;
  std::int32_t totalMultipliers = 0;
  std::int32_t totalDupes = 0;
  // Points times multipliers in 64 bits: a large log overflows 32.
  std::int64_t score = 0;
};

// Sorts `loggedBands`, counts the bad QSOs of the file at `badQsoPath` into `badQsoCount`,
// rebuilds `bandPrefixes` and `bandAreas` of every listed band's slot and writes `resultText`.
ResultOutcome BuildResult(ContestData& data, std::string_view badQsoPath);

// Elapsed whole minutes from a QSO to the reference QSO, rounded to the second first;
// nothing when the difference is not a finite number.
bool ElapsedMinutes(double referenceDays, double qsoDays, std::int64_t& minutes);

// Sorts band names largest first, comparing them zero-padded to 20 characters.
void SortBands(std::vector<std::string>& bands);

}  // namespace qvt
