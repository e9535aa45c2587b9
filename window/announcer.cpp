// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>

#include "window_texts.h"

namespace {

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

// Orca 43 says the title of a dialog before each notification in it, but nothing before one whose
// top is a window of another kind; and it puts a notification on the braille display only from
// the labels in it, hidden ones only where the notification lies in a status bar.
QWidget* HiddenStatusBar(QWidget* owner) {
    auto* bar = new QStatusBar(owner);
    bar->setSizeGripEnabled(false);
    bar->setWindowFlags(Qt::Window);
    return bar;
}

}  // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(HiddenStatusBar(window)), message_(new QLabel(this)) {
    static const bool kFactoryInstalled = (QAccessible::installFactory(NotificationFactory), true);
    Q_UNUSED(kFactoryInstalled);
    setObjectName(QStringLiteral("Announcer"));
}

void Announcer::announce(std::initializer_list<const QLabel*> results) {
    QStringList sentences;
    for (const QLabel* result : results) {
        const auto* frame = qobject_cast<const QGroupBox*>(result->parentWidget());
        QString text = result->text();
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        //: A result read out by a screen reader: %1 is the caption of its frame, such as "Total
        //: time", %2 the result as the window shows it.
        sentences << WindowTexts::tr("%1: %2.").arg(frame->title(), text);
    }
    const QString sentence = sentences.join(QLatin1Char(' '));
    message_->setText(sentence);
#ifdef Q_OS_WIN
    // A UI Automation client hears only the elements of a window, and the status bar has none:
    // the notification comes from the window the status bar belongs to.
    QObject* const source = parentWidget()->parentWidget();
#else
    QObject* const source = this;
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, sentence);
#elif defined(Q_OS_WIN)
    QAccessibleValueChangeEvent event(source, sentence);
#else
    QAccessibleEvent event(source, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
}
