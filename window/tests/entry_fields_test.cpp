// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
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
    void aContextMenuOrAnotherWindowDoesNotLeaveTheField();
    void aClickIntoAFieldSelectsItForTheNextDigit_data();
    void aClickIntoAFieldSelectsItForTheNextDigit();
    void onlyTheFocusedFieldLooksActive();
    void barFollowsThePercentageAsTyped();
};

namespace {

// What a field's image shows: the active selection colour, and a caret, a line in the text colour
// taller than any digit.
struct Look {
    bool activeSelection = false;
    bool caret = false;
};

Look LookOf(QLineEdit* field) {
    const QImage image = field->grab().toImage();
    const QRgb highlight = QApplication::palette().color(QPalette::Highlight).rgb();
    const QRgb text = QApplication::palette().color(QPalette::Text).rgb();
    Look look;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            look.activeSelection |= pixel == highlight;
            run = pixel == text ? run + 1 : 0;
            look.caret |= run > field->fontMetrics().ascent() * image.devicePixelRatio();
        }
    }
    return look;
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

void EntryFieldsTest::keyFilterRefusesAllButDigits_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("sent");  // the character a real keyboard sends with the key
    QTest::addColumn<QString>("text");  // what the field holds after "00" is replaced by "4"
    QTest::addColumn<int>("beeps");

    // clang-format off
    QTest::newRow("digit replaces the selection") << int(Qt::Key_7)         << 0                        << "7"    << "47" << 0;
    QTest::newRow("letter")                       << int(Qt::Key_A)         << 0                        << "a"    << "4"  << 1;
    QTest::newRow("decimal point")                << int(Qt::Key_Period)    << 0                        << "."    << "4"  << 1;
    QTest::newRow("space")                        << int(Qt::Key_Space)     << 0                        << " "    << "4"  << 1;
    QTest::newRow("minus")                        << int(Qt::Key_Minus)     << 0                        << "-"    << "4"  << 1;
    QTest::newRow("Ctrl+C")                       << int(Qt::Key_C)         << int(Qt::ControlModifier) << "\x03" << "4"  << 1;
    QTest::newRow("Ctrl+V")                       << int(Qt::Key_V)         << int(Qt::ControlModifier) << "\x16" << "4"  << 1;
    QTest::newRow("Ctrl+X")                       << int(Qt::Key_X)         << int(Qt::ControlModifier) << "\x18" << "4"  << 1;
    QTest::newRow("Ctrl+8 sends DEL")             << int(Qt::Key_8)         << int(Qt::ControlModifier) << "\x7f" << "4"  << 1;
    QTest::newRow("Backspace deletes")            << int(Qt::Key_Backspace) << 0                        << "\b"   << ""   << 0;
    QTest::newRow("Delete passes")                << int(Qt::Key_Delete)    << 0                        << "\x7f" << "4"  << 0;
    QTest::newRow("keypad Enter presses OK")      << int(Qt::Key_Enter)     << int(Qt::KeypadModifier)  << "\r"   << "4"  << 0;
    QTest::newRow("Left moves")                   << int(Qt::Key_Left)      << 0                        << ""     << "4"  << 0;
    // clang-format on
}

void EntryFieldsTest::keyFilterRefusesAllButDigits() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, sent);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FormUnderTest ui;
    QApplication::clipboard()->setText("12");
    for (const char* name : {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"}) {
        ui.beeps = 0;
        ui.type(name, "4");
        QTest::sendKeyEvent(QTest::Click, ui.widget(name), Qt::Key(key), sent,
                            Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ui.get<QLineEdit>(name)->text(), text);
        QCOMPARE(ui.beeps, beeps);
    }
}

void EntryFieldsTest::otherRoutesRefuseAllButDigits_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("before");  // the field's text, the cursor at its end
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");

    struct Row {
        const char* name;
        const char* before;
        const char* incoming;
        const char* text;
        int beeps;
    };
    const Row rows[] = {
        {"digits", "", "42", "42", 0},
        {"too many digits", "", "123", "12", 1},
        {"digit into a full field", "42", "5", "42", 1},
        {"digit and letter", "", "4a", "", 1},
        {"decimal", "", "1.5", "", 1},
        {"non-ASCII digits", "", "\u0664\u0665", "", 1},
        {"line break", "", "1\n2", "", 1},
    };
    for (const char* route : {"paste", "Shift+Insert", "drop", "input method", "assistive tool"}) {
        for (const Row& row : rows) {
            QTest::newRow(qPrintable(QString("%1 %2").arg(route, row.name)))
                << QString(route) << QString(row.before) << QString::fromUtf8(row.incoming)
                << QString(row.text) << row.beeps;
        }
    }
}

