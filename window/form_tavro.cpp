// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_tavro.h"

#include <utility>

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "announcer.h"
#include "control_maker.h"
#include "control_table.h"
#include "core_adapters.h"
#include "digit_field.h"
#include "done_time_picker.h"
#include "estimate/done_at.h"
#include "event_guard.h"
#include "fitted_label.h"
#include "product.h"
#include "stopwatch_icon.h"
#include "window_texts.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The result texts' words in the language of the installed catalogues, English without one.
estimate::Phrases TranslatedPhrases() {
    const auto text = [](const QString& translated) { return translated.toStdString(); };
    return {
        //: The total time when nothing can be estimated, and the done-at result before any time
        //: has elapsed.
        .undefined = text(WindowTexts::tr("[undefined]")),
        //: The completion time and the done-at result when nothing can be estimated.
        .undefinedMoment = text(WindowTexts::tr("[Undefined]")),
        //: A percentage; %1 is its figure, such as 57.32.
        .percent = text(WindowTexts::tr("%1 %")),
        //: A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.
        .reached = text(WindowTexts::tr("%1 (reached)")),
        //: The job will be complete before the done-at time. Keep it short: the label is narrow.
        .completed = text(WindowTexts::tr("Completed")),
        //: Below "Completed": how far past 100 % the job will be; %1 is the figure, such as 12.50.
        .overshoot = text(WindowTexts::tr("(+ %1 %)")),
    };
}

}  // namespace

