// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "estimate/clock.h"

class FormTavro;

// The program's start, in the order it must happen: the display platform is chosen before the
// application exists, and the user's catalogues are installed before the window is made, so that
// every text the window makes is in the user's language. Then the window is shown and handed to
// run, which in the program is the event loop; its result is the program's exit code.
int StartUp(int& argc, char** argv, estimate::Clock clock,
            const std::function<int(FormTavro&)>& run);
