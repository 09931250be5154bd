#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>

namespace velmora {

class Host;

// Dotted version numbers compared part by part ("1.10" is newer than "1.9.3"); a leading
// "Version " is ignored. False when either text is not such a number.
bool isNewerVersion(const QString& offered, const QString& current);

// Asks an update address in the background for a small JSON document
// {"version": "1.2.0", "url": "https://..."} and, when that version is newer than the running
// one, offers its download address in a message through shownBy. Every failure (no
// complete answer before the deadline, refused connection, HTTP error, an answer that is
// compressed, malformed, larger than 64 KB or has no http or https address) ends silently.
// No step on the calling thread handles more than 64 KB.
class UpdateCheck : public QObject {
    Q_OBJECT

public:
    // currentVersion: the program's version text ("Version 1.0.0").
    UpdateCheck(QString currentVersion, Host& shownBy, QObject* parent = nullptr);

    // Starts one request that ends, answered or not, within timeout; nothing happens for an
    // empty address.
    void start(const QUrl& address,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

signals:
    // After a request, whether or not it offered anything.
    void finished();

private:
    void evaluate(const QByteArray& answer);

    QString currentVersion_;
    Host& shownBy_;
    QNetworkAccessManager network_;
};

}  // namespace velmora
