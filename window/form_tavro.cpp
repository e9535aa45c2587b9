#include "form_tavro.h"

#include <iterator>
#include <map>

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "announcer.h"
#include "control_table.h"
#include "core_adapters.h"
#include "digit_field.h"
#include "done_time_picker.h"
#include "estimate/done_at.h"
#include "event_guard.h"
#include "fitted_label.h"
#include "product.h"
#include "stopwatch_icon.h"
#include "window_style.h"

namespace {

constexpr qreal kDialogPointSize = 8.25;
constexpr qreal kCaptionPointSize = 12;

QFont SizedFont(QFont font, qreal pointSize, bool bold) {
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    const QString text = ControlTable::tr(row.text);
    switch (row.kind) {
        case ControlKind::Frame:
            return new QGroupBox(text, parent);
        case ControlKind::Field: {
            auto* field = new DigitField(parent);
            field->setText(text);
            return field;
        }
        case ControlKind::Caption: {
            auto* caption = new QLabel(text, parent);
            caption->setFont(SizedFont(parent->font(), kCaptionPointSize, false));
            return caption;
        }
        case ControlKind::Result: {
            const bool bold = row.resultStyle == ResultStyle::Bold;
            auto* result =
                new FittedLabel(SizedFont(parent->font(), kDialogPointSize, bold), parent);
            result->setAlignment(Qt::AlignCenter);
            return result;
        }
        case ControlKind::Button:
            return new QPushButton(text, parent);
        case ControlKind::Picker:
            return new DoneTimePicker(parent);
        case ControlKind::Bar: {
            auto* bar = new QProgressBar(parent);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);  // the percentage field beside it shows the number
            return bar;
        }
    }
    return nullptr;
}

}  // namespace

FormTavro::FormTavro(estimate::Clock clock, const QLocale& locale, std::function<void()> beep,
                     QWidget* parent)
    : QDialog(parent),
      clock_(std::move(clock)),
      formats_(LocaleFormats(locale)),
      beep_(std::move(beep)) {
    setObjectName(QStringLiteral("FormTavro"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(StopwatchIcon());
    setFont(SizedFont(font(), kDialogPointSize, false));
    setFixedSize(337, 281);
    buildControls();
    connectControls();
    load();
}

void FormTavro::buildControls() {
    auto* style = new WindowStyle(this);
    std::map<int, QWidget*> tabOrder;
    for (const ControlRow& row : ControlTable::kRows) {
        QWidget* parent = row.parent ? findChild<QWidget*>(QString::fromUtf8(row.parent)) : this;
        QWidget* control = CreateControl(row, parent);
        if (row.kind == ControlKind::Frame || row.kind == ControlKind::Field) {
            control->setStyle(style);
        }
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(row.geometry.translated(-parent->mapTo(this, QPoint())));
        control->setToolTip(ControlTable::tr(row.toolTip));
        if (row.accessibleName) control->setAccessibleName(ControlTable::tr(row.accessibleName));
        if (row.tabIndex >= 0) tabOrder[row.tabIndex] = control;
    }
    for (auto it = tabOrder.begin(); std::next(it) != tabOrder.end(); ++it) {
        setTabOrder(it->second, std::next(it)->second);
    }

    hours_ = findChild<DigitField*>(QStringLiteral("TxthhIN"));
    minutes_ = findChild<DigitField*>(QStringLiteral("Txtmmin"));
    seconds_ = findChild<DigitField*>(QStringLiteral("Txtssin"));
    percent_ = findChild<DigitField*>(QStringLiteral("TxtProg"));
    ok_ = findChild<QPushButton*>(QStringLiteral("CmdOK"));
    cancel_ = findChild<QPushButton*>(QStringLiteral("CmdCancel"));
    picker_ = findChild<DoneTimePicker*>(QStringLiteral("DTDoneTime"));
    progress_ = findChild<QProgressBar*>(QStringLiteral("Progress"));
    total_ = findChild<FittedLabel*>(QStringLiteral("Lbl_Total"));
    completion_ = findChild<FittedLabel*>(QStringLiteral("LblCompletion"));
    done_ = findChild<FittedLabel*>(QStringLiteral("LblDone"));
    done_->setAccessibleDescription(tr("Percentage reached at the done-at time"));
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
    connect(percent_, &QLineEdit::textChanged, this, guarded(&FormTavro::followPercentage));
    connect(ok_, &QPushButton::clicked, this, guarded(&FormTavro::runEstimate));
    connect(cancel_, &QPushButton::clicked, this, &FormTavro::reject);
    connect(picker_, &DoneTimePicker::valueChanged, this, guarded(&FormTavro::refreshDoneAt));
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
    const std::optional<QDateTime> value = picker_->value();
    if (!value) return std::nullopt;
    return ToInstant(*value);
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
