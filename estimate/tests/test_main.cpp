// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// Every test sees the same zone, whatever the machine's, and a zone with summer time so that
// the daylight-saving cases meet real transitions. The Windows C runtime reads no Area/City zone:
// there the tests take the system's zone, which the runner sets to Europe/Berlin.
int main(int argc, char** argv) {
#ifdef _WIN32
    _putenv_s("TZ", "");
    _tzset();
#else
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
