// SPDX-License-Identifier: GPL-3.0-or-later
// The screen grab of a Wayland session: the desktop portal on a private session bus,
// answering the way a compositor's portal does, and the session that decides the way.
#include "fake_portal.h"
#include "platform/desktop_session.h"
#include "platform/portal_screenshot.h"
#include "platform/qt_screen.h"
#include "private_bus.h"

#include <QtTest>
#include <memory>

using namespace chromadeck::platform;
using namespace std::chrono_literals;

namespace {

const QString kClient = QStringLiteral("chromadeck-client");

QImage sample(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    for (int x = 0; x < size.width(); x += 3) image.setPixel(x, x % size.height(), qRgb(9, 200, 7));
    return image;
}

QString reasonOf(PortalRefusal refusal) {
    PortalShot shot;
    shot.refusal = refusal;
    return shot.reason();
}

}  // namespace

class PortalGrabTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void sessionFollowsTheCompositor();
    void answeredPictureIsReadAndItsFileRemoved();
    void refusalsSayWhy();
    void waylandScreenGrabsThroughThePortal();

  private:
    // The file the portal is told to hand out.
    QString writePicture(const QImage& image, const QString& name);

    std::unique_ptr<PrivateBus> bus_;
    std::unique_ptr<QDBusConnection> portalLine_;
    std::unique_ptr<FakePortal> portal_;
    QTemporaryDir pictures_;
};

void PortalGrabTest::initTestCase() {
    bus_ = std::make_unique<PrivateBus>();
    if (!bus_->failure().isEmpty()) return;
    bus_->connect(kClient);
    portalLine_ = std::make_unique<QDBusConnection>(bus_->connect(QStringLiteral("fake-portal")));
    QVERIFY(portalLine_->isConnected());
    QVERIFY(QDBusConnection(kClient).isConnected());
}

void PortalGrabTest::cleanupTestCase() {
    portal_.reset();
    portalLine_.reset();
    bus_.reset();
}

void PortalGrabTest::init() {
    const char* const function = QTest::currentTestFunction();
    if (qstrcmp(function, "sessionFollowsTheCompositor") == 0) return;
    if (!bus_->failure().isEmpty()) QSKIP(qPrintable(bus_->failure()));
    portal_ = std::make_unique<FakePortal>(*portalLine_);
}

void PortalGrabTest::cleanup() {
    portal_.reset();
}

QString PortalGrabTest::writePicture(const QImage& image, const QString& name) {
    const QString path = pictures_.filePath(name);
    if (!image.save(path, "PNG")) return {};
    return path;
}

void PortalGrabTest::sessionFollowsTheCompositor() {
    // XWayland leaves WAYLAND_DISPLAY to its clients; a login manager may say only the type.
    QCOMPARE(SessionFrom("wayland-0", ""), DesktopSession::Wayland);
    QCOMPARE(SessionFrom("wayland-0", "x11"), DesktopSession::Wayland);
    QCOMPARE(SessionFrom("", "wayland"), DesktopSession::Wayland);
    QCOMPARE(SessionFrom("", "x11"), DesktopSession::X11);
    QCOMPARE(SessionFrom("", "tty"), DesktopSession::X11);
    QCOMPARE(SessionFrom("", ""), DesktopSession::X11);
}

void PortalGrabTest::answeredPictureIsReadAndItsFileRemoved() {
    const QImage picture = sample(QSize(64, 48), qRgb(200, 30, 90));
    portal_->pictureFile = writePicture(picture, QStringLiteral("Screenshot 1.png"));
    QVERIFY(!portal_->pictureFile.isEmpty());

    const PortalShot shot = PortalScreenshot(kClient, 10s).take();
    QCOMPARE(shot.refusal, PortalRefusal::None);
    QVERIFY(shot.picture.has_value());
    QCOMPARE(*shot.picture, picture);
    QVERIFY(shot.reason().isEmpty());
    QVERIFY(!QFile::exists(portal_->pictureFile));  // no screenshots left behind
    QCOMPARE(portal_->calls, 1);
    QCOMPARE(portal_->lastOptions.value("interactive"), QVariant(false));
    QVERIFY(!portal_->lastOptions.value("handle_token").toString().isEmpty());

    // A file that is no picture is still the portal's leftover: refused, and removed.
    portal_->pictureFile = pictures_.filePath(QStringLiteral("Screenshot 2.png"));
    QFile junk(portal_->pictureFile);
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a picture") > 0);
    junk.close();
    const PortalShot unreadable = PortalScreenshot(kClient, 10s).take();
    QCOMPARE(unreadable.refusal, PortalRefusal::Unreadable);
    QVERIFY(!unreadable.picture);
    QVERIFY(!QFile::exists(portal_->pictureFile));
}

