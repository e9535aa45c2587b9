#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "form_fixture.h"

class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlsSitWhereTheLayoutSays_data();
    void controlsSitWhereTheLayoutSays();
    void tabVisitsTheControlsInOrder_data();
    void tabVisitsTheControlsInOrder();
    void opensReadyForTheFirstEntry();
    void fontsFollowTheDialogFont();
    void screenReadersReadWhatTheScreenShows();
};

void FormLayoutTest::controlsSitWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    // Geometry in window coordinates. The total and completion labels span their frame's inner
    // width, and the done-at label reaches to its frame's inner edge.
    // clang-format off
    QTest::newRow("Frame1")        << "FormTavro" << QRect(16, 16, 217, 57)    << "Elapsed time" << "";
    QTest::newRow("TxthhIN")       << "FormTavro" << QRect(32, 32, 25, 25)     << "00"           << "Hours";
    QTest::newRow("Label2")        << "Frame1"    << QRect(64, 32, 9, 17)      << ":"            << "";
    QTest::newRow("Txtmmin")       << "FormTavro" << QRect(80, 32, 25, 25)     << "00"           << "Minutes";
    QTest::newRow("Label4")        << "Frame1"    << QRect(112, 32, 9, 17)     << ":"            << "";
    QTest::newRow("Txtssin")       << "FormTavro" << QRect(128, 32, 25, 25)    << "00"           << "Seconds";
    QTest::newRow("CmdOK")         << "FormTavro" << QRect(248, 24, 81, 49)    << "OK"           << "";
    QTest::newRow("Frame2")        << "FormTavro" << QRect(16, 88, 313, 57)    << "Progress"     << "";
    QTest::newRow("TxtProg")       << "FormTavro" << QRect(32, 104, 25, 25)    << "00"           << "Percentage done";
    QTest::newRow("Label1")        << "Frame2"    << QRect(64, 104, 17, 17)    << "%"            << "";
    QTest::newRow("Progress")      << "FormTavro" << QRect(96, 104, 217, 25)   << ""             << "Progress bar";
    QTest::newRow("Frame3")        << "FormTavro" << QRect(16, 160, 121, 41)   << "Total time"   << "Estimated total time";
    QTest::newRow("Lbl_Total")     << "Frame3"    << QRect(20, 176, 113, 20)   << ""             << "Estimated total time";
    QTest::newRow("Frame4")        << "FormTavro" << QRect(144, 160, 185, 41)  << "Completion"   << "Estimated completion time";
    QTest::newRow("LblCompletion") << "Frame4"    << QRect(148, 176, 177, 20)  << ""             << "Estimated completion time";
    QTest::newRow("Frame5")        << "FormTavro" << QRect(16, 216, 217, 57)   << "Done at"      << "";
    QTest::newRow("DTDoneTime")    << "FormTavro" << QRect(32, 232, 105, 25)   << ""             << "";
    QTest::newRow("LblDone")       << "Frame5"    << QRect(149, 233, 76, 29)   << ""             << "";
    QTest::newRow("CmdCancel")     << "FormTavro" << QRect(248, 224, 81, 49)   << "Cancel"       << "";
    // clang-format on
}

void FormLayoutTest::controlsSitWhereTheLayoutSays() {
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    FormUnderTest ui;
    QWidget* control = ui.widget(QTest::currentDataTag());
    QVERIFY(control);

    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(QRect(control->mapTo(&ui.form, QPoint()), control->size()), geometry);
    QCOMPARE(control->toolTip(), toolTip);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
    QString shown;
    if (auto* frame = qobject_cast<QGroupBox*>(control)) shown = frame->title();
    if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
    if (auto* field = qobject_cast<QLineEdit*>(control)) shown = field->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) shown = button->text();
    QCOMPARE(shown, text);
    // Fields, the bar and the picker lie above the frames drawn around them.
    if (parentName == "FormTavro" && !qobject_cast<QGroupBox*>(control)) {
        QWidget* hit = ui.form.childAt(geometry.center());
        QVERIFY(hit == control || control->isAncestorOf(hit));
    }
}

void FormLayoutTest::tabVisitsTheControlsInOrder_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark, no done-at time") << QPalette(QColor(50, 50, 50), QColor(40, 40, 40));
}

