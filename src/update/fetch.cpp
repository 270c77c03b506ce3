// SPDX-License-Identifier: GPL-3.0-or-later
#include "fetch.h"

#include <QIODevice>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int silenceLimitMs = 30000;
constexpr int redirectLimit = 10;
// What the network thread may read ahead of Kavari. Unbounded, a fast server fills memory faster
// than the size limit is checked on this side.
constexpr qint64 readAhead = 256 * 1024;
// yt-dlp's 64 MiB in 10 minutes: about 110 KB/s brings any file whole within its time.
constexpr qint64 slowestBytesPerSecond = (qint64(64) << 20) / 600;
constexpr int shortestWholeFileMs = 10000;

QString mebibytes(qint64 bytes)
{
    return QLocale().toString(double(bytes) / (1 << 20), 'f', 1);
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// A file, whole: not "no content", nor a part of it, nor a page that says it moved.
bool isFile(int status)
{
    return status == 200 || status == 203;
}
} // namespace

bool isAllowedLink(const QUrl &url)
{
    const QString host = url.host();
    if (url.scheme() == "https")
        return !host.isEmpty();
    return url.scheme() == "http" && (host == "127.0.0.1" || host == "::1" || host == "localhost");
}

int wholeFileLimitMs(qint64 limit)
{
    return int(std::max<qint64>(shortestWholeFileMs, limit * 1000 / slowestBytesPerSecond));
}

Fetch::Fetch(QNetworkAccessManager *network, const QUrl &url, qint64 limit, QIODevice *into, QObject *parent)
    : QObject(parent)
    , network(network)
    , into(into)
    , limit(limit)
    , deadline(new QTimer(this))
{
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] {
        const int seconds = deadline->interval() / 1000;
        fail(seconds < 120 ? tr("it had not come whole after %1 s").arg(seconds)
                           : tr("it had not come whole after %1 minutes").arg(seconds / 60));
    });
    deadline->start(wholeFileLimitMs(limit));
    // Also a link that is refused at once is told after the caller has connected.
    QTimer::singleShot(0, this, [this, url] { get(url); });
}

Fetch::~Fetch()
{
    drop();
}

// Each hop is judged before it is asked for. Qt 6.4's own following of redirects is no help here:
// it follows the last redirect once for every hop before it, and the requests for the file then
// share one reply, which gets the body twice or not at all.
void Fetch::get(const QUrl &url)
{
    if (done)
        return;
    if (!isAllowedLink(url)) {
        fail(redirects == 0 ? tr("Kavari fetches only over https, and %1 is not").arg(url.toDisplayString())
                            : tr("it was sent on to %1, which is not https").arg(url.toDisplayString()));
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(silenceLimitMs);
    reply = network->get(request);
    reply->setReadBufferSize(readAhead);
    connect(reply, &QNetworkReply::metaDataChanged, this, &Fetch::readHeaders);
    connect(reply, &QNetworkReply::readyRead, this, &Fetch::read);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 bytes, qint64 total) {
        if (isFile(status()))
            emit progress(bytes, total);
    });
    connect(reply, &QNetworkReply::finished, this, &Fetch::end);
}

void Fetch::readHeaders()
{
    const qint64 size = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (isFile(status()) && size > limit)
        fail(tr("it is %1 MiB, more than the %2 MiB it may be").arg(mebibytes(size), mebibytes(limit)));
}

// Everything that comes is read at once, so that the network thread may read on; only the body of
// a reply that is the file counts, never an error page or the body of a redirect.
void Fetch::read()
{
    if (!reply->isOpen())
        return;
    const QByteArray chunk = reply->readAll();
    if (done || !isFile(status()))
        return;
    received += chunk.size();
    if (received > limit) {
        fail(tr("it is more than the %1 MiB it may be").arg(mebibytes(limit)));
        return;
    }
    hash.addData(chunk);
    if (!into)
        kept += chunk;
    else if (into->write(chunk) != chunk.size())
        fail(tr("it could not be written: %1").arg(into->errorString()));
}

void Fetch::end()
{
    if (done)
        return;
    read();
    if (done)
        return;
    const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (reply->error() == QNetworkReply::NoError && isRedirect(status()) && target.isValid()) {
        const QUrl next = reply->url().resolved(target.toUrl());
        drop();
        if (++redirects > redirectLimit)
            fail(tr("it was sent on more than %1 times").arg(redirectLimit));
        else
            get(next);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        fail(replyFailure());
        return;
    }
    if (!isFile(status())) {
        fail(tr("the server answered %1 %2 instead of the file")
                 .arg(status())
                 .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    const QVariant size = reply->header(QNetworkRequest::ContentLengthHeader);
    if (size.isValid() && size.toLongLong() != received) {
        fail(tr("the transfer stopped short, after %1 of %2 bytes").arg(QLocale().toString(received), QLocale().toString(size.toLongLong())));
        return;
    }
    done = true;
    deadline->stop();
    drop();
    emit finished({});
}

int Fetch::status() const
{
    return reply ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

QString Fetch::replyFailure() const
{
    if (status() >= 400)
        return tr("the server answered %1 %2")
            .arg(status())
            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    switch (reply->error()) {
    case QNetworkReply::HostNotFoundError:
        return tr("the name %1 could not be resolved; is this computer online?").arg(reply->url().host());
    case QNetworkReply::OperationCanceledError:
        // Only the transfer timeout cancels a reply that this object did not abort.
        return tr("nothing came for %1 s").arg(silenceLimitMs / 1000);
    case QNetworkReply::RemoteHostClosedError:
        return tr("the transfer stopped short, after %1 bytes").arg(QLocale().toString(received));
    default:
        return reply->errorString();
    }
}

void Fetch::drop()
{
    if (!reply)
        return;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    reply = nullptr;
}

void Fetch::fail(const QString &why)
{
    if (done)
        return;
    done = true;
    deadline->stop();
    drop();
    // Nothing of a file that failed is kept.
    kept = QByteArray();
    emit finished(why);
}
