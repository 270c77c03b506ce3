// SPDX-License-Identifier: GPL-3.0-or-later
#include "fetch.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {
constexpr int silenceLimitMs = 30000;

QString mebibytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 1) + " MiB";
}
} // namespace

bool isAllowedLink(const QUrl &url)
{
    const QString host = url.host();
    if (url.scheme() == "https")
        return !host.isEmpty();
    return url.scheme() == "http" && (host == "127.0.0.1" || host == "::1" || host == "localhost");
}

Fetch::Fetch(QNetworkAccessManager *network, const QUrl &url, qint64 limit, QIODevice *into, QObject *parent)
    : QObject(parent)
    , into(into)
    , limit(limit)
{
    if (!isAllowedLink(url)) {
        // Told after the caller has connected.
        QTimer::singleShot(0, this, [this, url] {
            fail("Kavari fetches only over https, and " + url.toDisplayString() + " is not");
        });
        return;
    }
    QNetworkRequest request(url);
    // Each hop is judged as the first link was.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(silenceLimitMs);
    reply = network->get(request);
    connect(reply, &QNetworkReply::redirected, this, [this](const QUrl &to) {
        if (isAllowedLink(to))
            emit reply->redirectAllowed();
        else
            fail("it was sent on to " + to.toDisplayString() + ", which is not https");
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
        const qint64 size = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (size > this->limit)
            fail("it is " + mebibytes(size) + ", more than the " + mebibytes(this->limit) + " it may be");
    });
    connect(reply, &QNetworkReply::readyRead, this, &Fetch::read);
    connect(reply, &QNetworkReply::downloadProgress, this, &Fetch::progress);
    connect(reply, &QNetworkReply::finished, this, &Fetch::end);
}

Fetch::~Fetch()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void Fetch::read()
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray chunk = reply->readAll();
    // An error page is no part of the file.
    if (done || status < 200 || status > 299)
        return;
    received += chunk.size();
    if (received > limit) {
        fail("it is more than the " + mebibytes(limit) + " it may be");
        return;
    }
    hash.addData(chunk);
    if (!into)
        kept += chunk;
    else if (into->write(chunk) != chunk.size())
        fail("it could not be written: " + into->errorString());
}

void Fetch::end()
{
    if (done)
        return;
    read();
    if (done)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        fail(replyFailure());
        return;
    }
    const QVariant size = reply->header(QNetworkRequest::ContentLengthHeader);
    if (size.isValid() && size.toLongLong() != received) {
        fail(
            QString("the transfer stopped short, after %1 of %2 bytes").arg(received).arg(size.toLongLong()));
        return;
    }
    done = true;
    reply->deleteLater();
    emit finished({});
}

QString Fetch::replyFailure() const
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return QString("the server answered %1 %2")
            .arg(status)
            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    switch (reply->error()) {
    case QNetworkReply::HostNotFoundError:
        return "the name " + reply->url().host() + " could not be resolved; is this computer online?";
    case QNetworkReply::OperationCanceledError:
        // Only the transfer timeout cancels a reply that this object did not abort.
        return QString("nothing came for %1 s").arg(silenceLimitMs / 1000);
    case QNetworkReply::RemoteHostClosedError:
        return QString("the transfer stopped short, after %1 bytes").arg(received);
    default:
        return reply->errorString();
    }
}

void Fetch::fail(const QString &why)
{
    if (done)
        return;
    done = true;
    if (reply) {
        reply->disconnect(this);
        reply->abort();
    }
    emit finished(why);
}
