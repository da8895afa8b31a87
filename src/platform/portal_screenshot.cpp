// SPDX-License-Identifier: GPL-3.0-or-later
#include "portal_screenshot.h"

#include "picture_io.h"
#include "picture_memory.h"
#include "portal_request.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QFile>
#include <QRandomGenerator>
#include <QUrl>

namespace chromadeck::platform {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// The portal's Response codes.
constexpr uint kSuccess = 0;
constexpr uint kCancelled = 1;

QDBusConnection busNamed(const QString& name) {
    return name.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(name);
}

// Where the portal will answer: our unique name without its colon, dots as underscores.
QString requestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

bool portalMissing(const QDBusError& error) {
    switch (error.type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::NoServer:
        case QDBusError::Disconnected:
        case QDBusError::UnknownObject:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
            return true;
        default:
            return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}

PortalShot failed(PortalRefusal refusal, QString detail = {}) {
    return {std::nullopt, refusal, std::move(detail)};
}

// Reads the picture the portal wrote and removes the file, whether it could be read or not:
// it was written for this capture alone.
PortalShot takePictureFile(const QVariantMap& results) {
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    const QString path = uri.isLocalFile() ? uri.toLocalFile() : QString();
    if (path.isEmpty()) return failed(PortalRefusal::Unreadable, uri.toString());

    const LoadedPicture loaded = LoadPicture(path);
    QFile::remove(path);
    if (loaded.ok() && !loaded.image.isNull()) return {loaded.image, PortalRefusal::None, {}};
    // A picture the memory budget cannot hold is the grab's out-of-memory answer.
    if (loaded.error.startsWith(OutOfMemoryMessage(QString())))
        return {QImage(), PortalRefusal::None, {}};
    return failed(PortalRefusal::Unreadable, loaded.error);
}

}  // namespace

QString PortalShot::reason() const {
    switch (refusal) {
        case PortalRefusal::None:
            return {};
        case PortalRefusal::NotThere:
            return QCoreApplication::translate("PortalScreenshot",
                                               "桌面没有提供截图服务（xdg-desktop-portal）。");
        case PortalRefusal::Cancelled:
            return QCoreApplication::translate("PortalScreenshot", "截图被取消了。");
        case PortalRefusal::Declined:
            return QCoreApplication::translate("PortalScreenshot", "桌面的截图服务拒绝了截图。");
        case PortalRefusal::NoAnswer:
            return QCoreApplication::translate("PortalScreenshot", "桌面的截图服务没有回答。");
        case PortalRefusal::Unreadable:
            return QCoreApplication::translate("PortalScreenshot",
                                               "桌面的截图服务给出的图片无法读取：") +
                   detail;
    }
    return {};
}

PortalScreenshot::PortalScreenshot(QString busName, std::chrono::milliseconds answerTime)
    : busName_(std::move(busName)), answerTime_(answerTime) {}

PortalShot PortalScreenshot::take() const {
    const QDBusConnection bus = busNamed(busName_);
    if (!bus.isConnected()) return failed(PortalRefusal::NotThere, bus.lastError().message());

    const QString token =
        QStringLiteral("chromadeck%1").arg(QRandomGenerator::global()->generate());
    PortalRequest request(bus, answerTime_);
    request.listen(requestPath(bus, token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    // Not interactive: the capture window is where the user chooses the region.
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};

    switch (request.run(call)) {
        case PortalRequest::Outcome::Answered:
            break;
        case PortalRequest::Outcome::CallFailed:
            if (portalMissing(request.callError()))
                return failed(PortalRefusal::NotThere, request.callError().message());
            if (request.callError().type() == QDBusError::NoReply)
                return failed(PortalRefusal::NoAnswer);
            return failed(PortalRefusal::Declined, request.callError().message());
        case PortalRequest::Outcome::TimedOut:
        case PortalRequest::Outcome::Waiting:
            return failed(PortalRefusal::NoAnswer);
    }
    if (request.response() == kCancelled) return failed(PortalRefusal::Cancelled);
    if (request.response() != kSuccess) return failed(PortalRefusal::Declined);
    return takePictureFile(request.results());
}

}  // namespace chromadeck::platform
