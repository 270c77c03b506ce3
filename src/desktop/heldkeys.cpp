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
        return clicks && key->isAutoRepeat();
    }
};
} // namespace

void ignoreHeldKeys(QWidget *widget)
{
    widget->installEventFilter(new HeldKeys(widget));
}
