// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTranslator>

#include "control_table.h"
#include "core_adapters.h"
#include "fitted_label.h"
#include "form_fixture.h"

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyLocaleShowsWholeCleanTextsInAsciiDigits();
    void everyTranslationFits();
    void resultsAreShownWhole_data();
    void resultsAreShownWhole();
    void aShortTextAfterALongOneIsFullSize();
    void framesLeaveRoomForCaptionsAndResults();
};

namespace {

// What keeps a label's text, as its lines are drawn, from showing whole at the user's size unless
// it may shrink, with each bracketed phrase on one line, or nothing.
QString FitProblem(const FittedLabel* label, bool mayShrink = true) {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QRectF room(label->contentsRect());
    const QString shown = label->lines().join('\n');
    const QRectF needed = QFontMetricsF(label->font()).boundingRect(room, flags, shown);
    if (!room.contains(needed)) {
        return QString("%1 needs %2 x %3")
            .arg(label->text())
            .arg(needed.width())
            .arg(needed.height());
    }
    if (!label->parentWidget()->rect().contains(label->geometry())) return "outside its frame";
    if (label->font().pointSizeF() < 5) return "font below 5 pt";
    if (!mayShrink && label->font().pointSizeF() < label->window()->font().pointSizeF())
        return shown + " shrinks";
    for (const QString& line : label->lines()) {
        if (line.count(QRegularExpression("\\p{Ps}")) != line.count(QRegularExpression("\\p{Pe}")))
            return shown + " breaks inside brackets";
    }
    return {};
}

QRect InWindow(const QWidget* widget, const QRect& rect) {
    return rect.translated(widget->mapTo(widget->window(), QPoint()));
}

// A part of a frame as its style places it, in the window.
QRect FramePart(const QGroupBox* frame, QStyle::SubControl part) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return InWindow(frame,
                    frame->style()->subControlRect(QStyle::CC_GroupBox, &option, part, frame));
}

// The control a frame's caption line, as tall as its font draws it, runs into, or none.
QString CaptionOverlap(FormDriver& ui, const QGroupBox* frame) {
    const QRect caption = FramePart(frame, QStyle::SC_GroupBoxLabel);
    for (const ControlRow* row : ControlTable::kRows) {
        const QWidget* other = ui.widget(row->name);
        if (!qobject_cast<const QGroupBox*>(other) &&
            caption.intersects(InWindow(other, other->rect())))
            return frame->objectName() + " caption " + QDebug::toString(caption) + " overlaps " +
                   row->name;
    }
    return {};
}

bool OnlyAsciiDigits(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    return std::all_of(codePoints.begin(), codePoints.end(),
                       [](uint c) { return !QChar::isDigit(c) || (c >= '0' && c <= '9'); });
}

// Whether a completion text is free of what surrounded a time zone: blanks, commas and brackets
// at either end, or brackets around nothing.
bool EndsCleanly(const QString& text) {
    const QString loose = QStringLiteral(" ,()[]");
    return !text.isEmpty() && !loose.contains(text.front()) && !loose.contains(text.back()) &&
           !text.contains("()") && !text.contains("[]");
}

// The moment a completion text stands for, read with the locale's short date and completion time.
// Qt's parser misreads the AM/PM words of a few locales, so those are put in English and the text,
// whose digits are ASCII, is read in the C locale.
QDateTime ReadBack(QString text, const QLocale& locale, bool withTime) {
    for (const auto& [word, english] :
         {std::pair(locale.pmText(), "PM"), std::pair(locale.amText(), "AM")}) {
        // Qt's case-insensitive search misses scripts beyond the Basic Multilingual Plane
        // (Adlam), so each case is replaced by itself.
        for (const QString& form : {word, word.toUpper(), word.toLower()}) {
            if (!form.isEmpty()) text.replace(form, QLatin1String(english));
        }
    }
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (withTime) format += " " + CompletionTimeFormat(locale);
    const QDateTime read = QLocale::c().toDateTime(text, format);
    return read.date().year() < 2000 ? read.addYears(100) : read;  // two-digit years
}

}  // namespace

