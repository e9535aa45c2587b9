#include "announcer.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

#include "window_texts.h"

namespace {

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool kFactoryInstalled = (QAccessible::installFactory(NotificationFactory), true);
    Q_UNUSED(kFactoryInstalled);
    setObjectName(QStringLiteral("Announcer"));
    hide();
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
    setAccessibleName(sentences.join(QLatin1Char(' ')));
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}
