// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard service: the Qt one really holds the picture for other programs, the
// recording twin keeps tests off the user's clipboard, and each bundle hands out its own.
#include "platform/qt_clipboard.h"
#include "platform/qt_services.h"
#include "platform/scripted_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace chromadeck::platform;

namespace {

// Every pixel different, so a shifted or scaled copy shows.
QImage numberedPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x, y, (x + y) & 255));
    return picture;
}

QImage samePixels(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

  private slots:
    void qtClipboardHoldsThePictureUntilCleared();
    void recordingClipboardLeavesTheSystemOneAlone();
    void eachBundleHandsOutItsOwnClipboard();
};

void ClipboardTest::qtClipboardHoldsThePictureUntilCleared() {
    QtClipboard clipboard;
    const QImage first = numberedPicture(40, 30);
    clipboard.setImage(first);
    QCOMPARE(samePixels(clipboard.image()), first);
    QCOMPARE(samePixels(QGuiApplication::clipboard()->image()), first);  // what others see

    const QImage second = numberedPicture(7, 90);
    clipboard.setImage(second);
    QCOMPARE(samePixels(clipboard.image()), second);

    clipboard.clear();
    QVERIFY(clipboard.image().isNull());
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
}

void ClipboardTest::recordingClipboardLeavesTheSystemOneAlone() {
    const QImage users = numberedPicture(5, 5);
    QGuiApplication::clipboard()->setImage(users);

    RecordingClipboard clipboard;
    QVERIFY(clipboard.image().isNull());
    const QImage a = numberedPicture(20, 10), b = numberedPicture(3, 4);
    clipboard.setImage(a);
    clipboard.setImage(b);
    QCOMPARE(clipboard.image(), b);
    QCOMPARE(clipboard.copies, std::vector<QImage>({a, b}));
    clipboard.clear();
    QVERIFY(clipboard.image().isNull());
    QCOMPARE(clipboard.clears, 1);
    QCOMPARE(clipboard.copies.size(), size_t(2));  // the record outlives the clear

    QCOMPARE(samePixels(QGuiApplication::clipboard()->image()), users);
    QGuiApplication::clipboard()->clear();
}

void ClipboardTest::eachBundleHandsOutItsOwnClipboard() {
    const QImage picture = numberedPicture(12, 8);
    {
        ScriptedServices scripted;
        Services services = scripted.services();
        services.clipboard.setImage(picture);
        QCOMPARE(scripted.clipboard.image(), picture);
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }
    {
        QtServices real;
        real.services().clipboard.setImage(picture);
        QCOMPARE(samePixels(QGuiApplication::clipboard()->image()), picture);
        real.services().clipboard.clear();
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }
}

QTEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