void TextFitTest::everyLocaleShowsWholeCleanTextsInAsciiDigits() {
    // Every figure differs from the others, so a field in the wrong place cannot read back.
    const QDateTime moments[] = {{QDate(2026, 3, 5), QTime(9, 4, 7)},
                                 {QDate(2026, 11, 21), QTime(15, 38, 52)},
                                 {QDate(2026, 12, 27), QTime(0, 0)}};
    const QDateTime lateEvening(QDate(2026, 12, 27), QTime(21, 59, 58));
    QStringList problems;
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const auto problem = [&](const QString& what) { problems << locale.name() + ": " + what; };
        const estimate::Formats formats = LocaleFormats(locale, {});
        // A locale whose clock has a day period keeps it: 15:38 is not written as 3:38 or 15:38
        // alone.
        const bool dayPeriod = locale.timeFormat(QLocale::LongFormat)
                                   .remove(QRegularExpression("'[^']*'"))
                                   .contains(QRegularExpression("[aAB]"));
        for (const QDateTime& moment : moments) {
            const QString text =
                QString::fromStdString(estimate::DateText(ToInstant(moment), formats));
            const bool withTime = moment.time() != QTime(0, 0);
            if (ReadBack(text, locale, withTime) != moment) problem(text + " does not read back");
            if (text.contains(moment.timeZoneAbbreviation())) problem(text + " names the zone");
            if (withTime && !EndsCleanly(text)) problem(text + " has loose ends");
            if (!OnlyAsciiDigits(text)) problem(text + " has other digits");
            const QString period = moment.time().hour() < 12 ? locale.amText() : locale.pmText();
            if (withTime && dayPeriod && !text.contains(period, Qt::CaseInsensitive) &&
                !text.contains(period.toUpper())) {
                problem(text + " has no day period");
            }
        }

        // One hour at 50 %, done-at two hours ahead, late in the evening: the longest texts.
        FormUnderTest ui(lateEvening, locale);
        ui.typeOneHourAtHalf();
        ui.pickerTime()->setTime(QTime(23, 59, 58));
        QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);
        // The locale's separator, unless it belongs to digits of the locale's own.
        const QString separator = locale.zeroDigit() == "0" ? locale.decimalPoint() : ".";
        if (ui.get<QLabel>("LblDone")->text() != "Completed\n(+ 50" + separator + "00 %)") {
            problem("done shows " + ui.get<QLabel>("LblDone")->text());
        }
        if (!OnlyAsciiDigits(ui.pickerTime()->text()))
            problem("picker shows " + ui.pickerTime()->text());
        for (const char* name : {"Lbl_Total", "LblCompletion", "LblDone"}) {
            const auto* label = ui.get<FittedLabel>(name);
            if (!OnlyAsciiDigits(label->text())) problem(label->text() + " has other digits");
            if (const QString fit = FitProblem(label); !fit.isEmpty()) problem(fit);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    QVERIFY(locales.size() > 500);
}

