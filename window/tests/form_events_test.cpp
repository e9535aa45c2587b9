// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTranslator>
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

#include "form_fixture.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// The sentences the window hands to screen readers, in the events Qt's accessibility bridges
// present: an announcement, a text value (raised on Windows as a UI Automation notification), or
// a notification appearing (Linux, Qt 6.4), which says its label.
struct Spoken {
    static inline QStringList sentences;
    static void hear(QAccessibleEvent* event) {
        QAccessibleInterface* source = event->accessibleInterface();
        if (event->type() == QAccessible::ValueChanged) {
            const QVariant value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
            if (value.typeId() == QMetaType::QString) sentences << value.toString();
        } else if (event->type() == QAccessible::ObjectShow && source &&
                   source->role() == QAccessible::Notification) {
            sentences << (source->childCount() ? source->child(0)->text(QAccessible::Name) : "");
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        } else if (event->type() == QAccessible::Announcement) {
            sentences << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
        }
    }
    Spoken() {
        sentences.clear();
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Qt 6.4 calls the handler only while a screen reader has turned accessibility on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
#endif
        QAccessible::installUpdateHandler(hear);
    }
    ~Spoken() { QAccessible::installUpdateHandler(nullptr); }
};

class FormEventsTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesOkFromEveryControl_data();
    void enterPressesOkFromEveryControl();
    void escapeAndCancelCloseWithoutEstimating_data();
    void escapeAndCancelCloseWithoutEstimating();
    void okShowsTheEstimate_data();
    void okShowsTheEstimate();
    void okWithNothingElapsedShowsUndefinedAndKeepsFields();
    void pickerChangeRefreshesOnlyTheDoneAtResult();
    void clearingThePickerGreysTheResultAndKeepsIt();
    void spaceTogglesThePickerAndKeepsTheFocusInIt();
    void aCoreFailureEndsTheEventNotTheProgram();
    void theBorderOffersNoResizing();
    void resultsAreSpokenInTheWindowsLanguage();
    void uiAutomationRaisesTheSpokenResults();
};

void FormEventsTest::enterPressesOkFromEveryControl_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg", "CmdOK", "DTDoneTime"}) {
        QTest::newRow(name) << name;
    }
}

void FormEventsTest::enterPressesOkFromEveryControl() {
    QFETCH(QString, control);
    FormUnderTest ui;
    ui.typeOneHourAtHalf();
    QWidget* target = ui.form.findChild<QWidget*>(control);
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), QString("002:00:00"));
    QVERIFY(ui.form.isVisible());
}

void FormEventsTest::escapeAndCancelCloseWithoutEstimating_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Escape in a field") << "TxtProg" << int(Qt::Key_Escape);
    QTest::newRow("Escape in the picker") << "DTDoneTime" << int(Qt::Key_Escape);
    QTest::newRow("Enter on Cancel") << "CmdCancel" << int(Qt::Key_Return);
    QTest::newRow("Space on Cancel") << "CmdCancel" << int(Qt::Key_Space);
}

void FormEventsTest::escapeAndCancelCloseWithoutEstimating() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    FormUnderTest ui;
    ui.typeOneHourAtHalf();
    QSignalSpy rejected(&ui.form, &QDialog::rejected);
    ui.form.findChild<QWidget*>(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!ui.form.isVisible());
    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), QString());
}

void FormEventsTest::okShowsTheEstimate_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("completion");
    QTest::addColumn<QString>("done");

    // The clock stands at noon; the picker starts at the same second. The short date is the
    // system's own (Windows writes the year in full).
    const auto day = [](int ofJune) {
        return QLocale::system().toString(QDate(2026, 6, ofJune), QLocale::ShortFormat);
    };
    // clang-format off
    QTest::newRow("half hour at a quarter") << QStringList{"00", "30", "00", "25"} << "002:00:00" << day(10) + " 1:30:00 PM"  << "25.00 %";
    QTest::newRow("halves round to even")   << QStringList{"00", "00", "01", "08"} << "000:00:12" << day(10) + " 12:00:11 PM" << "08.00 %";
    QTest::newRow("completion at midnight") << QStringList{"12", "00", "00", "50"} << "024:00:00" << day(11)                  << "50.00 %";
    // clang-format on
}

