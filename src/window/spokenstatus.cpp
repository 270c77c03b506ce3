// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {
// The status line as screen readers see it: a notification, whose text is its name. Orca
// ignores text changes of a plain label that has no focus, but speaks a notification that shows.
class StatusAccessible : public QAccessibleWidget
{
public:
    explicit StatusAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};
} // namespace

QAccessibleInterface *KavariWindow::accessibleStatus(const QString &className, QObject *object)
{
    if (className == "QLabel" && object->objectName() == "statusLabel")
        return new StatusAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

void KavariWindow::announceStatus()
{
    // Qt 6.4 sends the button itself, not its new name, with its change of name, so Orca cannot
    // speak "Cancel" under the focus; the status says it instead.
    // And Orca speaks the status as it is when it gets to it: right after "Cancelled" that is
    // already the "Failed" of the killed run's end, which must not sound like a failed download.
    QString description;
    if (isDownloading)
        description = "The Download button now reads Cancel";
    else if (run.cancelled && statusHue == "red")
        description = "You cancelled the download";
    statusLabel->setAccessibleDescription(description);
    // Shown anew, so that a screen reader speaks the new text.
    QAccessibleEvent shown(statusLabel, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
