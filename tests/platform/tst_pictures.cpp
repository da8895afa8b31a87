// SPDX-License-Identifier: GPL-3.0-or-later
// Reading pictures of every kind the program opens, and writing the 24-bit bitmaps it
// saves, including the failures a user can run into.
#include "platform/picture_io.h"
#include "platform/picture_memory.h"
#include "support/small_disk.h"
#include "support/test_files.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cerrno>
#include <cstring>

using namespace chromadeck::platform;
using chromadeck::testing::readAll;
using chromadeck::testing::SmallDisk;
using chromadeck::testing::writeAll;

namespace {

// Every pixel different, so a flipped row, a swapped channel or a lost column shows.
QImage testPicture() {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(40 * x, 70 * y, 255 - 9 * x * y));
    return image;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void loadsEveryFormat_data();
    void loadsEveryFormat();
    void keepsStoredOrientation();
    void unreadableFilesAreErrors_data();
    void unreadableFilesAreErrors();
    void giantPicturesAreRefused();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void cutShortFilesAreRefused_data();
    void cutShortFilesAreRefused();
    void picturesAreBudgetedByMemory();
    void savesTwentyFourBitBitmap_data();
    void savesTwentyFourBitBitmap();
    void savesUnderExactlyTheGivenName();
    void failedSaveLeavesNoFileAndKeepsTheOld_data();
    void failedSaveLeavesNoFileAndKeepsTheOld();
    void fullDiskKeepsTheOldFile();

  private:
    QTemporaryDir dir_;
};

void PicturesTest::loadsEveryFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<int>("tolerance");
    const QImage picture = testPicture();
    QByteArray png, bmp;
    QBuffer pngBuffer(&png), bmpBuffer(&bmp);
    // With an alpha channel, as PNGs from other programs often have.
    QVERIFY(pngBuffer.open(QIODevice::WriteOnly) &&
            picture.convertToFormat(QImage::Format_ARGB32).save(&pngBuffer, "png"));
    QVERIFY(bmpBuffer.open(QIODevice::WriteOnly) && picture.save(&bmpBuffer, "bmp"));
    QTest::newRow("png") << "p.png" << png << picture << 0;
    QTest::newRow("bmp") << "p.bmp" << bmp << picture << 0;
    QTest::newRow("png named bmp") << "png.bmp" << png << picture << 0;  // contents decide

    // Qt writes no GIF: 3 x 2 pixels, red green blue / white blue green, by hand.
    QImage gif(3, 2, QImage::Format_RGB32);
    const QRgb gifPixels[] = {qRgb(255, 0, 0),     qRgb(0, 255, 0), qRgb(0, 0, 255),
                              qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 255, 0)};
    for (int i = 0; i < 6; ++i) gif.setPixel(i % 3, i / 3, gifPixels[i]);
    QTest::newRow("gif") << "p.gif"
                         << QByteArray::fromHex(
                                "47494638396103000200f10000ff000000ff000000ffffffff"
                                "2c0000000003000200000809000104103040408080003b")
                         << gif << 0;

    QImage flat(16, 16, QImage::Format_RGB32);  // a flat colour survives compression
    flat.fill(qRgb(200, 40, 90));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && flat.save(&buffer, "jpeg", 95));
    QTest::newRow("jpeg") << "p.jpg" << jpeg << flat << 12;
}

