// SPDX-License-Identifier: GPL-3.0-or-later
#include "retryoffer.h"
#include "cookiechoice.h"

#include <QPushButton>

RetryOffer::RetryOffer(QPushButton *button, CookieChoice *cookies, QObject *parent)
    : QObject(parent)
    , button(button)
    , cookies(cookies)
{
    withdraw();
    connect(button, &QPushButton::clicked, this, [this] { emit retry(kind); });
}

void RetryOffer::offer(const QList<FailureCauses::Cause> &causes)
{
    const auto mends = [&causes](FailureCauses::Remedy remedy) {
        return std::any_of(causes.cbegin(), causes.cend(), [remedy](FailureCauses::Cause cause) {
            return FailureCauses::remedy(cause) == remedy;
        });
    };
    if (mends(FailureCauses::Cookies) && cookies->chosen().isEmpty() && !cookies->first().isEmpty()) {
        kind = Cookies;
        button->setText(tr("Retry with cookies from %1").arg(cookies->first()));
    } else if (mends(FailureCauses::PacedRetry)) {
        kind = Pacing;
        button->setText(tr("Retry, pausing between videos"));
    } else {
        return;
    }
    button->setAccessibleName(button->text());
    button->show();
    button->setEnabled(!held);
}

void RetryOffer::withdraw()
{
    button->hide();
    button->setEnabled(false);
}

void RetryOffer::hold(bool hold)
{
    held = hold;
    button->setEnabled(!held && !button->isHidden());
}
