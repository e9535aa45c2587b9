#include "form_tavro.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <utility>

#include <QCoreApplication>
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

// The table is laid out for the dialog font of 8.25 pt at 96 dpi, 11 pixels high; the ":" and "%"
// beside the fields are 12 pt next to it.
constexpr qreal kDesignPixelSize = 8.25 * 96 / 72;
constexpr qreal kCaptionToDialogFont = 12 / 8.25;
constexpr qreal kLargestScale = 4;

// The result texts' words in the language of the installed catalogues, English without one.
estimate::Phrases TranslatedPhrases() {
    const auto text = [](const QString& translated) { return translated.toStdString(); };
    return {
        //: The total time when nothing can be estimated, and the done-at result before any time
        //: has elapsed.
        text(QCoreApplication::translate("FormTavro", "[undefined]")),
        //: The completion time and the done-at result when nothing can be estimated.
        text(QCoreApplication::translate("FormTavro", "[Undefined]")),
        //: A percentage; %1 is its figure, such as 57.32.
        text(QCoreApplication::translate("FormTavro", "%1 %")),
        //: A percentage at a done-at time that has passed; %1 is the percentage, such as 57.32 %.
        text(QCoreApplication::translate("FormTavro", "%1 (reached)")),
        //: The job will be complete before the done-at time. Keep it short: the label is narrow.
        text(QCoreApplication::translate("FormTavro", "Completed")),
        //: Below "Completed": how far past 100 % the job will be; %1 is the figure, such as 12.50.
        text(QCoreApplication::translate("FormTavro", "(+ %1 %)")),
    };
}

QFont Sized(QFont font, qreal factor, bool bold) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

// The rectangle with its edges scaled, so that controls that meet in the table still meet.
QRect Scaled(const QRect& rect, qreal scale) {
    const auto at = [scale](int edge) { return qRound(edge * scale); };
    QRect scaled;
    scaled.setCoords(at(rect.left()), at(rect.top()), at(rect.right() + 1) - 1,
                     at(rect.bottom() + 1) - 1);
    return scaled;
}

// How much the table's layout grows for the user's font: the ratio of its size to the design
// font's, rounded up to a quarter so that every text has at least its share of room (1.75 for
// 14 pt, 2.5 for 20 pt at 96 dpi), and never below 1. Where the font's glyphs are wider or its
// lines taller than its size says (Thai fonts), it grows further until the done-at label's longest
// texts fit at the user's size.
qreal LayoutScale(const QFont& font, qreal dpi, const estimate::Phrases& phrases) {
    const qreal ratio = font.pointSizeF() * dpi / 72 / kDesignPixelSize;
    qreal scale = std::max(1.0, std::ceil(ratio * 4 - 1e-6) / 4);
    const auto text = [](const std::string& pattern, const std::string& figure = {}) {
        return QString::fromStdString(estimate::Fill(pattern, figure));
    };
    // The done-at label is the narrowest: where the undefined texts fit it, they fit the total's
    // and the completion's in bold, without loading a bold font before the first paint.
    const QString longest[] = {
        text(phrases.completed) + '\n' + text(phrases.overshoot, "99.99"),
        text(phrases.reached, estimate::Fill(phrases.percent, "99.99")),
        text(phrases.undefined),
        text(phrases.undefinedMoment),
    };
    const auto fit = [&](qreal candidate) {
        const QSizeF room = Scaled(ControlTable::LblDone.geometry, candidate).size();
        return std::all_of(std::begin(longest), std::end(longest),
                           [&](const QString& t) { return FittedLabel::fits(t, font, room); });
    };
    while (scale < kLargestScale && !fit(scale)) scale += 0.25;
    return scale;
}

// Makes each control from its row of the table, in its place, and chains the focus order. Each
// kind of control has its own maker, which returns it typed: the window holds it from the start.
// The table's geometry grows by the scale; in a right-to-left language it is mirrored, except
// that the elapsed time and the percentage keep their figures in the order they are written.
class ControlMaker {
public:
    ControlMaker(QWidget* window, qreal scale)
        : window_(window),
          style_(new WindowStyle(window)),
          scale_(scale),
          mirrored_(window->layoutDirection() == Qt::RightToLeft) {}

    QGroupBox* frame(const ControlRow& row) {
        auto* frame = place(new QGroupBox(ControlTable::tr(row.text), window_), row);
        frame->setStyle(style_);
        return frame;
    }

    DigitField* field(const ControlRow& row) {
        auto* field = place(new DigitField(window_), row);
        field->setText(QString::fromUtf8(row.text));
        field->setStyle(style_);
        return field;
    }

    // The ":" and "%" between the fields, drawn by the frame around them.
    QLabel* caption(const ControlRow& row, QGroupBox* frame) {
        auto* caption = place(new QLabel(QString::fromUtf8(row.text), frame), row);
        caption->setFont(Sized(frame->font(), kCaptionToDialogFont, false));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
        return caption;
    }

    FittedLabel* result(const ControlRow& row, QGroupBox* frame, bool bold) {
        auto* result = place(new FittedLabel(Sized(frame->font(), 1, bold), frame), row);
        result->setAlignment(Qt::AlignCenter);
        return result;
    }

    QPushButton* button(const ControlRow& row) {
        auto* button = place(new QPushButton(ControlTable::tr(row.text), window_), row);
        button->setStyle(style_);
        return button;
    }

    DoneTimePicker* picker(const ControlRow& row) {
        return place(new DoneTimePicker(window_), row);
    }

    QProgressBar* bar(const ControlRow& row) {
        auto* bar = place(new QProgressBar(window_), row);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);  // the percentage field beside it shows the number
        return bar;
    }

    void chainFocusOrder() const {
        for (auto it = tabOrder_.begin(); std::next(it) != tabOrder_.end(); ++it) {
            QWidget::setTabOrder(it->second, std::next(it)->second);
        }
    }

private:
    template <typename Control>
    Control* place(Control* control, const ControlRow& row) {
        control->setObjectName(QString::fromUtf8(row.name));
        const QPoint parentOrigin = control->parentWidget()->mapTo(window_, QPoint());
        control->setGeometry(inWindow(row).translated(-parentOrigin));
        control->setToolTip(ControlTable::tr(row.toolTip));
        if (row.accessibleName) control->setAccessibleName(ControlTable::tr(row.accessibleName));
        if (row.tabIndex >= 0) tabOrder_[row.tabIndex] = control;
        return control;
    }

    QRect inWindow(const ControlRow& row) const {
        const QRect rect = Scaled(row.geometry, scale_);
        if (!mirrored_) return rect;
        QRect block = rect;
        for (const auto group : ControlTable::kReadLeftToRight) {
            if (std::find(group.begin(), group.end(), &row) == group.end()) continue;
            for (const ControlRow* member : group) block |= Scaled(member->geometry, scale_);
        }
        return rect.translated(window_->width() - block.right() - 1 - block.left(), 0);
    }

    QWidget* window_;
    WindowStyle* style_;
    qreal scale_;
    bool mirrored_;
    std::map<int, QWidget*> tabOrder_;
};

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
    setFont(userFont);
    const qreal scale = LayoutScale(userFont, logicalDpiY(), formats_.phrases);
    setFixedSize(Scaled(QRect(0, 0, 337, 281), scale).size());
    buildControls(scale);
    connectControls();
    load();
}

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
