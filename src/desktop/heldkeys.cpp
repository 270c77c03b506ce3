// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {
class HeldKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool clicks = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            (key->key() == Qt::Key_Space && qobject_cast<QAbstractButton *>(watched));
        if (!clicks)
            return false;
        // X sends a repeat as a release and a press of one moment. Qt flags it only when it finds
        // both waiting together, which they not always are; a person never presses twice at once.
        const bool repeat = key->isAutoRepeat() ||
            (event->type() == QEvent::KeyPress && key->timestamp() != 0 && key->timestamp() == releasedAt &&
             releasedKey == key->key());
        if (event->type() == QEvent::KeyRelease) {
            releasedAt = key->timestamp();
            releasedKey = key->key();
        }
        return repeat;
    }

private:
    quint64 releasedAt = 0;
    int releasedKey = 0;
};
} // namespace

void ignoreHeldKeys(QWidget *widget)
{
    widget->installEventFilter(new HeldKeys(widget));
}
