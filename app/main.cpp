#include <chrono>

#include <QApplication>

#include "form_tavro.h"
#include "wayland_bell.h"

int main(int argc, char** argv) {
    PreferXWaylandForTheBell();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TavroTime"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationName(QStringLiteral("TavroStat"));
    // Lets the desktop match the window with the installed entry and its scalable icon.
    QApplication::setDesktopFileName(QStringLiteral("com.tavrostat.TavroTime"));

    FormTavro form(&std::chrono::system_clock::now, QLocale::system(), &QApplication::beep);
    form.show();
    return app.exec();
}
