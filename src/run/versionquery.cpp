// SPDX-License-Identifier: GPL-3.0-or-later
#include "versionquery.h"
#include "childprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>

namespace {
constexpr qsizetype answerLimit = 4096;
constexpr int timeLimitMs = 10000;
} // namespace

VersionQuery::VersionQuery(const ChildCommand &ran, QObject *parent, const QByteArrayList &arguments)
    : QObject(parent)
    , process(new QProcess(this))
{
    setObjectName("versionQuery");
    protectChild(process, {ran.program, arguments, ran.environment});
    process->setStandardErrorFile(QProcess::nullDevice());
    // A folder nobody but root can write to holds no planted configuration.
    process->setWorkingDirectory(QDir::rootPath());
    connect(process, &QProcess::readyReadStandardOutput, this, &VersionQuery::read);
    connect(process, &QProcess::finished, this, &VersionQuery::finish);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish();
    });
    QTimer::singleShot(timeLimitMs, this, &VersionQuery::finish);
    QStringList shown;
    for (const QByteArray &argument : arguments)
        shown += QFile::decodeName(argument);
    process->start(QFile::decodeName(ran.program), shown);
    group = childGroup(process);
}

VersionQuery::~VersionQuery()
{
    killGroup(group);
    process->waitForFinished(1000);
}

// Read as it comes, so that a program that writes without end never fills Kavari's memory.
void VersionQuery::read()
{
    const QByteArray chunk = process->readAllStandardOutput();
    text += chunk.left(answerLimit - text.size());
    if (text.size() >= answerLimit)
        finish();
}

void VersionQuery::finish()
{
    if (done)
        return;
    done = true;
    killGroup(group);
    emit answered(QString::fromUtf8(text));
}
