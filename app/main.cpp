// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <chrono>

#include <QApplication>

#include "start_up.h"

int main(int argc, char** argv) {
    return StartUp(
        argc, argv, [] { return std::chrono::system_clock::now(); },
        [](FormTavro&) { return QApplication::exec(); });
}