void PicturesTest::loadsEveryFormat() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(int, tolerance);
    const QString path = dir_.filePath(name);
    QVERIFY(writeAll(path, bytes));

    const LoadedPicture loaded = LoadPicture(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.image.format(), QImage::Format_RGB32);
    QCOMPARE(loaded.image.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb got = loaded.image.pixel(x, y), want = expected.pixel(x, y);
            QVERIFY2(qAbs(qRed(got) - qRed(want)) <= tolerance &&
                         qAbs(qGreen(got) - qGreen(want)) <= tolerance &&
                         qAbs(qBlue(got) - qBlue(want)) <= tolerance,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
}

void PicturesTest::keepsStoredOrientation() {
    // A landscape photo tagged "turn a quarter to the right" (Exif orientation 6) keeps
    // its stored size, as other programs report it.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) &&
            QImage(40, 10, QImage::Format_RGB32).save(&buffer, "jpeg"));
    jpeg.insert(2, QByteArray::fromHex("ffe10022457869660000"                 // APP1 "Exif"
                                       "49492a00080000000100"                 // one tag
                                       "12010300010000000600000000000000"));  // orientation 6
    const QString path = dir_.filePath("turned.jpg");
    QVERIFY(writeAll(path, jpeg));

    QImageReader turning(path);
    turning.setAutoTransform(true);
    QCOMPARE(turning.read().size(), QSize(10, 40));  // the tag is understood
    QCOMPARE(LoadPicture(path).image.size(), QSize(40, 10));
}

void PicturesTest::unreadableFilesAreErrors_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::newRow("missing") << "missing.bmp" << QByteArray();
    QTest::newRow("garbage bmp") << "garbage.bmp" << QByteArray("BM this is not a picture");
    QTest::newRow("broken png") << "garbage.png" << QByteArray("\x89PNG\r\n\x1a\nbroken");
}

void PicturesTest::unreadableFilesAreErrors() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = dir_.filePath(name);
    if (!bytes.isEmpty()) QVERIFY(writeAll(path, bytes));

    const LoadedPicture loaded = LoadPicture(path);
    QVERIFY(!loaded.error.trimmed().isEmpty());
    QVERIFY(loaded.image.isNull());

    const LoadedPicture none = LoadPicture(QString());  // the empty picture is no error
    QVERIFY(none.ok() && none.image.isNull());
}

void PicturesTest::giantPicturesAreRefused() {
    // Only a header: 12000 x 10000 pixels at 24 bits, which Qt's bitmap reader would
    // otherwise accept and try to decode into 480 MB.
    QByteArray header(54, '\0');
    char* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(54, h + 10);
    qToLittleEndian<quint32>(40, h + 14);
    qToLittleEndian<qint32>(12000, h + 18);
    qToLittleEndian<qint32>(10000, h + 22);
    qToLittleEndian<quint16>(1, h + 26);
    qToLittleEndian<quint16>(24, h + 28);
    const QString path = dir_.filePath("giant.bmp");
    QVERIFY(writeAll(path, header));
    QImageReader probe(path);
    QCOMPARE(probe.size(), QSize(12000, 10000));

    const LoadedPicture loaded = LoadPicture(path);
    QVERIFY(loaded.image.isNull());
    QVERIFY2(loaded.error.contains("12000") && loaded.error.contains("10000"),
             qPrintable(loaded.error));
}

void PicturesTest::onlyRegularFilesAreOpened_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("named pipe") << "named pipe";
    QTest::newRow("socket") << "socket";
    QTest::newRow("device") << "device";
}

void PicturesTest::onlyRegularFilesAreOpened() {
    QFETCH(QString, kind);
    QString path = dir_.filePath(kind);
    int listener = -1;
    if (kind == "folder") QVERIFY(QDir(dir_.path()).mkpath(kind));
    // Nobody ever writes to this pipe: opening it for reading would wait forever.
    if (kind == "named pipe") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "socket") {
        listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    if (kind == "device") path = QStringLiteral("/dev/zero");  // endless if read

    const LoadedPicture loaded = LoadPicture(path);
    if (listener >= 0) ::close(listener);
    QVERIFY(loaded.image.isNull());
    QVERIFY2(loaded.error.contains(path) && loaded.error.contains(kind.section(' ', -1)),
             qPrintable(loaded.error));
}

