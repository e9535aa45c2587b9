// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary texts, clock instants and done-at times through every public function of the
// estimation core. OverflowError is the one failure these functions may report.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <optional>
#include <string>

#include "estimate/done_at.h"
#include "estimate/estimate.h"

namespace {

using namespace estimate;

std::string ShortText(const LocalDateTime& t) {
    return std::to_string(t.year) + "/" + std::to_string(t.month) + "/" + std::to_string(t.day);
}

template <typename Call>
void Run(Call&& call) {
    try {
        call();
    } catch (const OverflowError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto nanoseconds = std::chrono::nanoseconds{data.ConsumeIntegral<std::int64_t>()};
    const Clock clock = [nanoseconds] {
        return std::chrono::system_clock::time_point(nanoseconds);
    };
    Phrases phrases;
    for (std::string* phrase : {&phrases.undefined, &phrases.undefinedMoment, &phrases.percent,
                                &phrases.reached, &phrases.completed, &phrases.overshoot}) {
        *phrase = data.ConsumeRandomLengthString(12);
    }
    const Formats formats{
        .decimalSeparator = data.ConsumeRandomLengthString(8),
        .dateTime = [](const LocalDateTime& t) { return ShortText(t) + " time"; },
        .date = ShortText,
        .phrases = phrases,
    };
    const FieldTexts fields{data.ConsumeRandomLengthString(24), data.ConsumeRandomLengthString(24),
                            data.ConsumeRandomLengthString(24), data.ConsumeRandomLengthString(24)};
    std::optional<Instant> doneAt;
    if (data.ConsumeBool()) doneAt = Instant{std::chrono::seconds{data.ConsumeIntegral<int>()}};
    const double real = data.ConsumeFloatingPoint<double>();
    const auto elapsed = data.ConsumeIntegral<std::int32_t>();

    Run([&] { LeadingNumber(fields.hours); });
    Run([&] { RoundToLong(real); });
    Run([&] { FloorReal(real); });
    for (const auto pattern :
         {DigitPattern::TwoDigits, DigitPattern::ThreeDigits, DigitPattern::TwoDecimals}) {
        Run([&] { FormatDigits(real, pattern, formats.decimalSeparator); });
    }
    Run([&] { FormatDigits(fields.minutes); });
    Run([&] { DateText(Now(clock) + std::chrono::seconds{elapsed}, formats); });
    Fill(phrases.reached, fields.seconds);
    Run([&] { ComputeElapsedSeconds(fields.hours, fields.minutes, fields.seconds); });
    Run([&] { UpdateDoneAt(fields.percent, elapsed, doneAt, clock, formats); });
    Run([&] { ComputeEstimate(fields, doneAt, clock, formats); });
    return 0;
}