// Each control shows that it has the focus.
void FormLayoutTest::tabVisitsTheControlsInOrder() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    FormUnderTest ui;
    ui.pickerCheck()->setChecked(QTest::currentDataTag() == QString("light"));
    const QStringList expected{"TxthhIN", "Txtmmin",    "Txtssin",   "TxtProg",
                               "CmdOK",   "DTDoneTime", "CmdCancel", "TxthhIN"};
    QCOMPARE(QApplication::focusWidget(), ui.widget("TxthhIN"));
    for (const QString& name : expected.mid(1)) {
        QWidget* control = ui.form.findChild<QWidget*>(name);
        const QImage unfocused = control->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(focused == control || control->isAncestorOf(focused), qPrintable(name));
        QVERIFY2(control->grab().toImage() != unfocused, qPrintable(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui.widget("CmdCancel"));
}

void FormLayoutTest::opensReadyForTheFirstEntry() {
    FormUnderTest ui;
    QCOMPARE(ui.form.windowTitle(), QString("TavroTime 1.0"));
    QCOMPARE(ui.form.size(), QSize(337, 281));
    QCOMPARE(ui.form.minimumSize(), ui.form.maximumSize());
    QVERIFY(ui.form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    for (const char* name : {"TxthhIN", "Txtmmin", "Txtssin", "TxtProg"}) {
        auto* field = ui.get<QLineEdit>(name);
        QCOMPARE(field->selectedText(), QString("00"));
        QCOMPARE(field->alignment(), Qt::AlignCenter);
    }
    for (const char* name : {"Lbl_Total", "LblCompletion", "LblDone"}) {
        QCOMPARE(ui.get<QLabel>(name)->text(), QString());
    }
    auto* bar = ui.get<QProgressBar>("Progress");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QVERIFY(!bar->isTextVisible());
    QVERIFY(ui.pickerCheck()->isChecked());
    QCOMPARE(MomentOf(*ui.get<DoneTimePicker>("DTDoneTime")->wallClock(), FormUnderTest::kNoon),
             FormUnderTest::kNoon);
    QCOMPARE(ui.pickerTime()->text(), QString("12:00:00"));
    QVERIFY(ui.get<QPushButton>("CmdOK")->isDefault());
    const QIcon icon = ui.form.windowIcon();
    QCOMPARE(icon.pixmap(16).deviceIndependentSize(), QSizeF(16, 16));
    QCOMPARE(icon.pixmap(32).deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));
}

void FormLayoutTest::fontsFollowTheDialogFont() {
    FormUnderTest ui;
    QCOMPARE(ui.form.font().pointSizeF(), 8.25);
    for (const char* name : {"Label1", "Label2", "Label4"}) {
        QCOMPARE(ui.widget(name)->font().pointSizeF(), 12.0);
    }
    QVERIFY(ui.widget("Lbl_Total")->font().bold());
    QVERIFY(ui.widget("LblCompletion")->font().bold());
    QVERIFY(!ui.widget("LblDone")->font().bold());
    QCOMPARE(ui.widget("TxtProg")->font().pointSizeF(), 8.25);
}

void FormLayoutTest::screenReadersReadWhatTheScreenShows() {
    FormUnderTest ui;
    ui.typeOneHourAtHalf();
    QTest::keyClick(ui.widget("TxtProg"), Qt::Key_Return);

    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    const auto description = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    const QList<QPair<const char*, QString>> namedControls{
        {"TxthhIN", "Hours"},      {"Txtmmin", "Minutes"},
        {"Txtssin", "Seconds"},    {"TxtProg", "Percentage done"},
        {"DTDoneTime", "Done at"}, {"Progress", "Progress"},
        {"CmdOK", "OK"},           {"CmdCancel", "Cancel"}};
    for (const auto& [control, expected] : namedControls) {
        QCOMPARE(name(ui.widget(control)), expected);
    }
    QCOMPARE(name(ui.pickerTime()), QString("Done at"));
    for (const char* label : {"Lbl_Total", "LblCompletion", "LblDone"}) {
        QVERIFY(!ui.get<QLabel>(label)->text().isEmpty());
        QCOMPARE(name(ui.widget(label)), ui.get<QLabel>(label)->text());
    }
    QCOMPARE(description(ui.widget("Lbl_Total")), QString("Estimated total time"));
    QCOMPARE(description(ui.widget("TxtProg")), QString("Percentage done"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui.widget("TxtProg"))->text(QAccessible::Value),
             QString("50"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(ui.widget("Progress"));
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 50);
}

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
