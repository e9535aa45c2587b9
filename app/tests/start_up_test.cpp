// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as the program runs it. The window speaks the user's language and writes
// figures in the user's formats, and the two follow different settings: LANGUAGE (or
// LC_MESSAGES) for the words, LC_ALL or LANG for the formats. CTest runs each language row in
// the environment its name describes.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>

#include "form_fixture.h"
#include "platform.h"
#include "start_up.h"

class StartUpTest : public QObject {
    Q_OBJECT

public:
    explicit StartUpTest(FormTavro& form) : ui_{form} {}

private slots:
    void wordsFollowTheLanguageAndFiguresTheLocale_data();
    void wordsFollowTheLanguageAndFiguresTheLocale();
    void waylandSessionsOpenThroughXWayland_data();
    void waylandSessionsOpenThroughXWayland();

private:
    FormDriver ui_;
};

void StartUpTest::wordsFollowTheLanguageAndFiguresTheLocale_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("done");
    // The first entry of a field's context menu, from Qt, without the shortcut the field refuses.
    QTest::addColumn<QString>("undo");

    const QString german = QStringLiteral("Fertig\n(+ 50,00\u00a0%)");
    // clang-format off
    QTest::newRow("German desktop")                   << "Verstrichene Zeit"    << german                           << "&Rückgängig";
    QTest::newRow("German, then French")              << "Verstrichene Zeit"    << german                           << "&Rückgängig";
    QTest::newRow("English words, German formats")    << "Elapsed time"         << "Completed\n(+ 50,00 %)"         << "&Undo";
    QTest::newRow("Simplified Chinese outside China") << QStringLiteral("已用时间") << QStringLiteral("已完成\n（+50,00%）") << QStringLiteral("撤消(&U)");
    // clang-format on
}

void StartUpTest::wordsFollowTheLanguageAndFiguresTheLocale() {
    QFETCH(QString, frame);
    QFETCH(QString, done);
    QFETCH(QString, undo);
    ui_.typeOneHourAtHalf();
    ui_.pickerTime()->setTime(QTime(14, 0));

    QCOMPARE(ui_.get<QGroupBox>("Frame1")->title(), frame);
    QCOMPARE(ui_.get<QLabel>("LblDone")->text(), done);
    QWidget* field = ui_.widget("TxthhIN");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text(), undo);
    menu->close();
}

void StartUpTest::waylandSessionsOpenThroughXWayland_data() {
    QTest::addColumn<QByteArrayList>("session");  // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY
    QTest::addColumn<QByteArray>("platform");     // QT_QPA_PLATFORM, before and after
    QTest::addColumn<QByteArray>("chosen");
    // clang-format off
    QTest::newRow("Wayland display alone")      << QByteArrayList{"wayland-0", "", ":0"}        << QByteArray()          << QByteArray("xcb;wayland");
    QTest::newRow("Wayland session type alone") << QByteArrayList{"", "wayland", ":0"}          << QByteArray()          << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without X")          << QByteArrayList{"wayland-0", "wayland", ""}   << QByteArray()          << QByteArray();
    QTest::newRow("the user's own platform")    << QByteArrayList{"wayland-0", "wayland", ":0"} << QByteArray("wayland") << QByteArray("wayland");
    // clang-format on
}

void StartUpTest::waylandSessionsOpenThroughXWayland() {
    QFETCH(QByteArrayList, session);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, chosen);
    const char* names[] = {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM"};
    QByteArrayList before;  // the process's own, null where unset, put back however the test ends
    for (const char* name : names) before << qgetenv(name);
    const auto restore = qScopeGuard([&] {
        for (int i = 0; i < 4; ++i)
            before[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], before[i]);
    });
    const QByteArrayList values = session + QByteArrayList{platform};
    for (int i = 0; i < 4; ++i) {
        values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i]);
    }
    ApplyPlatformChoices();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
}

int main(int argc, char** argv) {
    return StartUp(argc, argv, FixedClock(FormUnderTest::kNoon), [&](FormTavro& form) {
        StartUpTest test(form);
        return QTest::qExec(&test, argc, argv);
    });
}

#include "start_up_test.moc"