void FormEventsTest::okShowsTheEstimate() {
    QFETCH(QStringList, fields);
    QFETCH(QString, total);
    QFETCH(QString, completion);
    QFETCH(QString, done);
    FormUnderTest ui;
    const char* names[] = {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"};
    for (int i = 0; i < 4; ++i) ui.type(names[i], fields[i]);
    Spoken spoken;
    QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);

    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), total);
    // Newer locale data put a narrow no-break space before AM and PM.
    QCOMPARE(ui.get<QLabel>("LblCompletion")->text().replace(QChar(0x202F), ' '), completion);
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), done);
    QCOMPARE(spoken.sentences.join('|').replace(QChar(0x202F), ' '),
             QString("Total time: %1. Completion: %2. Done at: %3.").arg(total, completion, done));
    for (const char* name : names) {
        QCOMPARE(ui.get<QLineEdit>(name)->selectionStart(), 0);
        QCOMPARE(ui.get<QLineEdit>(name)->selectedText().size(), 2);
    }
}

void FormEventsTest::okWithNothingElapsedShowsUndefinedAndKeepsFields() {
    FormUnderTest ui;
    ui.type("TxtProg", "5");
    auto* percent = ui.get<QLineEdit>("TxtProg");
    QTest::keyClick(percent, Qt::Key_Return);
    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), QString("[undefined]"));
    QCOMPARE(ui.get<QLabel>("LblCompletion")->text(), QString("[Undefined]"));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("[Undefined]"));
    QCOMPARE(percent->text(), QString("5"));  // Enter does not leave the field
    QVERIFY(!percent->hasSelectedText());
}

void FormEventsTest::pickerChangeRefreshesOnlyTheDoneAtResult() {
    FormUnderTest ui;
    ui.pickerTime()->setTime(QTime(13, 0));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("[undefined]"));

    ui.typeOneHourAtHalf();
    Spoken spoken;
    ui.pickerTime()->setTime(QTime(14, 0));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("Completed\n(+ 50.00 %)"));
    ui.pickerTime()->setTime(QTime(11, 30));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("25.00 % (reached)"));
    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), QString());
    QCOMPARE(ui.get<QLabel>("LblCompletion")->text(), QString());
    QCOMPARE(spoken.sentences,
             QStringList({"Done at: Completed (+ 50.00 %).", "Done at: 25.00 % (reached)."}));
}

void FormEventsTest::clearingThePickerGreysTheResultAndKeepsIt() {
    FormUnderTest ui;
    ui.typeOneHourAtHalf();
    ui.pickerTime()->setTime(QTime(13, 0));
    auto* done = ui.get<QLabel>("LblDone");
    QCOMPARE(done->text(), QString("100.00 %"));

    ui.pickerCheck()->setChecked(false);
    QVERIFY(!done->isEnabled());
    QCOMPARE(done->text(), QString("100.00 %"));
    Spoken spoken;
    // OK keeps it too, and says nothing of it.
    QTest::keyClick(ui.widget("TxtProg"), Qt::Key_Return);
    QCOMPARE(done->text(), QString("100.00 %"));
    QCOMPARE(spoken.sentences.size(), 1);
    QVERIFY(!spoken.sentences[0].contains("Done at"));

    ui.type("TxtProg", "25");
    ui.pickerCheck()->setChecked(true);
    QVERIFY(done->isEnabled());
    QCOMPARE(done->text(), QString("50.00 %"));
}

void FormEventsTest::spaceTogglesThePickerAndKeepsTheFocusInIt() {
    FormUnderTest ui;
    QWidget* picker = ui.widget("DTDoneTime");
    QSignalSpy changes(ui.get<DoneTimePicker>("DTDoneTime"), &DoneTimePicker::valueChanged);
    ui.widget("CmdOK")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(picker->isAncestorOf(QApplication::focusWidget()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!ui.pickerCheck()->isChecked());
    QVERIFY(!ui.pickerTime()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), ui.pickerCheck());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.widget("CmdCancel"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui.pickerCheck());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ui.pickerCheck()->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui.pickerTime());
    QCOMPARE(changes.count(), 2);
    ui.pickerTime()->setTime(QTime(13, 0));
    QCOMPARE(changes.count(), 3);
    // Typed with its colons, a time stays in the picker, section by section, whether a section
    // was full (and the edit moved on by itself) or not.
    for (const auto& [typed, time] :
         {std::pair{"14:30:05", QTime(14, 30, 5)}, {"1:30:05", QTime(1, 30, 5)}}) {
        ui.pickerTime()->setSelectedSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(ui.pickerTime(), QString::fromLatin1(typed));
        QCOMPARE(QApplication::focusWidget(), ui.pickerTime());
        QCOMPARE(ui.pickerTime()->time(), time);
    }
}

