// SPDX-License-Identifier: GPL-3.0-or-later
#include "versions.h"

#include <QDateTime>
#include <QFileInfo>
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

namespace {
// A file replaced by a rename, as updates do, is written anew: its time changes.
QString fileStamp(const QString &program)
{
    const QFileInfo file(program);
    return QString("%1\n%2\n%3").arg(program).arg(file.size()).arg(file.lastModified().toMSecsSinceEpoch());
}
} // namespace

bool KnownVersion::isKnown(const QString &program) const
{
    return !program.isEmpty() && stamp == fileStamp(program);
}

void KnownVersion::remember(const QString &program, const QString &version)
{
    stamp = fileStamp(program);
    dated = version;
}
