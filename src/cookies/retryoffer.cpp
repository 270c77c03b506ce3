// SPDX-License-Identifier: GPL-3.0-or-later
#include "retryoffer.h"
#include "cookiechoice.h"

#include <QPushButton>

RetryOffer::RetryOffer(QPushButton *button, CookieChoice *cookies, QObject *parent)
    : QObject(parent)
    , button(button)
    , cookies(cookies)
{
    button->hide();
    connect(button, &QPushButton::clicked, this, [this] {
        this->button->hide();
        if (offersPacing)
            pacing = true;
        else
            this->cookies->chooseFirst();
        emit retry();
    });
}

void RetryOffer::offer(const QList<FailureCauses::Cause> &causes)
{
    const auto mends = [&causes](FailureCauses::Remedy remedy) {
        return std::any_of(causes.cbegin(), causes.cend(), [remedy](FailureCauses::Cause cause) {
            return FailureCauses::remedy(cause) == remedy;
        });
    };
    offersPacing = false;
    if (mends(FailureCauses::Cookies) && cookies->chosen().isEmpty() && !cookies->first().isEmpty()) {
        button->setText(tr("Retry with cookies from %1").arg(cookies->first()));
    } else if (mends(FailureCauses::PacedRetry)) {
        offersPacing = true;
        button->setText(tr("Retry, pausing between videos"));
    } else {
        return;
    }
    button->setAccessibleName(button->text());
    button->show();
}

void RetryOffer::withdraw()
{
    button->hide();
}

bool RetryOffer::takePacing()
{
    return std::exchange(pacing, false);
}