void FormEventsTest::aCoreFailureEndsTheEventNotTheProgram() {
    // Ten seconds before 1970 in UTC, and a done-at time on the last second of 1969: the moment
    // whose number, -1, the C library also uses to report failure.
    FormUnderTest ui(QDateTime(QDate(1969, 12, 31), QTime(23, 59, 50), QTimeZone::utc()));
    ui.type("Txtssin", "10");
    ui.type("TxtProg", "50");
    ui.pickerTime()->setTime(QTime(0, 59, 59));  // 23:59:59 UTC in Berlin
    auto* done = ui.get<QLabel>("LblDone");
    auto* total = ui.get<QLabel>("Lbl_Total");
    QCOMPARE(done->text(), QString("95.00 %"));

    ui.clockFails = true;
    QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);
    ui.pickerTime()->setTime(QTime(0, 59, 58));
    QVERIFY(ui.form.isVisible());
    QCOMPARE(total->text(), QString());
    QCOMPARE(done->text(), QString("95.00 %"));

    ui.clockFails = false;
    QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);
    QCOMPARE(total->text(), QString("000:00:20"));
    QCOMPARE(done->text(), QString("90.00 %"));
}

void FormEventsTest::theBorderOffersNoResizing() {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != "windows") QSKIP("needs QT_QPA_PLATFORM=windows");
    FormUnderTest ui;
    QWidget other;  // in front: Qt answers for the window in front itself
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    const auto window = reinterpret_cast<HWND>(ui.form.winId());
    RECT r;
    QVERIFY(GetWindowRect(window, &r));
    // The outer frame's corners and the middles of its edges: the title bar at the top, else a
    // plain border.
    const LONG midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    for (const LONG x : {r.left, midX, r.right - 1}) {
        for (const LONG y : {r.top, midY, r.bottom - 1}) {
            const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            QCOMPARE(hit, LRESULT(y == r.top               ? HTCAPTION
                                  : x == midX && y == midY ? HTCLIENT
                                                           : HTBORDER));
        }
    }
#else
    QSKIP("Windows only");
#endif
}

void FormEventsTest::resultsAreSpokenInTheWindowsLanguage() {
    QTranslator german;
    QVERIFY(german.load("tavrotime_de", ":/i18n"));
    QCoreApplication::installTranslator(&german);  // until it goes out of scope
    FormUnderTest ui(FormUnderTest::kNoon, QLocale(QLocale::German, QLocale::Germany));
    ui.typeOneHourAtHalf();
    Spoken spoken;
    ui.pickerTime()->setTime(QTime(14, 0));
    QCOMPARE(spoken.sentences, QStringList("Stand um: Fertig (+ 50,00\u00a0%)."));
}

// Run alone on the windows platform, with Wine's trace of UI Automation, which its CTest entry
// reads for the notification.
void FormEventsTest::uiAutomationRaisesTheSpokenResults() {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != "windows")
        QSKIP("UI Automation needs the windows platform");
    if (!GetProcAddress(LoadLibraryW(L"uiautomationcore.dll"), "UiaRaiseNotificationEvent")) {
        QSKIP(
            "This uiautomationcore.dll (Wine 8's) has no UiaRaiseNotificationEvent, and its "
            "UiaClientsAreListening, a stub, says no client listens: Qt raises nothing");
    }
    FormUnderTest ui;
    // What a UI Automation client asks a window first (UiaRootObjectId): Qt's bridge starts.
    SendMessageW(reinterpret_cast<HWND>(ui.form.winId()), WM_GETOBJECT, 0, LPARAM(-25));
    ui.typeOneHourAtHalf();
    QTest::keyClick(ui.widget("TxtProg"), Qt::Key_Return);
#else
    QSKIP("UI Automation is Windows' accessibility interface");
#endif
}

QTEST_MAIN(FormEventsTest)
#include "form_events_test.moc"
