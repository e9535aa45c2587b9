// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one window. Data flows one way: the four entry fields and the done-at picker are read as
// they stand, handed to the estimation core with the clock and the locale's formats, and the
// texts it returns are written into the result labels. No state is kept between events.

#include <functional>

#include <QDialog>
#include <QLocale>

#include "estimate/clock.h"
#include "estimate/estimate.h"

class Announcer;
class DigitField;
class DoneTimePicker;
class FittedLabel;
class QProgressBar;
class QPushButton;

class FormTavro : public QDialog {
    Q_OBJECT

public:
    // locale gives the formats of dates, times and decimals; beep sounds when a field refuses
    // input. The program passes the system clock and locale and QApplication::beep.
    FormTavro(estimate::Clock clock, const QLocale& locale, std::function<void()> beep,
              QWidget* parent = nullptr);

#ifdef Q_OS_WIN
protected:
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void buildControls(qreal scale);
    void connectControls();
    void load();

    void runEstimate();
    void refreshDoneAt();
    void followPercentage();

    estimate::FieldTexts fieldTexts() const;
    std::optional<estimate::Instant> doneAt() const;
    void showDone(const std::string& text);
    void selectFieldsForOverwrite();

    estimate::Clock clock_;
    estimate::Formats formats_;
    std::function<void()> beep_;

    DigitField* hours_ = nullptr;
    DigitField* minutes_ = nullptr;
    DigitField* seconds_ = nullptr;
    DigitField* percent_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    DoneTimePicker* picker_ = nullptr;
    QProgressBar* progress_ = nullptr;
    FittedLabel* total_ = nullptr;
    FittedLabel* completion_ = nullptr;
    FittedLabel* done_ = nullptr;
    Announcer* announcer_ = nullptr;
};
