#include <QClipboard>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include "form_fixture.h"

class EntryFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void keyFilterRefusesAllButDigits_data();
    void keyFilterRefusesAllButDigits();
    void otherRoutesRefuseAllButDigits_data();
    void otherRoutesRefuseAllButDigits();
    void leavingAFieldPadsItAndSelectsIt_data();
    void leavingAFieldPadsItAndSelectsIt();
    void aContextMenuDoesNotLeaveTheField();
    void barFollowsThePercentageAsTyped();
};

void EntryFieldsTest::keyFilterRefusesAllButDigits_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");  // what the field holds after "00" is replaced by "4"
    QTest::addColumn<int>("beeps");

    QTest::newRow("digit replaces the selection") << int(Qt::Key_7) << 0 << "47" << 0;
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "4" << 1;
    QTest::newRow("decimal point") << int(Qt::Key_Period) << 0 << "4" << 1;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << "4" << 1;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "4" << 1;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "4" << 1;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "4" << 1;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "4" << 1;
    QTest::newRow("Backspace deletes") << int(Qt::Key_Backspace) << 0 << "" << 0;
    QTest::newRow("Left moves") << int(Qt::Key_Left) << 0 << "4" << 0;
}

void EntryFieldsTest::keyFilterRefusesAllButDigits() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FormUnderTest ui;
    QApplication::clipboard()->setText("12");
    for (const char* name : {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"}) {
        ui.beeps = 0;
        ui.type(name, "4");
        QTest::keyClick(ui.widget(name), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ui.get<QLineEdit>(name)->text(), text);
        QCOMPARE(ui.beeps, beeps);
    }
}

void EntryFieldsTest::otherRoutesRefuseAllButDigits_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("text");  // what the field holds after "00" is emptied
    QTest::addColumn<int>("beeps");

    for (const char* route : {"paste", "drop", "input method"}) {
        const QString r = QString::fromLatin1(route);
        QTest::newRow(qPrintable(r + " digits")) << r << "42"
                                                 << "42" << 0;
        QTest::newRow(qPrintable(r + " too many digits")) << r << "12345"
                                                          << "12" << 0;
        QTest::newRow(qPrintable(r + " digit and letter")) << r << "4a"
                                                           << "" << 1;
        QTest::newRow(qPrintable(r + " decimal")) << r << "1.5"
                                                  << "" << 1;
        QTest::newRow(qPrintable(r + " non-ASCII digits")) << r << "\u0664\u0665"
                                                           << "" << 1;
        QTest::newRow(qPrintable(r + " line break")) << r << "1\n2"
                                                     << "" << 1;
    }
}

void EntryFieldsTest::otherRoutesRefuseAllButDigits() {
    QFETCH(QString, route);
    QFETCH(QString, incoming);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>("Txtmmin");
    ui.type("Txtmmin", QString());
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString());

    if (route == "paste") {
        QApplication::clipboard()->setText(incoming);
        field->paste();  // what the context menu and Shift+Insert do
    } else if (route == "drop") {
        DropText(field, incoming);
    } else {
        CommitText(field, incoming);
    }
    QCOMPARE(field->text(), text);
    QCOMPARE(ui.beeps, beeps);
}

void EntryFieldsTest::leavingAFieldPadsItAndSelectsIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("empty becomes 00") << ""
                                      << "00";
    QTest::newRow("single digit is padded") << "5"
                                            << "05";
    QTest::newRow("two digits stay") << "42"
                                     << "42";
    QTest::newRow("zero is padded") << "0"
                                    << "00";
}

void EntryFieldsTest::leavingAFieldPadsItAndSelectsIt() {
    QFETCH(QString, typed);
    QFETCH(QString, left);
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>("Txtmmin");
    ui.type("Txtmmin", typed);
    if (typed.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->text(), left);
    QCOMPARE(field->selectionStart(), 0);
    QCOMPARE(field->selectedText(), left);
}

void EntryFieldsTest::aContextMenuDoesNotLeaveTheField() {
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>("Txtssin");
    ui.type("Txtssin", "7");
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &popup);
    QCOMPARE(field->text(), QString("7"));
}

void EntryFieldsTest::barFollowsThePercentageAsTyped() {
    FormUnderTest ui;
    auto* bar = ui.get<QProgressBar>("Progress");
    auto* percent = ui.get<QLineEdit>("TxtProg");
    ui.type("TxtProg", "7");
    QCOMPARE(bar->value(), 7);  // before the field is left
    QTest::keyClick(percent, Qt::Key_Tab);
    QCOMPARE(percent->text(), QString("07"));
    QCOMPARE(bar->value(), 7);

    ui.type("TxtProg", "99");
    QCOMPARE(bar->value(), 99);
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCOMPARE(bar->value(), 9);
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCOMPARE(bar->value(), 0);

    ui.type("Txtmmin", "55");  // other fields leave the bar alone
    QCOMPARE(bar->value(), 0);
}

QTEST_MAIN(EntryFieldsTest)
#include "entry_fields_test.moc"
