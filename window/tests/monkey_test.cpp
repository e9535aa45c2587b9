// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded stream of random user input against the window. After every event, each field
// holds zero to two ASCII digits, each result label holds a text the program can produce, and
// the bar shows the percentage field's number. Set MONKEY_SEED to replay a run, MONKEY_EVENTS to
// change its length.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include "form_fixture.h"

namespace {

const char* const kFields[] = {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"};

// Every text each result label can show, in the en_US locale the tests run in (whose year
// Windows writes in full).
const QList<QPair<const char*, QRegularExpression>> kResultPatterns{
    {"Lbl_Total", QRegularExpression(R"(^(|\[undefined\]|\d{3,}:\d{2}:\d{2})$)")},
    {"LblCompletion",
     QRegularExpression(
         R"(^(|\[Undefined\]|\d{1,2}/\d{1,2}/\d{2}(\d{2})?( \d{1,2}:\d{2}:\d{2}[ \x{202F}][AP]M)?)$)")},
    {"LblDone",
     QRegularExpression(R"(^(|\[undefined\]|\[Undefined\]|\d{2,}\.\d{2} %( \(reached\))?)"
                        R"(|Completed\n\(\+ \d{2,}\.\d{2} %\))$)")},
};
const QRegularExpression kFieldPattern(R"(^[0-9]{0,2}$)");

class Monkey {
public:
    Monkey(FormUnderTest& ui, quint32 seed) : ui_(ui), random_(seed) {}

    // One random user action; returns what it did, for the failure message.
    QString act() {
        switch (random_.bounded(15)) {
            case 0:
            case 1:
            case 2:
                return key(Qt::Key(Qt::Key_0 + random_.bounded(10)));
            case 3:
                return key(pick({Qt::Key_A, Qt::Key_Z, Qt::Key_Period, Qt::Key_Comma, Qt::Key_Minus,
                                 Qt::Key_Space, Qt::Key_Plus, Qt::Key_Slash}));
            case 4:
                return key(pick({Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home}));
            case 5:
                return key(pick({Qt::Key_Tab, Qt::Key_Backtab}));
            case 6:
                return key(Qt::Key_Return);
            case 7:
                return key(pick({Qt::Key_C, Qt::Key_V, Qt::Key_X}), Qt::ControlModifier);
            case 8:
                return paste();
            case 9:
                return drop();
            case 10:
                return commit();
            case 11:
                return changeTime();
            case 12:
                ui_.pickerCheck()->click();
                return "toggle the picker";
            case 13: {
                QLineEdit* field = anyField();
                QTest::mouseClick(field, Qt::LeftButton);
                return "click " + field->objectName();
            }
            default:
                QTest::mouseClick(ui_.widget("CmdOK"), Qt::LeftButton);
                return "click OK";
        }
    }

private:
    Qt::Key pick(std::initializer_list<Qt::Key> keys) {
        return *(keys.begin() + random_.bounded(int(keys.size())));
    }

    QLineEdit* anyField() { return ui_.get<QLineEdit>(kFields[random_.bounded(4)]); }

    QString key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        // Enter or Space on Cancel would close the window, which is not what this test is for.
        if (focused == ui_.widget("CmdCancel") && (key == Qt::Key_Return || key == Qt::Key_Space)) {
            key = Qt::Key_Tab;
        }
        QTest::keyClick(focused, key, modifiers);
        return QString("key %1 (modifiers %2) on %3")
            .arg(QKeySequence(key).toString())
            .arg(int(modifiers))
            .arg(focused->objectName());
    }

    QString randomText() {
        QString text;
        const int length = random_.bounded(4) == 0 ? random_.bounded(300) : random_.bounded(5);
        for (int i = 0; i < length; ++i) {
            switch (random_.bounded(4)) {
                case 0:
                case 1:
                    text += QChar('0' + random_.bounded(10));
                    break;
                case 2:
                    text += QChar(0x20 + random_.bounded(0x5f));
                    break;
                default: {
                    const char32_t codePoint = random_.bounded(0x10FFFF) + 1;
                    if (QChar::isSurrogate(codePoint)) break;
                    text += QString::fromUcs4(&codePoint, 1);
                }
            }
        }
        return text;
    }

    QString paste() {
        const QString text = randomText();
        QApplication::clipboard()->setText(text);
        QLineEdit* field = anyField();
        field->paste();
        return "paste " + text.left(40) + " into " + field->objectName();
    }

    QString drop() {
        const QString text = randomText();
        QLineEdit* field = anyField();
        DropText(field, text);
        return "drop " + text.left(40) + " on " + field->objectName();
    }

    QString commit() {
        const QString text = randomText();
        QWidget* focused = QApplication::focusWidget();
        CommitText(focused, text);
        return "commit " + text.left(40) + " to " + focused->objectName();
    }

    QString changeTime() {
        const QTime time = QTime(0, 0).addSecs(random_.bounded(24 * 3600));
        ui_.pickerTime()->setTime(time);
        return "set the picker to " + time.toString();
    }

    FormUnderTest& ui_;
    QRandomGenerator random_;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputNeverBreaksTheWindow();
};

void MonkeyTest::randomInputNeverBreaksTheWindow() {
    if (QLocale::system().name() != "en_US")
        QSKIP("the result patterns are en_US; run through ctest");
    const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("MONKEY_SEED"))
                             : QRandomGenerator::system()->generate();
    const int events = qEnvironmentVariableIsSet("MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("MONKEY_EVENTS")
                           : 100'000;
    qInfo("MONKEY_SEED=%u, %d events", seed, events);

    FormUnderTest ui;
    Monkey monkey(ui, seed);
    for (int i = 0; i < events; ++i) {
        const QString action = monkey.act();
        if (i % 64 == 0) QCoreApplication::processEvents();  // let the window repaint
        const auto where = [&](const QString& what) {
            return qPrintable(
                QString("MONKEY_SEED=%1 event %2 (%3): %4").arg(seed).arg(i).arg(action, what));
        };
        QVERIFY2(ui.form.isVisible(), where("the window closed"));
        for (const char* name : kFields) {
            const QString text = ui.get<QLineEdit>(name)->text();
            QVERIFY2(kFieldPattern.match(text).hasMatch(), where(QString(name) + " holds " + text));
        }
        for (const auto& [name, pattern] : kResultPatterns) {
            const QString text = ui.get<QLabel>(name)->text();
            QVERIFY2(pattern.match(text).hasMatch(), where(QString(name) + " shows " + text));
        }
        const int bar = ui.get<QProgressBar>("Progress")->value();
        const QString percent = ui.get<QLineEdit>("TxtProg")->text();
        QVERIFY2(bar == percent.toInt(), where(QString("bar at %1 for %2").arg(bar).arg(percent)));
    }
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