FormTavro::FormTavro(estimate::Clock clock, const QLocale& locale, std::function<void()> beep,
                     QWidget* parent)
    : QDialog(parent),
      clock_(std::move(clock)),
      formats_(LocaleFormats(locale, TranslatedPhrases())),
      beep_(std::move(beep)) {
    setObjectName(QStringLiteral("FormTavro"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(StopwatchIcon());
    // Watching a long job, one may want the window out of the way: Windows gives a dialog no
    // minimise button unless asked.
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    // The desktop's font, in points: sizes given in pixels are read at the screen's dpi.
    QFont userFont = font();
    if (userFont.pointSizeF() <= 0)
        userFont.setPointSizeF(userFont.pixelSize() * 72.0 / logicalDpiY());
    // On a screen too small for the layout at that font, the layout stops growing at the screen's
    // edge and the window's texts take the largest size that the layout there was drawn for.
    const qreal largest = LargestScale(screen()->availableGeometry().size(), userFont);
    qreal scale = LayoutScale(userFont, logicalDpiY(), formats_.phrases);
    while (scale > largest && userFont.pointSizeF() > 5) {
        userFont.setPointSizeF(userFont.pointSizeF() - 0.25);
        scale = LayoutScale(userFont, logicalDpiY(), formats_.phrases);
    }
    setFont(userFont);
    setFixedSize(Scaled(kDesignClientArea, scale).size());
    buildControls(scale);
    connectControls();
    load();
}

#ifdef Q_OS_WIN
// Qt gives every top-level window on Windows a sizing frame, whose border shows resize cursors
// and can be dragged, on this window of fixed size too (Qt's own answer covers only the active
// window). The border answers as a fixed dialog's does: a plain border, and at the top the title
// bar, which moves the window, as Qt answers there. MSWindowsFixedSizeDialogHint would drop the
// frame, but Qt does not recommend it where screens have different scales, and the window must
// follow a change of scale.
bool FormTavro::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_NCHITTEST) {
        const LRESULT hit = DefWindowProcW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
        if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
            const bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
            *result = top ? HTCAPTION : HTBORDER;
            return true;
        }
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

void FormTavro::buildControls(qreal scale) {
    using Row = ControlTable;
    ControlMaker make(this, scale);
    // In the table's order, top to bottom: what is made later lies above what was made earlier,
    // so the fields, the bar and the picker lie above the frames drawn around them.
    QGroupBox* elapsed = make.frame(Row::Frame1);
    hours_ = make.field(Row::TxthhIN);
    make.caption(Row::Label2, elapsed);
    minutes_ = make.field(Row::Txtmmin);
    make.caption(Row::Label4, elapsed);
    seconds_ = make.field(Row::Txtssin);
    ok_ = make.button(Row::CmdOK);
    QGroupBox* progress = make.frame(Row::Frame2);
    percent_ = make.field(Row::TxtProg);
    make.caption(Row::Label1, progress);
    progress_ = make.bar(Row::Progress);
    total_ = make.result(Row::Lbl_Total, make.frame(Row::Frame3), true);
    completion_ = make.result(Row::LblCompletion, make.frame(Row::Frame4), true);
    QGroupBox* doneFrame = make.frame(Row::Frame5);
    picker_ = make.picker(Row::DTDoneTime);
    done_ = make.result(Row::LblDone, doneFrame, false);
    cancel_ = make.button(Row::CmdCancel);
    make.chainFocusOrder();

    done_->setAccessibleDescription(WindowTexts::tr("Percentage reached at the done-at time"));
    announcer_ = new Announcer(this);
    ok_->setDefault(true);
}

void FormTavro::connectControls() {
    const auto guarded = [this](void (FormTavro::*handler)()) {
        return [this, handler] { EndEventOnCoreFailure([this, handler] { (this->*handler)(); }); };
    };
    for (DigitField* field : {hours_, minutes_, seconds_, percent_}) {
        connect(field, &DigitField::invalidInput, this, [this] { beep_(); });
    }
    // Whatever changes the percentage text moves the bar: keys, pastes, drops, input methods. The
    // leave rule's "7" -> "07" reads as the same number and leaves it where it is.
    connect(percent_, &QLineEdit::textChanged, this, &FormTavro::followPercentage);
    connect(ok_, &QPushButton::clicked, this, guarded(&FormTavro::runEstimate));
    connect(cancel_, &QPushButton::clicked, this, &FormTavro::reject);
    connect(picker_, &DoneTimePicker::valueChanged, this, guarded(&FormTavro::refreshDoneAt));
    connect(picker_, &DoneTimePicker::invalidInput, this, [this] { beep_(); });
}

void FormTavro::load() {
    selectFieldsForOverwrite();
    picker_->setEnabled(true);
    done_->setEnabled(true);
    // Setting the picker from code is not a change by the user: the done-at result starts empty,
    // like the other results.
    const QSignalBlocker quiet(picker_);
    const QDateTime now = ToQDateTime(estimate::Now(clock_));
    picker_->setDay(now.toLocalTime().date());
    picker_->setValue(now);
    hours_->setFocus();
}

void FormTavro::runEstimate() {
    const estimate::EstimateTexts texts =
        estimate::ComputeEstimate(fieldTexts(), doneAt(), clock_, formats_);
    const QString doneBefore = done_->text();
    if (texts.done) showDone(*texts.done);
    total_->setFittedText(QString::fromStdString(texts.total));
    completion_->setFittedText(QString::fromStdString(texts.completion));
    if (done_->text() == doneBefore) {
        announcer_->announce({total_, completion_});
    } else {
        announcer_->announce({total_, completion_, done_});
    }
    if (texts.defined) selectFieldsForOverwrite();
}

void FormTavro::refreshDoneAt() {
    const std::optional<estimate::Instant> moment = doneAt();
    done_->setEnabled(moment.has_value());
    const estimate::FieldTexts fields = fieldTexts();
    const std::int32_t elapsed =
        estimate::ComputeElapsedSeconds(fields.hours, fields.minutes, fields.seconds);
    if (const auto text =
            estimate::UpdateDoneAt(fields.percent, elapsed, moment, clock_, formats_)) {
        showDone(*text);
        announcer_->announce({done_});
    }
}

void FormTavro::followPercentage() {
    progress_->setValue(static_cast<int>(estimate::LeadingNumber(percent_->text().toStdString())));
    // The bar repaints only changes of at least one of its chunks (about 5 %): from 0 to 4 or
    // back, it would go on showing the old value.
    progress_->update();
}

estimate::FieldTexts FormTavro::fieldTexts() const {
    return {hours_->text().toStdString(), minutes_->text().toStdString(),
            seconds_->text().toStdString(), percent_->text().toStdString()};
}

std::optional<estimate::Instant> FormTavro::doneAt() const {
    // Read against the clock as it is now: a repeated time means the occurrence of the pass the
    // clock is in, which may differ from when the window opened or the time was set.
    const std::optional<QDateTime> shown = picker_->wallClock();
    if (!shown) return std::nullopt;
    return ToInstant(MomentOf(*shown, ToQDateTime(estimate::Now(clock_))));
}

void FormTavro::showDone(const std::string& text) {
    // The core breaks lines with a carriage return, which a label does not break on.
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char(estimate::kLineBreak), QLatin1Char('\n'));
    done_->setFittedText(shown);
}

void FormTavro::selectFieldsForOverwrite() {
    for (DigitField* field : {hours_, minutes_, seconds_, percent_}) field->selectForOverwrite();
}
