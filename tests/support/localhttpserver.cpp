// SPDX-License-Identifier: GPL-3.0-or-later
#include "localhttpserver.h"

#include <QRegularExpression>

LocalHttpServer::~LocalHttpServer()
{
    server.kill();
    server.waitForFinished();
}

bool LocalHttpServer::start(const QString &folder)
{
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder});
    const QRegularExpression serving("port (\\d+)");
    QString banner;
    while (!serving.match(banner).hasMatch() && server.waitForReadyRead(20000))
        banner += QString::fromUtf8(server.readAll());
    port = serving.match(banner).captured(1).toInt();
    return port > 0;
}

QString LocalHttpServer::url(const QString &fileName) const
{
    return QString("http://127.0.0.1:%1/%2").arg(port).arg(fileName);
}
