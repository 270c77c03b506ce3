// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failurecauses.h"

#include <QObject>

class CookieChoice;
class QPushButton;

// What follows a failed run that the user's own browser session, or patience, would mend: one
// button that starts the same download again, with the cookies of the first browser found (which
// it then chooses in the window, and nothing else ever does), or pausing between the videos for
// that one run.
class RetryOffer : public QObject
{
    Q_OBJECT

public:
    RetryOffer(QPushButton *button, CookieChoice *cookies, QObject *parent);

    void offer(const QList<FailureCauses::Cause> &causes);
    void withdraw();
    // Whether this start pauses between videos; asked once per start.
    bool takePacing();

signals:
    void retry();

private:
    QPushButton *button;
    CookieChoice *cookies;
    bool offersPacing = false;
    bool pacing = false;
};
