#include <gtest/gtest.h>

#include <sstream>

#include "adif_reader.h"
#include "cabrillo_reader.h"

namespace qvt::host {
namespace {

LogContents Cabrillo(const std::string& text) {
  std::istringstream in(text);
  return ReadCabrillo(in);
}

LogContents Adif(const std::string& text) {
  std::istringstream in(text);
  return ReadAdif(in);
}

// The quirks of real logs: CRLF lines, X-QSO lines, serials with and without zeros, a
// placeholder band-edge frequency, lines out of serial order, a PSK63 QSO, the transmitter
// column of a multi-op log, and the CALLSIGN header.
TEST(CabrilloReader, ReadsTheQuirksOfRealLogs) {
  const LogContents log = Cabrillo(
      "START-OF-LOG: 3.0\r\n"
      "CONTEST: CQ-WPX-RTTY\r\n"
      "CALLSIGN: ab0rx\r\n"
      "QSO:   28111 RY 2023-02-11 0019 AB0RX            599 1     KU1CW            599  21\r\n"
      "X-QSO:  7029 RY 2023-02-11 0332 AB0RX            599 0340  P49X             599  0279\r\n"
      "QSO:   14000 RY 2023-02-11 0021 AB0RX            599 3     JH7RTQ           599  013\r\n"
      "QSO:    7040 RY 2023-02-11 0021 AB0RX            599 2     VE7KI            599  002 1\r\n"
      "QSO:    3580 PM 2023-02-11 0022 AB0RX            599 0004  DL1ABC/P         599  12/M\r\n"
      "END-OF-LOG:\r\n");
  EXPECT_EQ(log.ownCall, "AB0RX");
  EXPECT_EQ(log.qsoLines, 4);
  EXPECT_EQ(log.ignoredLines, 1);
  EXPECT_TRUE(log.problems.empty());
  ASSERT_EQ(log.qsos.size(), 4u);

  const LogQso& first = log.qsos[0];
  EXPECT_EQ(first.line, 4);
  EXPECT_EQ(first.ownCall, "AB0RX");
  EXPECT_EQ(first.call, "KU1CW");
  EXPECT_EQ(FormatDateTimeText(first.time), "2023-02-11T00:19:00");
  EXPECT_EQ(first.frequencyHz, 28111000u);
  EXPECT_EQ(first.band, "10m");
  EXPECT_EQ(first.mode, "RTTY");
  EXPECT_EQ(first.rstSent, "599");
  EXPECT_EQ(first.numberSent, "1");
  EXPECT_EQ(first.rstReceived, "599");
  EXPECT_EQ(first.numberReceived, "21");
  EXPECT_EQ(first.multiplierPrefix, "");

  EXPECT_EQ(log.qsos[1].band, "20m");  // 14000 kHz: the band edge still belongs to the band
  EXPECT_EQ(log.qsos[1].numberSent, "3");
  EXPECT_EQ(log.qsos[2].numberReceived, "002");  // the transmitter column is not the number
  EXPECT_EQ(log.qsos[3].mode, "BPSK63");
  EXPECT_EQ(log.qsos[3].call, "DL1ABC/P");
  EXPECT_EQ(log.qsos[3].numberReceived, "12/M");
}

// A missing field is passed on empty so that the plug-in judges the QSO; what cannot be read
// at all is reported with its line number and skipped, and reading goes on.
TEST(CabrilloReader, MissingFieldsAndBadLines) {
  const LogContents log = Cabrillo(
      "CALLSIGN: QQ1A\n"
      "QSO: 14080 RY 2021-03-13 1000 QQ1A 599 0001 QQ2B 599\n"           // 2: no number rcvd
      "QSO: 14080 RY 2021-03-13 1001 QQ1A 599 QQ2C 599 0005\n"           // 3: no number sent
      "QSO: 1840 RY 2021-03-13 1002 QQ1A 599 0002 QQ2D 599 0007\n"       // 4: 160 m
      "QSO: 7040 CW 2021-03-13 1003 QQ1A 599 0003 QQ2E 599 0008\n"       // 5: another mode
      "QSO: 9999 RY 2021-03-13 1004 QQ1A 599 0004 QQ2F 599 0009\n"       // 6: outside every band
      "QSO: 144 RY 2021-03-13 1005 QQ1A 599 0005 QQ2G 599 0010\n"        // 7: VHF designator
      "QSO: 14080 RY 2021-02-30 1006 QQ1A 599 0006 QQ2H 599 0011\n"      // 8: no such date
      "QSO: 14080 RY 2021-03-13 106 QQ1A 599 0006 QQ2H 599 0011\n"       // 9: bad time
      "QSO: 14.08 RY 2021-03-13 1007 QQ1A 599 0006 QQ2H 599 0011\n"      // 10: MHz by mistake
      "QSO: 14O80 RY 2021-03-13 1007 QQ1A 599 0006 QQ2H 599 0011\n"      // 11: bad frequency
      "QSO: 14080 RY 2021-03-13 1008 QQ1A 599 0007 599 0012\n"           // 12: no worked call
      "QSO: 14080 RY 2021-03-13\n"                                        // 13: too short
      "QSO: 14080 RY 2021-03-13 1009 QQ1A 599 0008 QQ2J 599 0013 1 2\n"  // 14: extra fields
      "QSO: 21080 RY 2021-03-13 1010 QQ1A 599 0009 QQ2K 599 0014\n");    // 15: fine
  ASSERT_EQ(log.qsos.size(), 8u);
  EXPECT_EQ(log.qsoLines, 14);
  EXPECT_EQ(log.qsos[0].numberSent, "0001");
  EXPECT_EQ(log.qsos[0].numberReceived, "");
  EXPECT_EQ(log.qsos[1].numberSent, "");
  EXPECT_EQ(log.qsos[1].call, "QQ2C");
  EXPECT_EQ(log.qsos[1].numberReceived, "0005");
  EXPECT_EQ(log.qsos[2].band, "160m");
  EXPECT_EQ(log.qsos[2].frequencyHz, 1840000u);
  EXPECT_EQ(log.qsos[3].mode, "CW");
  EXPECT_EQ(log.qsos[4].band, "");
  EXPECT_EQ(log.qsos[5].band, "2m");
  EXPECT_EQ(log.qsos[5].frequencyHz, 144000000u);
  // Below 1 MHz there is no band in kHz, so the column is read as MHz.
  EXPECT_EQ(log.qsos[6].frequencyHz, 14080000u);
  EXPECT_EQ(log.qsos[6].band, "20m");
  EXPECT_EQ(log.qsos[7].line, 15);

  std::vector<int> badLines;
  for (const auto& problem : log.problems) badLines.push_back(problem.line);
  EXPECT_EQ(badLines, (std::vector<int>{8, 9, 11, 12, 13, 14}));
}

TEST(AdifReader, ReadsRecordsWithTheHostsNamesAndForms) {
  const LogContents log = Adif(
      "Exported log\n"
      "<ADIF_VER:5>3.1.0 <PROGCALL:4>XXXX\n"  // a field of the header, not of a QSO
      "<EOH>\n"
      "<call:6>dl1abc <QSO_DATE:8:D>20240210 <TIME_ON:6>000530 <FREQ:7>14.0805\n"
      "<MODE:4>RTTY <RST_SENT:3>599 <RST_RCVD:3>579 <STX:1>7 <SRX_STRING:4>12/M\n"
      "<STATION_CALLSIGN:4>QQ1A <EOR>\n"
      "<CALL:5>JA1XY <QSO_DATE:8>20240210 <TIME_ON:4>0010 <BAND:3>40M <FREQ:5>7.040\n"
      "<MODE:3>PSK <SUBMODE:5>PSK63 <STX_STRING:3>008 <STX:1>8 <SRX:2>31 <PFX:3>JA1\n"
      "<OPERATOR:4>QQ1B <NOTES:10>a <b> c:1< <EOR>\n"
      "<CALL:4>K1AB <QSO_DATE:8>20240210 <TIME_ON:4>0011 <MODE:2>CW <eor>\n");
  EXPECT_TRUE(log.problems.empty());
  ASSERT_EQ(log.qsos.size(), 3u);
  const LogQso& a = log.qsos[0];
  EXPECT_EQ(a.line, 4);
  EXPECT_EQ(a.call, "DL1ABC");
  EXPECT_EQ(FormatDateTimeText(a.time), "2024-02-10T00:05:30");
  EXPECT_EQ(a.frequencyHz, 14080500u);
  EXPECT_EQ(a.band, "20m");  // from the frequency: the record has no BAND
  EXPECT_EQ(a.mode, "RTTY");
  EXPECT_EQ(a.rstSent, "599");
  EXPECT_EQ(a.rstReceived, "579");
  EXPECT_EQ(a.numberSent, "7");
  EXPECT_EQ(a.numberReceived, "12/M");
  EXPECT_EQ(a.ownCall, "QQ1A");
  EXPECT_EQ(a.multiplierPrefix, "");

  const LogQso& b = log.qsos[1];
  EXPECT_EQ(b.line, 7);
  EXPECT_EQ(b.band, "40m");  // BAND wins, in the host's lower case
  EXPECT_EQ(b.mode, "BPSK63");
  EXPECT_EQ(b.numberSent, "008");  // STX_STRING before STX
  EXPECT_EQ(b.numberReceived, "31");
  EXPECT_EQ(b.multiplierPrefix, "JA1");
  EXPECT_EQ(b.ownCall, "QQ1B");  // OPERATOR when there is no STATION_CALLSIGN

  EXPECT_EQ(log.qsos[2].band, "");  // neither band nor frequency: the plug-in will judge it
  EXPECT_EQ(log.qsos[2].frequencyHz, 0u);
  EXPECT_EQ(log.qsos[2].mode, "CW");
}

TEST(AdifReader, BadRecordsAreReportedWithTheirLineAndSkipped) {
  const LogContents log = Adif(
      "<CALL:4>K1AB <QSO_DATE:8>20240230 <TIME_ON:4>0011 <EOR>\n"       // 1: no such date
      "<QSO_DATE:8>20240210 <TIME_ON:4>0011 <EOR>\n"                     // 2: no call
      "<CALL:4>K1AC <QSO_DATE:8>20240210 <TIME_ON:4>0012 <FREQ:4>14,1\n"  // 3: bad frequency
      "<EOR>\n"
      "<CALL:4>K1AD <QSO_DATE:8>20240210 <TIME_ON:2>00 <EOR>\n"          // 5: short time
      "<CALL:4>K1AE <QSO_DATE:8>20240210\n<TIME_ON:4>0013 <EOR>\n"       // 6: fine
      "<CALL:4>K1AF <QSO_DATE:8>20240210 <TIME_ON:4>0014\n");            // 8: no <EOR>
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].call, "K1AE");
  EXPECT_EQ(log.qsos[0].line, 6);
  EXPECT_EQ(log.qsoLines, 5);
  std::vector<int> badLines;
  for (const auto& problem : log.problems) badLines.push_back(problem.line);
  EXPECT_EQ(badLines, (std::vector<int>{1, 2, 3, 5, 8}));
}

}  // namespace
}  // namespace qvt::host
