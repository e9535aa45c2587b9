#include <QFontMetricsF>
#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "control_table.h"
#include "core_adapters.h"
#include "fitted_label.h"
#include "form_fixture.h"

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void localeFormatsLeaveOutTheTimeZone_data();
    void localeFormatsLeaveOutTheTimeZone();
    void resultsAreShownWhole_data();
    void resultsAreShownWhole();
    void aShortTextAfterALongOneIsFullSize();
    void framesLeaveRoomForCaptionsAndResults();
};

namespace {

constexpr estimate::LocalDateTime kLateEvening{2026, 12, 27, 23, 59, 58};

}  // namespace

void TextFitTest::localeFormatsLeaveOutTheTimeZone_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("separator");
    QTest::newRow("en_US") << "en_US"
                           << "12/27/26 11:59:58 PM"
                           << "12/27/26"
                           << ".";
    QTest::newRow("de_DE") << "de_DE"
                           << "27.12.26 23:59:58"
                           << "27.12.26"
                           << ",";
    QTest::newRow("en_GB") << "en_GB"
                           << "27/12/2026 23:59:58"
                           << "27/12/2026"
                           << ".";
    QTest::newRow("zh_CN zone first") << "zh_CN"
                                      << "2026/12/27 23:59:58"
                                      << "2026/12/27"
                                      << ".";
}

void TextFitTest::localeFormatsLeaveOutTheTimeZone() {
    QFETCH(QString, locale);
    QFETCH(QString, dateTime);
    QFETCH(QString, date);
    QFETCH(QString, separator);
    const estimate::Formats formats = LocaleFormats(QLocale(locale));
    QCOMPARE(QString::fromStdString(formats.dateTime(kLateEvening)), dateTime);
    QCOMPARE(QString::fromStdString(formats.date(kLateEvening)), date);
    QCOMPARE(QString::fromStdString(formats.decimalSeparator), separator);
}

void TextFitTest::resultsAreShownWhole_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    for (const char* name :
         {"en_US", "en_GB", "de_DE", "fr_FR", "hu_HU", "ja_JP", "ko_KR", "ar_EG", "fi_FI"}) {
        const estimate::Formats formats = LocaleFormats(QLocale(name));
        const QString separator = QString::fromStdString(formats.decimalSeparator);
        QTest::addRow("completion %s", name)
            << "LblCompletion" << QString::fromStdString(formats.dateTime(kLateEvening));
        QTest::addRow("done %s", name)
            << "LblDone" << QString("Completed\n(+ 99%199 %)").arg(separator);
    }
    QTest::newRow("longest total") << "Lbl_Total"
                                   << "10067:45:00";
    QTest::newRow("reached") << "LblDone"
                             << "99.99 % (reached)";
    QTest::newRow("huge overshoot") << "LblDone"
                                    << "Completed\n(+ 8554400.00 %)";
}

void TextFitTest::resultsAreShownWhole() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    FormUnderTest ui;
    auto* result = ui.get<FittedLabel>(qPrintable(label));
    result->setFittedText(text);

    const int flags = Qt::AlignCenter | (result->wordWrap() ? Qt::TextWordWrap : 0);
    const QRectF room(result->contentsRect());
    const QRectF needed = QFontMetricsF(result->font()).boundingRect(room, flags, text);
    QVERIFY2(room.contains(needed),
             qPrintable(QString("needs %1 x %2").arg(needed.width()).arg(needed.height())));
    QVERIFY(result->parentWidget()->rect().contains(result->geometry()));  // inside its frame
    QVERIFY(result->font().pointSizeF() >= 5);
}

void TextFitTest::aShortTextAfterALongOneIsFullSize() {
    FormUnderTest ui;
    auto* done = ui.get<FittedLabel>("LblDone");
    done->setFittedText("Completed\n(+ 8554400.00 %)");
    QVERIFY(done->font().pointSizeF() < 8.25);
    done->setFittedText("50.00 %");
    QCOMPARE(done->font().pointSizeF(), 8.25);
}

// Each frame's caption, as its style places it, sits whole on the frame's top line and clear of
// every control; each result label lies inside its frame, the single-line ones centred in it.
void TextFitTest::framesLeaveRoomForCaptionsAndResults() {
    FormUnderTest ui;
    const auto inWindow = [&](QWidget* widget, const QRect& rect) {
        return rect.translated(widget->mapTo(&ui.form, QPoint()));
    };
    const auto frameRect = [&](QGroupBox* frame, QStyle::SubControl part) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return inWindow(frame,
                        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, part, frame));
    };
    for (const ControlRow& row : kControlTable) {
        QWidget* control = ui.widget(row.name);
        if (row.kind == ControlKind::Result) {
            auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
            const QRect inner = frameRect(frame, QStyle::SC_GroupBoxContents);
            QVERIFY2(inner.contains(row.geometry), row.name);
            if (row.resultStyle == ResultStyle::Bold) {
                QCOMPARE(row.geometry.center().x(), inner.center().x());
            }
        }
        auto* frame = qobject_cast<QGroupBox*>(control);
        if (!frame) continue;
        const QRect caption = frameRect(frame, QStyle::SC_GroupBoxLabel);
        const QRect line = frameRect(frame, QStyle::SC_GroupBoxFrame);
        QVERIFY2(caption.top() < line.top() && line.top() < caption.bottom(), row.name);
        QVERIFY2(row.geometry.contains(caption), row.name);
        QVERIFY2(caption.width() >= frame->fontMetrics().horizontalAdvance(frame->title()),
                 row.name);
        for (const ControlRow& other : kControlTable) {
            QVERIFY2(&other == &row || !caption.intersects(other.geometry),
                     qPrintable(QString("%1 caption %2 overlaps %3")
                                    .arg(row.name)
                                    .arg(QDebug::toString(caption))
                                    .arg(other.name)));
        }
    }
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
