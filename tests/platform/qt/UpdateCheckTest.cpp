#include "platform/qt/UpdateAddress.h"
#include "platform/qt/UpdateCheck.h"
#include "platform/qt/UpdateCheckModule.h"

#include <gtest/gtest.h>

#include <QHostAddress>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <string>
#include <vector>

#include "support/ScriptedHost.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// A local HTTP server that gives every request the same raw answer; with an empty answer
// it keeps the connection open without a word.
class TinyHttpServer {
public:
    explicit TinyHttpServer(QByteArray answer) : answer_(std::move(answer)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                if (!answer_.isEmpty()) {
                    socket->write(answer_);
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/velmora.json").arg(server_.serverPort()));
    }

private:
    QByteArray answer_;
    QTcpServer server_;
};

QByteArray http(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// What the check shows for one answer of the server.
std::vector<std::string> offers(const QUrl& address, std::chrono::milliseconds timeout = 5s) {
    testing::ScriptedHost host;
    UpdateCheck check(QStringLiteral("Version 1.0.0"), host);
    QSignalSpy finished(&check, &UpdateCheck::finished);
    check.start(address, timeout);
    EXPECT_TRUE(finished.wait(10000));
    return host.informations;
}

TEST(UpdateCheck, OffersOnlyANewerVersionWithAWebAddress) {
    struct Case {
        QByteArray answer;
        bool offered;
    };
    const QByteArray newer = R"({"version": "1.0.10", "url": "https://example.invalid/v.exe"})";
    const std::vector<Case> cases{
        {http("200 OK", newer), true},
        {http("200 OK", R"({"version": "1.0.0", "url": "https://example.invalid/v.exe"})"), false},
        {http("200 OK", R"({"version": "0.9.9", "url": "https://example.invalid/v.exe"})"), false},
        {http("200 OK", R"({"version": "2.0", "url": "file:///etc/passwd"})"), false},
        {http("200 OK", R"({"version": "zwei", "url": "https://example.invalid/v.exe"})"), false},
        {http("200 OK", "{\"version\": \"2.0\", "), false},
        {http("500 Internal Server Error", newer), false},
        {http("200 OK", newer + QByteArray(100 * 1024, ' ')), false},
    };
    for (const Case& c : cases) {
        TinyHttpServer server(c.answer);
        const std::vector<std::string> shown = offers(server.url());
        if (c.offered) {
            EXPECT_EQ(shown, std::vector<std::string>{
                                 "Eine neue Version von Velmora ist erhältlich: Version 1.0.10. "
                                 "Installiert ist Version 1.0.0.\nSie können sie hier "
                                 "herunterladen:\nhttps://example.invalid/v.exe"});
        } else {
            EXPECT_TRUE(shown.empty()) << c.answer.left(80).toStdString();
        }
    }
}

TEST(UpdateCheck, SilentServerAndRefusedConnectionEndQuietly) {
    TinyHttpServer silent{QByteArray()};
    EXPECT_TRUE(offers(silent.url(), 300ms).empty());

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QUrl refused(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();
    EXPECT_TRUE(offers(refused).empty());
}

// A server that answers with a head and then sends one piece of body every interval,
// for as long as the client listens.
class DrippingServer {
public:
    DrippingServer(QByteArray head, QByteArray piece, std::chrono::milliseconds interval)
        : head_(std::move(head)), piece_(std::move(piece)) {
        server_.listen(QHostAddress::LocalHost);
        timer_.setInterval(interval);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request_ += socket->readAll();
                if (socket_ == nullptr) {
                    socket_ = socket;
                    socket->write(head_);
                    timer_.start();
                }
            });
        });
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (socket_ != nullptr && socket_->state() == QAbstractSocket::ConnectedState) {
                socket_->write(piece_);
            }
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/velmora.json").arg(server_.serverPort()));
    }
    const QByteArray& request() const { return request_; }

private:
    QByteArray head_;
    QByteArray piece_;
    QByteArray request_;
    QTcpServer server_;
    QTimer timer_;
    QPointer<QTcpSocket> socket_;
};

QByteArray chunk(const QByteArray& data) {
    return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n";
}

// Each of these would run for minutes or take gigabytes without a cap on what is read and a
// deadline for the whole exchange; each must end quietly within the deadline.
TEST(UpdateCheck, EndlessAndDrippingAnswersEndAtTheDeadlineOrTheCap) {
    const QByteArray newer = R"({"version": "1.0.10", "url": "https://example.invalid/v.exe"})";
    const QByteArray chunkedHead =
        "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nTransfer-Encoding: chunked\r\n\r\n";
    struct Case {
        const char* what;
        QByteArray head;
        QByteArray piece;
        std::chrono::milliseconds interval;
    };
    const std::vector<Case> cases{
        // Many chunks fast: no progress signal tells the size while they stream.
        {"chunked flood", chunkedHead + chunk(newer), chunk(QByteArray(16 * 1024, ' ')), 1ms},
        // One byte now and then: never idle long enough for an inactivity timeout.
        {"drip", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n", " ", 100ms},
    };
    for (const Case& c : cases) {
        DrippingServer server(c.head, c.piece, c.interval);
        EXPECT_TRUE(offers(server.url(), 1s).empty()) << c.what;
    }
}

TEST(UpdateCheck, CompressedAnswersAreNeitherAskedForNorInflated) {
    // The gzip form of the newer offer: a server that compresses although not asked to.
    const QByteArray gzipped = QByteArray::fromBase64(
        "H4sIAAAAAAACA6tWKkstKs7Mz1OyUlAy1DPQMzRQ0lFQKi3KAQlklJQUFFvp66dWJOYW5KTqZeaVJeZkpuiX6aVWpC"
        "rVAgDgU56fPQAAAA==");
    TinyHttpServer server("HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: " +
                          QByteArray::number(gzipped.size()) + "\r\nConnection: close\r\n\r\n" +
                          gzipped);
    EXPECT_TRUE(offers(server.url()).empty());

    DrippingServer listening("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", "", 1s);
    offers(listening.url(), 300ms);
    EXPECT_TRUE(listening.request().toLower().contains("accept-encoding: identity"))
        << listening.request().toStdString();
}

TEST(UpdateCheck, AddressOnlyFromTheSettingsAndOnlyForTheWeb) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("velmora.ini")), QSettings::IniFormat);
    EXPECT_TRUE(updateAddress(settings).isEmpty());
    settings.setValue(QLatin1String(kUpdateAddressKey), QStringLiteral("ftp://example.invalid/"));
    EXPECT_TRUE(updateAddress(settings).isEmpty());
    settings.setValue(QLatin1String(kUpdateAddressKey),
                      QStringLiteral(" https://example.invalid/velmora.json "));
    EXPECT_EQ(updateAddress(settings),
              QUrl(QStringLiteral("https://example.invalid/velmora.json")));
    // Nothing happens without an address.
    testing::ScriptedHost host;
    UpdateCheck check(QStringLiteral("Version 1.0.0"), host);
    QSignalSpy finished(&check, &UpdateCheck::finished);
    check.start(QUrl());
    EXPECT_FALSE(finished.wait(100));
}

// The program reaches the check only through its module beside it: the offer must come
// through the host the program hands over, and a missing module means no check.
TEST(UpdateCheck, RunsFromItsModuleBesideTheProgram) {
    const std::string programDirectory = qgetenv("VELMORA_BIN").toStdString() + "/";
    TinyHttpServer server(
        http("200 OK", R"({"version": "1.1", "url": "https://example.invalid/v.exe"})"));
    testing::ScriptedHost host;
    QObject owner;
    QObject* check = startUpdateCheckModule(programDirectory, &owner, host,
                                            QStringLiteral("Version 1.0.0"), server.url());
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->parent(), &owner);
    QSignalSpy finished(check, SIGNAL(finished()));
    ASSERT_TRUE(finished.wait(10000));
    ASSERT_EQ(host.informations.size(), 1U);
    EXPECT_NE(host.informations[0].find("Version 1.1."), std::string::npos);

    QTemporaryDir empty;
    EXPECT_EQ(startUpdateCheckModule(empty.path().toStdString() + "/", &owner, host,
                                     QStringLiteral("Version 1.0.0"), server.url()),
              nullptr);
}

TEST(UpdateCheck, VersionsCompareByTheirNumbers) {
    EXPECT_TRUE(isNewerVersion(QStringLiteral("1.10"), QStringLiteral("Version 1.9.3")));
    EXPECT_TRUE(isNewerVersion(QStringLiteral("Version 1.0.1"), QStringLiteral("1.0")));
    EXPECT_FALSE(isNewerVersion(QStringLiteral("1.0.0.0"), QStringLiteral("1.0")));
    EXPECT_FALSE(isNewerVersion(QStringLiteral("1.x"), QStringLiteral("1.0")));
    EXPECT_FALSE(isNewerVersion(QStringLiteral(""), QStringLiteral("1.0")));
}

}  // namespace
}  // namespace velmora
