// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"

#include <QByteArray>
#include <QObject>

class QProcess;

// Asks a program such as yt-dlp for its version without holding up the window. Whatever the program does, the
// answer is small and the query ends: at most 4 KB of standard output are kept, standard error is
// dropped, and the whole query (anything it forked included) is killed after 10 s, when its
// answer is in, and when this object goes.
class VersionQuery : public QObject
{
    Q_OBJECT

public:
    // The command that ran; asked with its program and environment. Other short questions, such
    // as gpgv's verdict, take other arguments.
    VersionQuery(const ChildCommand &ran, QObject *parent, const QByteArrayList &arguments = {"--version"});
    ~VersionQuery() override;

signals:
    // What it printed; empty when it could not be started or printed nothing.
    void answered(const QString &text);

private:
    void read();
    void finish();

    QProcess *process;
    qint64 group = 0;
    QByteArray text;
    bool done = false;
};