void PicturesTest::cutShortFilesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = testPicture().scaled(60, 40);
    QByteArray jpeg, bmp;
    QBuffer jpegBuffer(&jpeg), bmpBuffer(&bmp);
    QVERIFY(jpegBuffer.open(QIODevice::WriteOnly) && picture.save(&jpegBuffer, "jpeg"));
    QVERIFY(bmpBuffer.open(QIODevice::WriteOnly) && picture.save(&bmpBuffer, "bmp"));
    // A 2 x 1 GIF: screen descriptor with two colours, one picture, its LZW data.
    const QByteArray gif(
        "GIF89a\x02\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
        ",\x00\x00\x00\x00\x02\x00\x01\x00\x00\x02\x02\x44\x0a\x00;",
        34);
    QTest::newRow("jpeg") << "cut.jpg" << jpeg;
    QTest::newRow("gif") << "cut.gif" << gif;
    QTest::newRow("bmp") << "cut.bmp" << bmp;
}

void PicturesTest::cutShortFilesAreRefused() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = dir_.filePath(name);
    QVERIFY(writeAll(path, bytes));
    QVERIFY2(LoadPicture(path).ok(), qPrintable(LoadPicture(path).error));  // complete, it loads

    // Qt's readers would show these with the missing part grey or black.
    for (const qsizetype lost : {qsizetype(2), bytes.size() / 3}) {
        QVERIFY(writeAll(path, bytes.left(bytes.size() - lost)));
        const LoadedPicture loaded = LoadPicture(path);
        QVERIFY(loaded.image.isNull());
        QVERIFY2(loaded.error.contains("ends before"), qPrintable(loaded.error));
    }
}

void PicturesTest::picturesAreBudgetedByMemory() {
    const QString path = dir_.filePath("budget.png");
    QVERIFY(testPicture().scaled(100, 80).save(path));
    {
        // One byte short of the picture's 100 x 80 x 4 bytes.
        const PictureBudgetOverride tight(100 * 80 * 4 - 1);
        const LoadedPicture loaded = LoadPicture(path);
        QVERIFY(loaded.image.isNull());
        QVERIFY2(loaded.error.startsWith(QStringLiteral("内存不足")), qPrintable(loaded.error));
    }
    const PictureBudgetOverride exact(100 * 80 * 4);
    QCOMPARE(LoadPicture(path).image.size(), QSize(100, 80));
    // A cleared picture is as budgeted, transparent, and an image like any other.
    QVERIFY(NewClearPicture({100, 81}, QImage::Format_ARGB32_Premultiplied).isNull());
    QImage clear = NewClearPicture({100, 80}, QImage::Format_ARGB32_Premultiplied);
    QImage transparent(100, 80, QImage::Format_ARGB32_Premultiplied);
    transparent.fill(Qt::transparent);
    QCOMPARE(clear, transparent);
    const QImage before = clear;
    clear.setPixel(99, 79, qRgb(1, 2, 3));
    QCOMPARE(before, transparent);  // a copy keeps its pixels
    QCOMPARE(clear.pixel(99, 79), qRgb(1, 2, 3));
    // The reasons are the system's own.
    QCOMPARE(LoadPicture(dir_.filePath("missing.png")).error, qt_error_string(ENOENT));
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (::geteuid() != 0) QCOMPARE(LoadPicture(path).error, qt_error_string(EACCES));
}

void PicturesTest::savesTwentyFourBitBitmap_data() {
    QTest::addColumn<QImage>("image");
    QTest::newRow("rgb32") << testPicture();
    QTest::newRow("argb32") << testPicture().convertToFormat(QImage::Format_ARGB32);
    QImage twoColours(7, 2, QImage::Format_Indexed8);  // Qt would store 4 bits per pixel
    twoColours.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    twoColours.fill(0);
    twoColours.setPixel(3, 1, 1);
    QTest::newRow("indexed") << twoColours;
}

void PicturesTest::savesTwentyFourBitBitmap() {
    QFETCH(QImage, image);
    const QString path = dir_.filePath(QStringLiteral("%1.bmp").arg(QTest::currentDataTag()));
    QCOMPARE(SavePictureBmp(image, path), QString());

    const QByteArray b = readAll(path);
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    QCOMPARE(b.size(), 54 + rowBytes * image.height());
    QCOMPARE(b.left(2), "BM");
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 14), 40);  // BITMAPINFOHEADER
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 18), image.width());
    QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 28), 24);  // bits per pixel
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 30), 0);    // uncompressed
    QCOMPARE(LoadPicture(path).image, image.convertToFormat(QImage::Format_RGB32));
}

