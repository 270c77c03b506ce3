// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// One file of a release, fetched with the limits of every fetch of Kavari's: https only (http only
// from this machine, for tests and local mirrors), each redirect judged by the same rule before it
// is followed, the system's proxy, an end when nothing comes for 30 s or when the file has not come
// whole in a time its size limit sets, and a size limit checked before and while the data comes,
// with no more of it read ahead than a few hundred kilobytes. Only a 2xx reply is the file. The
// data goes to a device, or is kept when there is none, and is hashed as it comes. Going away
// stops the transfer.
class Fetch : public QObject
{
    Q_OBJECT

public:
    Fetch(QNetworkAccessManager *network, const QUrl &url, qint64 limit, QIODevice *into, QObject *parent);
    ~Fetch() override;

    // What came, when there was no device.
    QByteArray data() const { return kept; }
    // The SHA-256 of what came, in lower-case hex.
    QByteArray sha256() const { return hash.result().toHex(); }

signals:
    // Of the file itself, not of the redirects before it; total is -1 while unknown.
    void progress(qint64 received, qint64 total);
    // Once; empty when the whole file came, otherwise why not.
    void finished(const QString &failure);

private:
    void get(const QUrl &url);
    void readHeaders();
    void read();
    void end();
    void fail(const QString &why);
    void drop();
    int status() const;
    QString replyFailure() const;

    QNetworkAccessManager *network;
    // The manager's, which may go first.
    QPointer<QNetworkReply> reply;
    QIODevice *into;
    qint64 limit;
    qint64 received = 0;
    int redirects = 0;
    QByteArray kept;
    QCryptographicHash hash {QCryptographicHash::Sha256};
    QTimer *deadline;
    bool done = false;
};

// Whether Kavari fetches from this link: https, or http to this machine.
bool isAllowedLink(const QUrl &url);
// How long a file of at most that many bytes may take to come whole.
int wholeFileLimitMs(qint64 limit);
