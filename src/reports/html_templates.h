// The HTML result's pieces. Their markup (an unopened "</small>", a heading cell without its
// row start, crossed "</center></b>", the style value "middle") is what hosts have always been
// shown and is kept as it is. The score fields are 64-bit.
#pragma once

namespace qvt::html {

inline constexpr const char* kHead =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black}</style></head><body>";
inline constexpr const char* kTitle =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
inline constexpr const char* kHeaderRow =
    "<tr><th> %s</th><th> %s</th><th> %s</th><th> %s</th></tr>";
inline constexpr const char* kBandRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td></tr>";
inline constexpr const char* kTotalRow = kBandRow;
inline constexpr const char* kDupeRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td colspan=8> </td></tr>";
inline constexpr const char* kBadRow = kDupeRow;
inline constexpr const char* kScoreRow =
    "<tr><th>%s</th><td colspan=9><center>%i * %i = %lld</center></td></tr>";
inline constexpr const char* kLastQsoRow =
    "<tr><th>%s</small></th><td colspan=9><center>%5i</center></td></tr>";
inline constexpr const char* kRateHeader = "<th colspan=10><center>%s</center></th></tr>";
inline constexpr const char* kRateRow =
    "<tr><th> %s </th><td colspan=9><center>%5i /%i</center></td></tr>";
inline constexpr const char* kFooter = "</table></body></html>";

}  // namespace qvt::html
