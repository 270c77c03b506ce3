// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokenstatus.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {
const char *const spokenText = "kavariSpokenText";

class StatusAccessible : public QAccessibleWidget
{
public:
    explicit StatusAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->property(spokenText).toString()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *statusInterface(const QString &className, QObject *object)
{
    if (className == "QLabel" && object->objectName() == "statusLabel")
        return new StatusAccessible(static_cast<QLabel *>(object));
    return nullptr;
}
} // namespace

void installSpokenStatus()
{
    static const bool installed = (QAccessible::installFactory(&statusInterface), true);
    Q_UNUSED(installed)
}

void announceStatus(QLabel *label, const QString &description)
{
    label->setProperty(spokenText, label->text());
    label->setAccessibleDescription(description);
    // Shown anew, so that a screen reader speaks the new text.
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
