// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failurecauses.h"

#include <QObject>

class CookieChoice;
class QPushButton;

// What follows a failed run that the user's own browser session, or patience, would mend: one
// button that asks for the same download again, with the cookies of the first browser found, or
// pausing between the videos for that one run. The window starts it, and only then chooses that
// browser, which nothing else ever does. A button that is not offered cannot be clicked either,
// not even by a screen reader.
class RetryOffer : public QObject
{
    Q_OBJECT

public:
    // What the retry adds to the run that failed.
    enum Kind { Cookies, Pacing };

    RetryOffer(QPushButton *button, CookieChoice *cookies, QObject *parent);

    void offer(const QList<FailureCauses::Cause> &causes);
    void withdraw();
    // While an update runs, the offer stays in view but cannot be taken.
    void hold(bool held);

signals:
    void retry(RetryOffer::Kind kind);

private:
    QPushButton *button;
    CookieChoice *cookies;
    Kind kind = Cookies;
    bool held = false;
};
