// SPDX-License-Identifier: GPL-3.0-or-later
#include "versions.h"

#include <QRegularExpression>

QString datedVersion(const QString &versionText)
{
    static const QRegularExpression dated("^\\d{4}\\.\\d{2}\\.\\d{2}(\\.\\d+)?$");
    const QString version = versionText.trimmed().section('\n', 0, 0).trimmed();
    return dated.match(version).hasMatch() && versionDate(version).isValid() ? version : QString();
}

QDate versionDate(const QString &version)
{
    const QStringList parts = version.split('.');
    if (parts.size() < 3)
        return {};
    return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

QVersionNumber denoVersion(const QString &versionText)
{
    static const QRegularExpression named("^deno (\\d+\\.\\d+\\.\\d+)\\b");
    return QVersionNumber::fromString(named.match(versionText.trimmed()).captured(1));
}
