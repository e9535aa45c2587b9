// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <QWindow>

#include "done_time_picker.h"
#include "estimate/clock.h"
#include "estimate/conversions.h"
#include "form_tavro.h"
#include "platform.h"

// Start-up's platform choices, as the program makes them: under Wine, the TZ=Europe/Berlin that
// gives Wine its zone is dropped for the Windows C runtime.
inline const int kPlatformChoices = (ApplyPlatformChoices(), 0);

// Drags a text over a widget and lets go there with Shift held, which asks for a move. The events
// go to its window, which hands them on as it does a drag from another program: the drop comes
// only after an accepted move. Returns what the target answered.
inline Qt::DropAction DropText(QWidget* target, const QString& text) {
    QMimeData data;
    data.setText(text);
    const Qt::DropActions offered = Qt::MoveAction | Qt::CopyAction;
    const QPoint at = target->mapTo(target->window(), target->rect().center());
    QCursor::setPos(target->mapToGlobal(target->rect().center()));
    QWindow* window = target->window()->windowHandle();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(window, &leave);
        return Qt::IgnoreAction;
    }
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window, &drop);
    return move.dropAction() == drop.dropAction() ? drop.dropAction() : Qt::IgnoreAction;
}

// An input method committing a text, as a compose key or an on-screen keyboard does.
inline void CommitText(QWidget* target, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// A clock standing still at the moment.
inline estimate::Clock FixedClock(const QDateTime& moment) {
    return [moment] {
        return std::chrono::system_clock::time_point(
            std::chrono::milliseconds{moment.toMSecsSinceEpoch()});
    };
}

// Finds a window's controls by their names, as a screen reader or a test tool would, and works
// them as a user does.
struct FormDriver {
    FormTavro& form;

    template <typename Widget>
    Widget* get(const char* name) {
        return form.findChild<Widget*>(QString::fromLatin1(name));
    }
    QWidget* widget(const char* name) { return get<QWidget>(name); }

    QCheckBox* pickerCheck() { return get<DoneTimePicker>("DTDoneTime")->findChild<QCheckBox*>(); }
    QDateTimeEdit* pickerTime() {
        return get<DoneTimePicker>("DTDoneTime")->findChild<QDateTimeEdit*>();
    }

    // Puts the focus in a field, keeping its selection, and types the keys.
    void type(const char* field, const QString& keys) {
        QWidget* target = widget(field);
        target->setFocus();
        QTest::keyClicks(target, keys);
    }
    // The job most tests watch: one hour elapsed at 50 %, so the rate is 50 % an hour.
    void typeOneHourAtHalf() {
        type("TxthhIN", "01");
        type("TxtProg", "50");
    }
};

// The application's look and language as a test found them, put back when the guard goes, however
// the test ends: palette, font, layout direction and default locale. A test installs a translator
// as a QTranslator of its own scope, which removes itself as it goes.
struct AppStateGuard {
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const Qt::LayoutDirection direction = QApplication::layoutDirection();
    const QLocale locale;
    ~AppStateGuard() {
        QApplication::setPalette(palette);
        QApplication::setFont(font);
        QApplication::setLayoutDirection(direction);
        QLocale::setDefault(locale);
    }
};

// The desktop's font at a size: by default the size the window's table is laid out for, so
// that it keeps its geometry. The font before it comes back when the window has gone.
struct DesktopFont : AppStateGuard {
    explicit DesktopFont(qreal pointSize) {
        QFont font = QApplication::font();
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }
};

// The window on a clock standing still, by default at noon on 10 June 2026, counting its beeps.
// The clock can be moved, or made to fail as the core does with a moment it cannot express.
struct FormUnderTest : DesktopFont, FormDriver {
    static inline const QDateTime kNoon{QDate(2026, 6, 10), QTime(12, 0)};

    int beeps = 0;
    QDateTime now;
    bool clockFails = false;
    FormTavro window;

    explicit FormUnderTest(const QDateTime& start = kNoon,
                           const QLocale& locale = QLocale::system(), qreal pointSize = 8.25)
        : DesktopFont(pointSize),
          FormDriver{window},
          now(start),
          window(
              [this] {
                  if (clockFails) throw estimate::OverflowError("moment outside the calendar");
                  return FixedClock(now)();
              },
              locale, [this] { ++beeps; }) {
        form.show();
        form.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&form);
    }
};
