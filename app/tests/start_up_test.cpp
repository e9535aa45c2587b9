// The program's start-up as the program runs it. The window speaks the user's language and writes
// figures in the user's formats, and the two follow different settings: LANGUAGE (or
// LC_MESSAGES) for the words, LC_ALL or LANG for the formats. CTest runs each language row in
// the environment its name describes.
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "form_fixture.h"
#include "start_up.h"
#include "wayland_bell.h"

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
    QTest::addColumn<QString>("undo");  // the first entry of a field's context menu, from Qt

    const QString german = QStringLiteral("Fertig\n(+ 50,00\u00a0%)");
    QTest::newRow("German desktop") << "Verstrichene Zeit" << german << "&Rückgängig";
    QTest::newRow("German, then French") << "Verstrichene Zeit" << german << "&Rückgängig";
    QTest::newRow("English words, German formats") << "Elapsed time"
                                                   << "Completed\n(+ 50,00 %)"
                                                   << "&Undo";
}

void StartUpTest::wordsFollowTheLanguageAndFiguresTheLocale() {
    QFETCH(QString, frame);
    QFETCH(QString, done);
    QFETCH(QString, undo);
    ui_.typeOneHourAtHalf();
    ui_.pickerTime()->setTime(QTime(14, 0));

    QCOMPARE(ui_.get<QGroupBox>("Frame1")->title(), frame);
    QCOMPARE(ui_.get<QLabel>("LblDone")->text(), done);
    const std::unique_ptr<QMenu> menu(ui_.get<QLineEdit>("TxthhIN")->createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text().section(u'\t', 0, 0), undo);
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
    const QByteArrayList values = session + QByteArrayList{platform};
    for (int i = 0; i < 4; ++i) {
        values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i]);
    }
    PreferXWaylandForTheBell();
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
}

int main(int argc, char** argv) {
    return StartUp(argc, argv, FixedClock(FormUnderTest::kNoon), [&](FormTavro& form) {
        StartUpTest test(form);
        return QTest::qExec(&test, argc, argv);
    });
}

#include "start_up_test.moc"
