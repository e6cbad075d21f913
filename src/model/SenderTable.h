#pragma once

#include "PageTable.h"

#include <vector>

// Transmitter settings page: register 51 positions 0 to 2, register 55 positions 0 and 1.
namespace SenderTable {

// "Sendezeitbegrenzung in s:": seconds as three decimal digits, "000" = no limit.
inline const std::vector<RegisterSpot> kSendezeit = {{51, 0}, {51, 1}, {51, 2}};
// "Sendervorlaufzeit in ms:": two decimal digits in units of 10 ms; the page shows the
// milliseconds, so a third digit "0" that is never stored.
inline const std::vector<RegisterSpot> kVorlaufzeit = {{55, 0}, {55, 1}};

}  // namespace SenderTable
