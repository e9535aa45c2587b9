// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock.h"
#include "conversions.h"
#include "formats.h"

namespace estimate {

// The percentage the job will have reached at the done-at moment, at its average rate so far, in
// the words of formats.phrases; in English: "57.32 %", "25.00 % (reached)" when the moment has
// passed, "00.00 %" below zero, or "Completed" and "(+ 12.50 %)" on a second line above 100.
// "[undefined]" without elapsed time.
// Returns nothing when the label keeps its text: no done-at moment, but time has elapsed.
// The seconds ahead are real seconds between two moments, so a daylight-saving change between
// now and then counts with its true length.
// Throws OverflowError only for percentage texts that the window's fields cannot hold.
std::optional<std::string> UpdateDoneAt(std::string_view percentText, std::int32_t elapsedSeconds,
                                        const std::optional<Instant>& doneAt, const Clock& clock,
                                        const Formats& formats);

}  // namespace estimate
