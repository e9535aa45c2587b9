// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
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
    void screenReadersReadWhatTheScreenShows();
};

namespace {

// Where the window departs from its drawn layout, each with its reason.
const QMap<QString, QRect> kDepartures{
    // Spans its frame's inner width and height: bold figures need not shrink, and sit centred.
    {"Lbl_Total", {20, 176, 113, 20}},
    // The same; a long locale date and time also has room for two lines.
    {"LblCompletion", {148, 176, 177, 20}},
    // Reaches its frame's inner edge, so that the longest done-at results fit at full size.
    {"LblDone", {149, 233, 76, 29}},
};

}  // namespace

void FormLayoutTest::controlsSitWhereTheLayoutSays_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("drawn");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("font");  // "12 pt", "bold" or the dialog font's
    const auto control = [](const char* name, const char* parent, QRect drawn, const char* text,
                            const char* toolTip, const char* font = "") {
        QTest::newRow(name) << name << parent << drawn << text << toolTip << font;
    };
    // The design figures: pixels in the window's client area, whatever the parent; the frames own
    // the labels.
    // clang-format off
    control("Frame1",        "FormTavro", {16, 16, 217, 57},   "Elapsed time", "");
    control("TxthhIN",       "FormTavro", {32, 32, 25, 25},    "00",           "Hours");
    control("Label2",        "Frame1",    {64, 32, 9, 17},     ":",            "",                          "12 pt");
    control("Txtmmin",       "FormTavro", {80, 32, 25, 25},    "00",           "Minutes");
    control("Label4",        "Frame1",    {112, 32, 9, 17},    ":",            "",                          "12 pt");
    control("Txtssin",       "FormTavro", {128, 32, 25, 25},   "00",           "Seconds");
    control("CmdOK",         "FormTavro", {248, 24, 81, 49},   "OK",           "");
    control("Frame2",        "FormTavro", {16, 88, 313, 57},   "Progress",     "");
    control("TxtProg",       "FormTavro", {32, 104, 25, 25},   "00",           "Percentage done");
    control("Label1",        "Frame2",    {64, 104, 17, 17},   "%",            "",                          "12 pt");
    control("Progress",      "FormTavro", {96, 104, 217, 25},  "",             "Progress bar");
    control("Frame3",        "FormTavro", {16, 160, 121, 41},  "Total time",   "Estimated total time");
    control("Lbl_Total",     "Frame3",    {48, 176, 65, 17},   "",             "Estimated total time",      "bold");
    control("Frame4",        "FormTavro", {144, 160, 185, 41}, "Completion",   "Estimated completion time");
    control("LblCompletion", "Frame4",    {176, 176, 129, 17}, "",             "Estimated completion time", "bold");
    control("Frame5",        "FormTavro", {16, 216, 217, 57},  "Done at",      "");
    control("DTDoneTime",    "FormTavro", {32, 232, 105, 25},  "",             "");
    control("LblDone",       "Frame5",    {149, 233, 71, 29},  "",             "");
    control("CmdCancel",     "FormTavro", {248, 224, 81, 49},  "Cancel",       "");
    // clang-format on
}

void FormLayoutTest::controlsSitWhereTheLayoutSays() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, drawn);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, font);
    FormUnderTest ui;
    QWidget* control = ui.widget(qPrintable(name));
    QVERIFY(control);

    const QRect geometry = kDepartures.value(name, drawn);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(QRect(control->mapTo(&ui.form, QPoint()), control->size()), geometry);
    QCOMPARE(control->toolTip(), toolTip);
    QCOMPARE(control->font().pointSizeF(), font == "12 pt" ? 12 : 8.25);
    QCOMPARE(control->font().bold(), font == "bold");
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
    QTest::addColumn<bool>("doneAtTime");
    QTest::newRow("light") << QApplication::palette() << true;
    QTest::newRow("dark, no done-at time")
        << QPalette(QColor(50, 50, 50), QColor(40, 40, 40)) << false;
}

// Each control shows that it has the focus.
void FormLayoutTest::tabVisitsTheControlsInOrder() {
    QFETCH(QPalette, palette);
    QFETCH(bool, doneAtTime);
    const AppStateGuard restore;
    QApplication::setPalette(palette);
    FormUnderTest ui;
    ui.pickerCheck()->setChecked(doneAtTime);
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
