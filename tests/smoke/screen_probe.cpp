// SPDX-License-Identifier: GPL-3.0-or-later
// Screen probe for the smoke test: grabs one rectangle of the primary X
// screen, prints a hash of its pixels and, when given a file name, saves
// the rectangle as a PNG so a failed run can be looked at. With --clipboard it
// prints the size and the hash of the picture on the X clipboard instead ("none"
// for none).
//
//   screen_probe X Y WIDTH HEIGHT [OUT.png]
//   screen_probe --clipboard
#include <QByteArrayView>
#include <QClipboard>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "screen_probe: %s\n", what);
    return 2;
}

// RGB32 fixes the unused byte at 0xff, so equal pictures hash equal.
QByteArray pixelHash(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int row = 0; row < image.height(); ++row) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(row)),
                                    qsizetype(image.width()) * 4));
    }
    return hash.result().toHex();
}

}  // namespace

int main(int argc, char** argv) {
    // The point is to see what a real X server shows, never an offscreen copy.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 2 && args[1] == QStringLiteral("--clipboard")) {
        const QImage picture = QGuiApplication::clipboard()->image();
        if (picture.isNull())
            std::printf("none\n");
        else
            std::printf("%dx%d %s\n", picture.width(), picture.height(),
                        pixelHash(picture).constData());
        return 0;
    }
    if (args.size() != 5 && args.size() != 6) return fail("usage: X Y WIDTH HEIGHT [OUT.png]");

    int rect[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        rect[i] = args[i + 1].toInt(&ok);
        if (!ok) return fail("X, Y, WIDTH and HEIGHT must be integers");
    }
    const auto [x, y, width, height] = rect;
    if (width <= 0 || height <= 0) return fail("the rectangle is empty");

    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return fail("no screen");
    const QImage image = screen->grabWindow(0, x, y, width, height).toImage();
    if (image.size() != QSize(width, height)) return fail("the rectangle is not on the screen");
    std::printf("%s\n", pixelHash(image).constData());

    if (args.size() == 6 && !image.save(args[5], "PNG")) return fail("could not write the PNG");
    return 0;
}
