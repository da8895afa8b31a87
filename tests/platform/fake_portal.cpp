// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_portal.h"

#include <QTimer>
#include <QUrl>

using namespace std::chrono_literals;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

}  // namespace

FakePortal::FakePortal(QDBusConnection bus) : bus_(std::move(bus)) {
    bus_.registerObject(kPath, this, QDBusConnection::ExportAllSlots);
    bus_.registerService(kService);
}

FakePortal::~FakePortal() {
    bus_.unregisterService(kService);
    bus_.unregisterObject(kPath);
}

QDBusObjectPath FakePortal::Screenshot(const QString&, const QVariantMap& options,
                                       const QDBusMessage& message) {
    ++calls;
    lastOptions = options;
    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString request = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') +
                            options.value(QStringLiteral("handle_token")).toString();
    if (answer == Answer::Never) return QDBusObjectPath(request);

    // The answer goes out well before the reply to the call, as a quick portal's may: a
    // client that subscribes only once it has the reply never hears it.
    QDBusMessage response = QDBusMessage::createSignal(
        request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    QVariantMap results;
    uint code = 2;
    if (answer == Answer::Picture) {
        code = 0;
        results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(pictureFile).toString());
    } else if (answer == Answer::Cancelled) {
        code = 1;
    }
    response << code << results;
    bus_.send(response);
    message.setDelayedReply(true);
    QTimer::singleShot(
        200ms, this,
        [bus = bus_, reply = message.createReply(QVariant::fromValue(QDBusObjectPath(request)))] {
            bus.send(reply);
        });
    return QDBusObjectPath(request);
}
