#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// Every test sees the same zone, whatever the machine's, and a zone with summer time so that
// the daylight-saving cases meet real transitions.
int main(int argc, char** argv) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
