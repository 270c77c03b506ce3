// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

// Python's http.server on 127.0.0.1, on a port the system picks, serving one folder; or a script
// of the tests' own that serves it as "script FOLDER ARGUMENTS..." and says its port the same way.
class LocalHttpServer
{
public:
    ~LocalHttpServer()
    {
        server.kill();
        server.waitForFinished();
    }

    // Waits until the server says which port it took; false when it did not start.
    bool start(const QString &folder, const QString &script = {}, const QStringList &arguments = {})
    {
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start("python3",
                     script.isEmpty() ? QStringList {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                                     "--directory", folder}
                                      : QStringList {"-u", script, folder} + arguments);
        // Python may warn about something first; the port is on the line that says it serves.
        const QRegularExpression serving("port (\\d+)");
        QString banner;
        while (!serving.match(banner).hasMatch() && server.waitForReadyRead(20000))
            banner += QString::fromUtf8(server.readAll());
        port = serving.match(banner).captured(1).toInt();
        return port > 0;
    }
    QString url(const QString &fileName) const
    {
        return QString("http://127.0.0.1:%1/%2").arg(port).arg(fileName);
    }

private:
    QProcess server;
    int port = 0;
};
