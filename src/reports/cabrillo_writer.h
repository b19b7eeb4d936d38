// The Cabrillo header fields, the file stem and the QSO lines of the Cabrillo export, and the
// header's load/store logic behind the header dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ole_date_time.h"

namespace qvt {

class CInfo;

// The fields the header dialog shows and edits, named as the dialog's members.
struct CabrilloHeaderFields {
  std::string m_contest;
  std::string m_callsign;
  std::string m_claimed;
  std::string m_category;
  std::string m_categoryBand;
  std::string m_categoryMode;
  std::string m_categoryOverlay;
  std::string m_categoryTime;
  std::string m_categoryTransmitter;
  std::string m_name;
  std::string m_address;
  std::string m_addressCity;
  std::string m_addressPostalCode;
  std::string m_addressCountry;
  std::string m_operators;
  std::string m_club;
  std::string m_soapBox;
  std::string m_email;
};

// What the header dialog shows for the fields when it opens: each combo box selects the first
// entry of its list (in the order the box keeps it) that begins with the field's text, without
// regard to case, and otherwise shows the text itself. An empty text thus shows the first entry.
// Confirming the dialog unchanged gives these fields back.
CabrilloHeaderFields AsShownInHeaderDialog(CabrilloHeaderFields fields);

// Every occurrence of `from`, left to right, replaced by `to`; inserted text is not searched
// again. `count` (when given) receives the number of replacements. An empty `from` changes
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       int* count = nullptr);

// The file stem for an own call: "/" and "\" become "_", blanks at both ends go, and an empty
// result becomes "VXLT".
std::string CabrilloFileStem(std::string_view ownCall);

// "PM" for "BPSK63", "RY" for "RTTY", "??" for anything else (exact comparison).
std::string_view CabrilloModeCode(std::string_view mode);

// A line break typed into a single-line header field becomes one blank.
std::string FlattenLineBreaks(std::string_view text);

class CabrilloWriter : public CabrilloHeaderFields {
 public:
  std::string m_fileStem;
  std::vector<std::string> m_qsoLines;

  void AddQsoLine(std::string_view call, std::uint32_t freqKHz, std::string_view modeCode,
                  const platform::OleDateTime& time, std::string_view rstSent,
                  std::string_view exchSent, std::string_view rstReceived,
                  std::string_view exchReceived);

  // The whole file as it is written (header, QSO lines, end line). `hostVersion` empty: the
  // CREATED-BY line carries no version.
  std::string LogText(std::int64_t claimedScore, std::string_view hostVersion) const;

  // Writes "<stem>.log" in `folder` (empty: the current directory) and returns the
  // confirmation "File produced: <stem>.log". A file that cannot be created is not reported.
  std::string WriteLog(std::string_view folder, std::int64_t claimedScore) const;

  // The export pass's lines: one per record, duplicates and empty calls included. The list
  // starts empty on every pass, so a log file never holds a QSO twice.
  void SetQsoLines(const std::vector<CInfo>& log);

  // The header step before a Cabrillo run: fields loaded from the settings file, and, after the
  // operator confirmed them, stored back.
  void LoadHeader(std::string_view settingsFile, std::string_view ownCall);
  void StoreHeader(std::string_view settingsFile, const CabrilloHeaderFields& confirmed);
  const CabrilloHeaderFields& Header() const { return *this; }
};

// The version text of the host's program in `folder`: the first "*.exe" whose name contains
// "Kelvo"; "%d.%d" for major version 2, else "%d.%d.%d". Empty when there is none or it has no
// version resource.
std::string HostProgramVersion(std::string_view folder);

}  // namespace qvt