void EntryFieldsTest::otherRoutesRefuseAllButDigits() {
    QFETCH(QString, route);
    QFETCH(QString, before);
    QFETCH(QString, incoming);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>("TxtProg");
    ui.type("TxtProg", QString());
    QTest::keyClick(field, Qt::Key_Backspace);
    ui.type("TxtProg", before);

    QApplication::clipboard()->setText(incoming);
    if (route == "paste") {
        field->paste();  // what the context menu does
    } else if (route == "Shift+Insert") {
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (route == "drop") {
        // The source may delete the text only if the field took all of it.
        const Qt::DropAction expected = text == before              ? Qt::IgnoreAction
                                        : text == before + incoming ? Qt::MoveAction
                                                                    : Qt::CopyAction;
        QCOMPARE(DropText(field, incoming), expected);
    } else if (route == "input method") {
        CommitText(field, incoming);
    } else {
        QAccessible::queryAccessibleInterface(field)->editableTextInterface()->insertText(
            before.size(), incoming);
    }
    QCOMPARE(field->text(), text);
    QCOMPARE(ui.beeps, beeps);
    QCOMPARE(ui.get<QProgressBar>("Progress")->value(), text.toInt());
}

void EntryFieldsTest::leavingAFieldPadsItAndSelectsIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    // clang-format off
    QTest::newRow("empty becomes 00")       << ""   << "00";
    QTest::newRow("single digit is padded") << "5"  << "05";
    QTest::newRow("two digits stay")        << "42" << "42";
    QTest::newRow("zero is padded")         << "0"  << "00";
    // clang-format on
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

void EntryFieldsTest::aContextMenuOrAnotherWindowDoesNotLeaveTheField() {
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>("Txtssin");
    ui.type("Txtssin", "7");
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(field, &away);
        QCOMPARE(field->text(), QString("7"));
    }
}

void EntryFieldsTest::aClickIntoAFieldSelectsItForTheNextDigit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    // clang-format off
    QTest::newRow("the click that enters selects")                           << "Txtmmin" << 1 << int(Qt::LeftButton) << "3"  << 0;
    QTest::newRow("a second click places the caret; full, so 3 beeps")       << "Txtmmin" << 2 << int(Qt::LeftButton) << "00" << 1;
    QTest::newRow("the first click into the field focused at start selects") << "TxthhIN" << 1 << int(Qt::LeftButton) << "3"  << 0;
    QTest::newRow("a side button enters without selecting")                  << "Txtmmin" << 1 << int(Qt::BackButton) << "00" << 1;
    // clang-format on
}

void EntryFieldsTest::aClickIntoAFieldSelectsItForTheNextDigit() {
    QFETCH(QString, name);
    QFETCH(int, clicks);
    QFETCH(int, button);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    FormUnderTest ui;
    auto* field = ui.get<QLineEdit>(qPrintable(name));
    field->deselect();
    for (int i = 0; i < clicks; ++i) QTest::mouseClick(field, Qt::MouseButton(button));
    QCOMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_3);
    QCOMPARE(field->text(), text);
    QCOMPARE(ui.beeps, beeps);
}

void EntryFieldsTest::onlyTheFocusedFieldLooksActive() {
    FormUnderTest ui;
    ui.type("TxthhIN", "5");
    QTest::keyClick(ui.widget("TxthhIN"), Qt::Key_Tab);
    for (int step = 0; step < 2; ++step) {
        for (const char* name : {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"}) {
            auto* field = ui.get<QLineEdit>(name);
            QCOMPARE(field->selectedText().size(), 2);
            const Look look = LookOf(field);
            QCOMPARE(look.activeSelection, field->hasFocus());
            if (!field->hasFocus()) QVERIFY2(!look.caret, name);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // OK selects all four
    }
}

void EntryFieldsTest::barFollowsThePercentageAsTyped() {
    FormUnderTest ui;
    auto* bar = ui.get<QProgressBar>("Progress");
    auto* percent = ui.get<QLineEdit>("TxtProg");
    ui.type("TxtProg", "4");
    QCOMPARE(bar->value(), 4);  // before the field is left
    // Qt's bar leaves a change smaller than one of its chunks unpainted unless told: 4 -> 0
    // would leave the chunk standing.
    PaintCounter painted;
    bar->installEventFilter(&painted);
    QCoreApplication::processEvents();
    painted.count = 0;
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCoreApplication::processEvents();
    QVERIFY(painted.count > 0);
    ui.type("TxtProg", "4");
    QTest::keyClick(percent, Qt::Key_Tab);
    QCOMPARE(percent->text(), QString("04"));
    QCOMPARE(bar->value(), 4);

    ui.type("TxtProg", "99");
    QCOMPARE(bar->value(), 99);
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCOMPARE(bar->value(), 9);
    QTest::keyClick(percent, Qt::Key_Backspace);
    QCOMPARE(bar->value(), 0);

    ui.type("Txtmmin", "55");  // other fields leave the bar alone
    QCOMPARE(bar->value(), 0);

    // Key rollover: 7 is released only after Tab has moved the focus on.
    ui.type("TxtProg", QString());
    QTest::keyPress(percent, Qt::Key_7);
    QTest::keyPress(percent, Qt::Key_Tab);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_7);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(percent->text(), QString("07"));
    QCOMPARE(bar->value(), 7);
}

QTEST_MAIN(EntryFieldsTest)
#include "entry_fields_test.moc"