void PicturesTest::savesUnderExactlyTheGivenName() {
    const QString bare = dir_.filePath("drawing");
    QCOMPARE(SavePictureBmp(testPicture(), bare), QString());
    QVERIFY(QFile::exists(bare) && !QFile::exists(bare + ".bmp"));

    const QString unicode = dir_.filePath(QStringLiteral("画图 – Übung.bmp"));
    QCOMPARE(SavePictureBmp(testPicture(), unicode), QString());
    QImage green = testPicture();
    green.fill(Qt::green);
    QCOMPARE(SavePictureBmp(green, unicode), QString());  // replaces the file
    QVERIFY(QDir(dir_.path()).entryList().contains(QStringLiteral("画图 – Übung.bmp")));
    QCOMPARE(LoadPicture(unicode).image, green);
}

void PicturesTest::failedSaveLeavesNoFileAndKeepsTheOld_data() {
    QTest::addColumn<QString>("target");  // relative to a fresh folder
    QTest::addColumn<QString>("setup");
    QTest::newRow("nothing to save") << "old.bmp"
                                     << "null picture";
    QTest::newRow("a folder by that name") << "old"
                                           << "folder";
    QTest::newRow("missing folder") << "no/such/folder/p.bmp"
                                    << "";
    QTest::newRow("folder is a file") << "old.bmp/p.bmp"
                                      << "";
    QTest::newRow("read-only folder") << "locked/old.bmp"
                                      << "read-only";
    QTest::newRow("system folder") << "/proc/p.bmp"
                                   << "";
}

void PicturesTest::failedSaveLeavesNoFileAndKeepsTheOld() {
    QFETCH(QString, target);
    QFETCH(QString, setup);
    QTemporaryDir dir;
    const QDir top(dir.path());
    QVERIFY(writeAll(top.filePath("old.bmp"), "precious"));
    if (setup == "folder") QVERIFY(top.mkdir("old"));
    if (setup == "read-only") {
        QVERIFY(top.mkdir("locked") && writeAll(top.filePath("locked/old.bmp"), "precious"));
        QFile::setPermissions(top.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        if (writeAll(top.filePath("locked/probe"), "")) QSKIP("this user writes anywhere");
    }
    const QString path = top.filePath(target);
    const QString folder = QFileInfo(path).path();
    const bool ours = folder.startsWith(dir.path());  // /proc's listing changes by itself
    const QStringList before = QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    const QImage picture = setup == "null picture" ? QImage() : testPicture();
    QVERIFY(!SavePictureBmp(picture, path).isEmpty());

    if (ours) QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    if (!ours) QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(readAll(top.filePath("old.bmp")), "precious");
    if (setup == "read-only") {
        QCOMPARE(readAll(top.filePath(target)), "precious");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void PicturesTest::fullDiskKeepsTheOldFile() {
    const SmallDisk disk(64);
    if (!disk.mounted()) QSKIP(qPrintable(disk.whyMissing()));
    const QString old = disk.filePath("old.bmp");
    QVERIFY(writeAll(old, "precious"));
    const QImage large = testPicture().scaled(200, 200);  // 120 KB as a bitmap

    QCOMPARE(SavePictureBmp(large, old), qt_error_string(ENOSPC));
    QCOMPARE(readAll(old), "precious");
    // A small file on a disk already full: the last buffered write must not go unseen.
    disk.fillUp();
    QCOMPARE(SavePictureBmp(testPicture(), old), qt_error_string(ENOSPC));
    QCOMPARE(SavePictureBmp(testPicture(), disk.filePath("new.bmp")), qt_error_string(ENOSPC));
    QCOMPARE(readAll(old), "precious");
    QCOMPARE(QDir(disk.filePath(".")).entryList(QDir::Files), QStringList({"filler", "old.bmp"}));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
