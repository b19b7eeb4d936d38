// How the host names bands and modes: band names in lower case ("20m") from the amateur band
// edges, and the mode names the host reports for the modes this contest knows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::host {

// The band holding a frequency in kHz (edges included), or "" outside every amateur band.
std::string BandOfKilohertz(double kilohertz);

// A band name as a log writes it ("20M", "20m") in the host's form ("20m").
std::string NormalizeBandName(std::string_view band);

// The host's mode name from a log's mode and submode: RTTY stays "RTTY"; PSK63 and BPSK63
// (as mode or as submode) become "BPSK63"; anything else passes as the submode, or the mode
// when there is no submode, unchanged (the plug-in rejects it).
std::string HostModeName(std::string_view mode, std::string_view submode = {});

// A Cabrillo mode column in the host's form: "RY" -> "RTTY", "PM" -> "BPSK63"; other codes
// pass unchanged.
std::string HostModeOfCabrilloCode(std::string_view code);

// A decimal number ("14080", "14.0805") multiplied by 10^scale, the rest of the fraction
// dropped; nothing when the text is not a plain non-negative decimal or the value does not fit
// in 32 bits.
std::optional<std::uint32_t> ScaledDecimal(std::string_view text, int scale);

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

}  // namespace qvt::host
