#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include "form_fixture.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
    QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);

    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), total);
    // Newer locale data put a narrow no-break space before AM and PM.
    QCOMPARE(ui.get<QLabel>("LblCompletion")->text().replace(QChar(0x202F), ' '), completion);
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), done);
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
    ui.pickerTime()->setTime(QTime(14, 0));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("Completed\n(+ 50.00 %)"));
    ui.pickerTime()->setTime(QTime(11, 30));
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), QString("25.00 % (reached)"));
    QCOMPARE(ui.get<QLabel>("Lbl_Total")->text(), QString());
    QCOMPARE(ui.get<QLabel>("LblCompletion")->text(), QString());
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
    QTest::keyClick(ui.widget("TxtProg"), Qt::Key_Return);  // OK keeps it too
    QCOMPARE(done->text(), QString("100.00 %"));

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

QTEST_MAIN(FormEventsTest)
#include "form_events_test.moc"
