#include "platform/qt/UpdateCheck.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <utility>

#include "base/Host.h"
#include "platform/qt/UpdateAddress.h"

namespace velmora {

namespace {

// An answer of {version, url} takes a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxAnswerBytes = 64 * 1024;

// The numbers of "1.2.3" or "Version 1.2.3"; empty when the text is not such a version.
QList<int> versionNumbers(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1String("Version "))) {
        text = text.mid(8);
    }
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,6}(\\.\\d{1,6}){0,5}$"));
    QList<int> numbers;
    if (dotted.match(text).hasMatch()) {
        for (const QString& part : text.split(QLatin1Char('.'))) {
            numbers.append(part.toInt());
        }
    }
    return numbers;
}

// "1.2.0" for "Version 1.2.0", for the message.
QString versionText(const QString& text) {
    QStringList parts;
    for (const int number : versionNumbers(text)) {
        parts.append(QString::number(number));
    }
    return parts.join(QLatin1Char('.'));
}

}  // namespace

bool isNewerVersion(const QString& offered, const QString& current) {
    QList<int> a = versionNumbers(offered);
    QList<int> b = versionNumbers(current);
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    while (a.size() < b.size()) {
        a.append(0);
    }
    while (b.size() < a.size()) {
        b.append(0);
    }
    return a > b;
}

UpdateCheck::UpdateCheck(QString currentVersion, Host& shownBy, QObject* parent)
    : QObject(parent), currentVersion_(std::move(currentVersion)), shownBy_(shownBy) {}

void UpdateCheck::start(const QUrl& address, std::chrono::milliseconds timeout) {
    if (address.isEmpty()) {
        return;
    }
    QNetworkRequest request(address);
    // Naming the encoding ourselves keeps the network layer from inflating a compressed
    // answer on the window's thread, where a small bomb would freeze the window.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = network_.get(request);
    reply->setReadBufferSize(kMaxAnswerBytes + 1);
    auto answer = std::make_shared<QByteArray>();
    // Takes what arrived, at most one byte past the cap, so every step stays small.
    auto take = [reply, answer] {
        answer->append(reply->read(kMaxAnswerBytes + 1 - answer->size()));
        if (answer->size() > kMaxAnswerBytes) {
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if ((!encoding.isEmpty() && encoding != "identity") || length > kMaxAnswerBytes) {
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, reply, take);
    // A deadline for the whole exchange: a server that drips its answer keeps the transfer
    // alive for as long as it likes.
    QTimer::singleShot(timeout, reply, [reply] { reply->abort(); });
    connect(reply, &QNetworkReply::finished, this, [this, reply, answer, take] {
        if (reply->error() == QNetworkReply::NoError) {
            take();  // aborts, and so sets an error, past the cap
        }
        if (reply->error() == QNetworkReply::NoError) {
            evaluate(*answer);
        }
        reply->deleteLater();
        emit finished();
    });
}

void UpdateCheck::evaluate(const QByteArray& answer) {
    const QJsonObject offer = QJsonDocument::fromJson(answer).object();
    const QString version = offer.value(QLatin1String("version")).toString();
    const QUrl download(offer.value(QLatin1String("url")).toString());
    if (!isWebAddress(download) || !isNewerVersion(version, currentVersion_)) {
        return;
    }
    shownBy_.showInformationWithLink("Eine neue Version von Velmora ist erhältlich: Version " +
                                         versionText(version).toStdString() + ". Installiert ist " +
                                         currentVersion_.toStdString() +
                                         ".\nSie können sie hier herunterladen:",
                                     download.toString(QUrl::FullyEncoded).toStdString());
}

}  // namespace velmora
