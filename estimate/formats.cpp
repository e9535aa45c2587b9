#include "estimate/formats.h"

namespace estimate {

std::string DateText(Instant instant, const Formats& formats) {
    const LocalDateTime local = ToLocal(instant);
    const bool midnight = local.hour == 0 && local.minute == 0 && local.second == 0;
    return midnight ? formats.date(local) : formats.dateTime(local);
}

}  // namespace estimate
