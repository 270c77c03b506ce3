// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// Python's http.server on 127.0.0.1, on a port the system picks, serving one folder.
class LocalHttpServer
{
public:
    ~LocalHttpServer();

    // Waits until the server says which port it took; false when it did not start.
    bool start(const QString &folder);
    QString url(const QString &fileName) const;

private:
    QProcess server;
    int port = 0;
};