void PortalGrabTest::refusalsSayWhy() {
    const std::pair<FakePortal::Answer, PortalRefusal> answers[] = {
        {FakePortal::Answer::Cancelled, PortalRefusal::Cancelled},
        {FakePortal::Answer::Failed, PortalRefusal::Declined},
        {FakePortal::Answer::Never, PortalRefusal::NoAnswer},
    };
    QStringList reasons;
    for (auto [answer, refusal] : answers) {
        portal_->answer = answer;
        const PortalShot shot = PortalScreenshot(kClient, 300ms).take();
        QCOMPARE(shot.refusal, refusal);
        QVERIFY(!shot.picture);
        reasons.append(shot.reason());
    }

    // Without a portal the call fails at once, not after the answer time.
    portal_.reset();
    const PortalShot absent = PortalScreenshot(kClient, 600s).take();
    QCOMPARE(absent.refusal, PortalRefusal::NotThere);
    reasons.append(absent.reason());

    // An unknown connection is a bus that is not there either.
    QCOMPARE(PortalScreenshot(QStringLiteral("no-such-connection")).take().refusal,
             PortalRefusal::NotThere);

    reasons.removeDuplicates();
    QCOMPARE(reasons.size(), 4);  // each says its own reason
    QVERIFY(!reasons.contains(QString()));
}

void PortalGrabTest::waylandScreenGrabsThroughThePortal() {
    GrabRoute wayland;
    wayland.session = DesktopSession::Wayland;
    wayland.portalBus = kClient;
    wayland.portalAnswerTime = 10s;
    QtScreen screen(wayland);

    // The offscreen screen is 1920 x 1080; the portal's picture is the screen as it is.
    const QImage desktop = sample(QSize(1920, 1080), qRgb(40, 90, 160));
    portal_->pictureFile = writePicture(desktop, QStringLiteral("desktop.png"));
    std::optional<QImage> shot = screen.grab();
    QVERIFY(shot.has_value());
    QCOMPARE(*shot, desktop);
    QVERIFY(screen.grabRefusal().isEmpty());
    QVERIFY(!QFile::exists(portal_->pictureFile));

    // An all-black picture is what XWayland hands out: no capture, and a reason.
    QImage black(1920, 1080, QImage::Format_RGB32);
    black.fill(Qt::black);
    portal_->pictureFile = writePicture(black, QStringLiteral("black.png"));
    QCOMPARE(screen.grab(), std::nullopt);
    QVERIFY(!screen.grabRefusal().isEmpty());
    QVERIFY(!QFile::exists(portal_->pictureFile));

    // A cancelled portal passes its reason on; a later picture clears it.
    portal_->answer = FakePortal::Answer::Cancelled;
    QCOMPARE(screen.grab(), std::nullopt);
    QCOMPARE(screen.grabRefusal(), reasonOf(PortalRefusal::Cancelled));
    portal_->answer = FakePortal::Answer::Picture;
    portal_->pictureFile = writePicture(desktop, QStringLiteral("again.png"));
    QVERIFY(screen.grab().has_value());
    QVERIFY(screen.grabRefusal().isEmpty());

    // No portal on the bus: nothing, and the offscreen platform has no X to fall back on.
    portal_.reset();
    QCOMPARE(screen.grab(), std::nullopt);
    QCOMPARE(screen.grabRefusal(), reasonOf(PortalRefusal::NotThere));
}

QTEST_MAIN(PortalGrabTest)
#include "tst_portal_grab.moc"