// Every language, English among them, at the font sizes people choose, in the families desktops
// give: GNOME's, KDE's, a metric twin of Arial, a Thai one whose lines are much taller than its
// size says, and a Chinese and Japanese one, which also draws those languages in the others.
void TextFitTest::everyTranslationFits() {
    const QStringList catalogues = QDir(":/i18n").entryList() << QString();
    QStringList families = {"Cantarell", "Noto Sans",           "Liberation Sans",
                            "Loma",      "Droid Sans Fallback", "DejaVu Sans"};
#ifdef Q_OS_WIN
    families = {"DejaVu Sans"};  // the one family the Windows runner gives the offscreen platform
#endif
    const qreal sizes[] = {8, 9, 10, 12, 14, 16, 20};
    const int runs = int(families.size() * std::size(sizes));
    QStringList problems;
    for (int run = 0; run < catalogues.size() * runs; ++run) {
        const AppStateGuard restore;
        const QString catalogue = catalogues[run / runs];
        QFont font(families[run % runs / std::size(sizes)]);
        font.setPointSizeF(sizes[run % std::size(sizes)]);
        QVERIFY2(QFontDatabase::hasFamily(font.family()), qPrintable(font.family()));
        QTranslator translator;
        QVERIFY(catalogue.isEmpty() || translator.load(catalogue, ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const QLocale language(QFileInfo(catalogue).completeBaseName().section('_', 1));
        QApplication::setLayoutDirection(language.textDirection());
        QApplication::setFont(font);
        const auto problem = [&](const QString& what) {
            problems << catalogue + " " + font.toString() + ": " + what;
        };
        const auto checkResults = [&](FormUnderTest& ui, bool mayShrink = false) {
            for (const char* name : {"Lbl_Total", "LblCompletion", "LblDone"}) {
                const auto* label = ui.get<FittedLabel>(name);
                if (label->text().isEmpty()) continue;
                if (const QString fit = FitProblem(label, mayShrink); !fit.isEmpty()) problem(fit);
            }
        };

        FormUnderTest ui(FormUnderTest::kNoon, QLocale::system(), font.pointSizeF());
        // The layout grows at least as much as the window's font, from 8.25 pt at 96 dpi, and
        // stops at the screen's edge, where the font takes a smaller size than the desktop's.
        const qreal shownSize = ui.form.font().pointSizeF();
        if (ui.form.width() < 337 * shownSize * ui.form.logicalDpiY() / 792)
            problem("layout smaller than the font");
        const QSize screen = ui.form.screen()->availableGeometry().size();
        if (ui.form.width() > screen.width() || ui.form.height() > screen.height() ||
            (shownSize < font.pointSizeF() && ui.form.height() < screen.height() * 0.6))
            problem(QString("%1 pt in %2").arg(shownSize).arg(QDebug::toString(ui.form.size())));
        // Mirrored in a right-to-left language, but with times read hours first.
        if ((ui.widget("CmdOK")->x() < ui.widget("Frame1")->x()) != language.textDirection() ||
            ui.widget("TxthhIN")->x() > ui.widget("Txtssin")->x() ||
            ui.pickerTime()->text() != "12:00:00")
            problem("mirrored wrongly");
        // The picker's check box and up and down buttons grow with the layout, from about 12.
        QStyleOptionSpinBox box;
        box.initFrom(ui.pickerTime());
        const QStyle* style = ui.pickerTime()->style();
        const int up =
            style->subControlRect(QStyle::CC_SpinBox, &box, QStyle::SC_SpinBoxUp).width();
        if (std::min(ui.pickerCheck()->width(), up) < 12 * ui.form.width() / 337.0)
            problem("picker too small");
        if (!catalogue.isEmpty() && ui.get<QPushButton>("CmdCancel")->text() == "Cancel")
            problem("not in use");
        for (const QGroupBox* frame : ui.form.findChildren<QGroupBox*>()) {
            if (frame->minimumSizeHint().width() > frame->width())
                problem(frame->title() + " is cut");
            if (const QString overlap = CaptionOverlap(ui, frame); !overlap.isEmpty())
                problem(overlap);
        }
        for (const QPushButton* button : ui.form.findChildren<QPushButton*>()) {
            if (button->sizeHint().width() > button->width()) problem(button->text() + " is cut");
        }
        // Nothing elapsed, on OK and then at a done-at time; then one hour at 99 %, a second
        // after the done-at time, and at 50 % two hours before it.
        QTest::mouseClick(ui.widget("CmdOK"), Qt::LeftButton);
        checkResults(ui);
        ui.pickerTime()->setTime(QTime(13, 0));
        checkResults(ui);
        ui.type("TxthhIN", "01");
        ui.type("TxtProg", "99");
        ui.pickerTime()->setTime(QTime(11, 59, 59));
        checkResults(ui);
        ui.type("TxtProg", "50");
        ui.pickerTime()->setTime(QTime(14, 0));
        checkResults(ui);

        // One second at 99 %, done-at late in the evening: the largest overshoot.
        FormUnderTest overshoot(FormUnderTest::kNoon, QLocale::system(), font.pointSizeF());
        overshoot.type("Txtssin", "01");
        overshoot.type("TxtProg", "99");
        overshoot.pickerTime()->setTime(QTime(23, 59, 59));
        checkResults(overshoot, true);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    QCOMPARE(catalogues.size(), LANGUAGE_COUNT + 1);
}

void TextFitTest::resultsAreShownWhole_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("longest total")  << "Lbl_Total" << "10067:45:00";
    QTest::newRow("reached")        << "LblDone"   << "99.99 % (reached)";
    QTest::newRow("huge overshoot") << "LblDone"   << "Completed\n(+ 8554400.00 %)";
    // clang-format on
}

void TextFitTest::resultsAreShownWhole() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    FormUnderTest ui;
    auto* result = ui.get<FittedLabel>(qPrintable(label));
    result->setFittedText(text);
    QCOMPARE(FitProblem(result), QString());
}

void TextFitTest::aShortTextAfterALongOneIsFullSize() {
    FormUnderTest ui;
    auto* done = ui.get<FittedLabel>("LblDone");
    done->setFittedText("Completed\n(+ 8554400.00 %)");
    QVERIFY(done->font().pointSizeF() < 8.25);
    done->setFittedText("50.00 %");
    QCOMPARE(done->font().pointSizeF(), 8.25);
}

// Each frame's caption, as its style places it, sits whole on the frame's top line, which is broken
// for it, and clear of every control; each result label lies inside its frame, the bold
// single-line ones centred in it.
void TextFitTest::framesLeaveRoomForCaptionsAndResults() {
    FormUnderTest ui;
    const QImage shown = ui.form.grab().toImage();
    const auto pixel = [&](int x, int y) {
        return shown.pixel(QPointF(QPointF(x, y) * shown.devicePixelRatio()).toPoint());
    };
    for (const ControlRow* row : ControlTable::kRows) {
        QWidget* control = ui.widget(row->name);
        if (auto* result = qobject_cast<FittedLabel*>(control)) {
            auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
            const QRect inner = FramePart(frame, QStyle::SC_GroupBoxContents);
            QVERIFY2(inner.contains(row->geometry), row->name);
            if (result->font().bold()) QCOMPARE(row->geometry.center().x(), inner.center().x());
        }
        auto* frame = qobject_cast<QGroupBox*>(control);
        if (!frame) continue;
        const QRect caption = FramePart(frame, QStyle::SC_GroupBoxLabel);
        const QRect line = FramePart(frame, QStyle::SC_GroupBoxFrame);
        QVERIFY2(caption.top() < line.top() && line.top() < caption.bottom(), row->name);
        QVERIFY2(row->geometry.contains(caption), row->name);
        QVERIFY2(caption.width() >= frame->fontMetrics().horizontalAdvance(frame->title()),
                 row->name);
        // The line runs up to the caption, and not through the blank at either end of it.
        const QRgb background = pixel(line.left() - 1, line.top());
        QVERIFY2(pixel(caption.left() - 2, line.top()) != background, row->name);
        QVERIFY2(pixel(caption.left() + 1, line.top()) == background, row->name);
        QVERIFY2(pixel(caption.right() - 1, line.top()) == background, row->name);
        QVERIFY2(CaptionOverlap(ui, frame).isEmpty(), qPrintable(CaptionOverlap(ui, frame)));
    }
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
