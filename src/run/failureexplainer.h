// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"

#include <QObject>

// Finds out why a run failed, without holding up the window: asks the yt-dlp that ran for its
// version, and the deno it would use for its own, each with the limits of a VersionQuery.
class FailureExplainer : public QObject
{
    Q_OBJECT

public:
    FailureExplainer(const ChildCommand &command, const RanYtDlp &ran, QObject *parent);

signals:
    // Once, with the lines for the log and what an update could mend.
    void explained(const QStringList &lines, const UpdateNeeds &needs);

private:
    void askDeno(const QString &versionText);

    ChildCommand command;
    RanYtDlp ran;
};
