// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "estimate/conversions.h"

// The core fails with OverflowError only for figures the window's fields cannot produce. Should
// one arise all the same, it ends the event that met it, as any failure of a single event
// should: what was already shown stays, and the window goes on working. Escaping into Qt's event
// loop, it would end the program.
template <typename Handler>
void EndEventOnCoreFailure(Handler&& handler) {
    try {
        handler();
    } catch (const estimate::OverflowError&) {
    }
}
