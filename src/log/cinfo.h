// One QSO as the plug-in keeps it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ole_date_time.h"

namespace qvt {

class CInfo {
 public:
  CInfo() = default;
  CInfo(const CInfo&) = default;
  CInfo& operator=(const CInfo&) = default;
  CInfo(CInfo&&) noexcept = default;
  CInfo& operator=(CInfo&&) noexcept = default;
  virtual ~CInfo() = default;

  std::string m_call;          // worked station
  std::string m_country;       // its DXCC prefix, as the host determined it
  std::string m_prefix;        // its multiplier prefix, as the host determined it
  std::string m_band;          // as the host passed it, e.g. "20m"
  std::string m_mode;          // as the host passed it
  std::string m_rstReceived;
  std::string m_rstSent;
  std::string m_exchReceived;  // a club member's number ends in "/M"
  std::string m_exchSent;      // stored with "/M" when the operator is a club member
  std::uint32_t m_freqKHz = 0;
  std::int32_t m_excluded = 0;  // 1: duplicate, kept but not scored
  std::int32_t m_dupes = 0;     // 1: duplicate, summed into the "Dupe" count
  std::int32_t m_areaJA = -1;   // call area 0..9 of a station in "JA", else -1
  std::int32_t m_areaK = -1;
  std::int32_t m_areaVE = -1;
  std::int32_t m_areaVK = -1;
  platform::OleDateTime m_time;
};

}  // namespace qvt
