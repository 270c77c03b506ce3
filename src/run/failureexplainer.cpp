// SPDX-License-Identifier: GPL-3.0-or-later
#include "failureexplainer.h"
#include "versionquery.h"

#include <QDate>
#include <QFile>

FailureExplainer::FailureExplainer(const ChildCommand &command, const RanYtDlp &ran, QObject *parent)
    : QObject(parent)
    , command(command)
    , ran(ran)
{
    auto *query = new VersionQuery(command, this);
    connect(query, &VersionQuery::answered, this, [this, query](const QString &versionText) {
        query->deleteLater();
        askDeno(versionText);
    });
}

void FailureExplainer::askDeno(const QString &versionText)
{
    const QDate today = QDate::currentDate();
    const auto explain = [this, versionText, today](const QString &denoText) {
        emit explained(ran.causes + failureAdvice(ran, versionText, today, denoText),
                       updateNeeds(ran, versionText, today, denoText));
    };
    const QString deno = denoToAsk(ran, versionText, today);
    if (deno.isEmpty()) {
        explain({});
        return;
    }
    auto *query = new VersionQuery({QFile::encodeName(deno), {}, command.environment}, this);
    connect(query, &VersionQuery::answered, this, [query, explain](const QString &denoText) {
        query->deleteLater();
        explain(denoText);
    });
}
