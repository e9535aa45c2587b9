// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include <QApplication>

#include "form_tavro.h"
#include "platform.h"
#include "product.h"
#include "translators.h"

int StartUp(int& argc, char** argv, estimate::Clock clock,
            const std::function<int(FormTavro&)>& run) {
    ApplyPlatformChoices();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    QApplication::setApplicationVersion(QString::fromUtf8(kProgramVersion));
    QApplication::setOrganizationName(QString::fromUtf8(kOrganization));
    // Lets the desktop match the window with the installed entry and its scalable icon.
    QApplication::setDesktopFileName(QString::fromUtf8(kApplicationId));
    InstallTranslators(QLocale::system().uiLanguages());

    FormTavro form(std::move(clock), QLocale::system(), &QApplication::beep);
    form.show();
    return run(form);
}
