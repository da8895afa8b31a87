// SPDX-License-Identifier: GPL-3.0-or-later
// Saving pictures in every format the program offers, read back with real decoders, and
// the faults a user can run into: unknown types, no picture, places that cannot be written.
#include "pictures/image_saver.h"
#include "platform/scripted_services.h"
#include "support/small_disk.h"
#include "support/test_files.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <set>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using chromadeck::testing::readAll;
using chromadeck::testing::writeAll;

namespace {

// Flat blocks and a few odd pixels, as in a drawing or a screen capture.
QImage flatPicture() {
    const QRgb colours[] = {qRgb(255, 255, 255), qRgb(200, 40, 90), qRgb(0, 0, 0),
                            qRgb(12, 200, 250), qRgb(255, 255, 0)};
    QImage image(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colours[(x / 8 + y / 6) % 5]);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(36, 22, qRgb(254, 253, 252));
    return image;
}

// Smooth shades with grain, as in a photo: thousands of colours.
QImage busyPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int n = grain.bounded(-6, 7);
            image.setPixel(x, y,
                           qRgb(qBound(0, 255 * x / w + n, 255), qBound(0, 255 * y / h - n, 255),
                                qBound(0, 128 + 127 * (x - y) / (w + h) + n, 255)));
        }
    return image;
}

// The average difference per channel between two pictures of one size.
double meanError(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

int distinctColours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

QImage readBack(const QString& path, QByteArray* format = nullptr) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (format) *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// The SHORT and LONG values of the tags in a TIFF's first directory.
QMap<int, QList<quint32>> tiffTags(const QByteArray& f) {
    const bool little = f.startsWith("II");
    auto number = [&](qsizetype at, int size) -> quint32 {
        if (at < 0 || at + size > f.size()) return 0;
        const char* p = f.constData() + at;
        if (size == 2) return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    QMap<int, QList<quint32>> tags;
    const quint32 directory = number(4, 4);
    for (quint32 i = 0, n = number(directory, 2); i < n; ++i) {
        const qsizetype entry = directory + 2 + 12 * i;
        const quint32 type = number(entry + 2, 2), count = number(entry + 4, 4);
        const int size = type == 3 ? 2 : 4;  // SHORT, else LONG; others are not asked for
        const qsizetype at = count * size <= 4 ? entry + 8 : number(entry + 8, 4);
        for (quint32 j = 0; j < count && j < 16; ++j)
            tags[int(number(entry, 2))].push_back(number(at + j * size, size));
    }
    return tags;
}

const QString kHeading = QStringLiteral("在保存图片的过程中发生错误:\r\n\r\n错误号: ");

}  // namespace

class ImageSaverTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void writesEveryFormat_data();
    void writesEveryFormat();
    void tiffIsTwentyFourBitsUncompressed_data();
    void tiffIsTwentyFourBitsUncompressed();
    void jpegQualityTradesSizeForFidelity();
    void gifPalette_data();
    void gifPalette();
    void unknownTypesAreError9_data();
    void unknownTypesAreError9();
    void noPictureIsError481();
    void unwritablePlacesAreError75_data();
    void unwritablePlacesAreError75();
    void fullDiskKeepsEveryOldFile();

  private:
    bool save(const QImage& picture, const QString& path, const QString& type, Long quality = 100,
              Long compression = 6) {
        ++calls_;
        return SaveImageFile(picture, path, type, quality, 24, compression, messages_, screen_,
                             &parent_);
    }
    // A fresh folder for one case, so leftovers show.
    QString folder() {
        const QString path = dir_.filePath(QStringLiteral("case%1").arg(++folders_));
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir dir_;
    int folders_ = 0;
    int calls_ = 0;
    QWidget parent_;
    platform::RecordingMessageBox messages_;
    platform::ScriptedScreen screen_;
};

void ImageSaverTest::init() {
    calls_ = 0;
    messages_.messages.clear();
    screen_.pointerCodes.clear();
}

// Every save, whatever became of it, showed the hourglass and then the default pointer.
void ImageSaverTest::cleanup() {
    QCOMPARE(screen_.pointerCodes.size(), size_t(2 * calls_));
    for (size_t i = 0; i < screen_.pointerCodes.size(); ++i)
        QCOMPARE(screen_.pointerCodes[i], i % 2 == 0 ? CursorCode::Hourglass : CursorCode::Default);
    QCOMPARE(screen_.MousePointer(), CursorCode::Default);
}

void ImageSaverTest::writesEveryFormat_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("decoder");
    QTest::addColumn<bool>("existing");  // a file of that name is there already
    QTest::newRow("png") << "png"
                         << "a.png" << QByteArray("png") << false;
    QTest::newRow("PNG over a file") << "PNG"
                                     << "a.png" << QByteArray("png") << true;
    QTest::newRow("bmp") << "bmp"
                         << "a.bmp" << QByteArray("bmp") << true;
    QTest::newRow("bmp named png") << "Bmp"
                                   << "a.png" << QByteArray("bmp") << false;
    QTest::newRow("jpg") << "jpg"
                         << "a.jpg" << QByteArray("jpeg") << false;
    QTest::newRow("JPEG over a file") << "JPEG"
                                      << "a.jpeg" << QByteArray("jpeg") << true;
    QTest::newRow("tif") << "tif"
                         << "a.tif" << QByteArray("tiff") << false;
    QTest::newRow("TIFF over a file") << "TIFF"
                                      << "a.tiff" << QByteArray("tiff") << true;
    QTest::newRow("gif") << "gif"
                         << "a.gif" << QByteArray("gif") << false;
    QTest::newRow("GIF over a file") << "GIF"
                                     << "a.gif" << QByteArray("gif") << true;
    QTest::newRow("no extension") << "png"
                                  << "drawing" << QByteArray("png") << false;
}

void ImageSaverTest::writesEveryFormat() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QByteArray, decoder);
    QFETCH(bool, existing);
    const QString where = folder();
    const QString path = where + '/' + name;
    if (existing) QVERIFY(writeAll(path, QByteArray(100000, 'x')));
    const QImage picture = flatPicture();

    QVERIFY(save(picture, path, type));
    QVERIFY(messages_.messages.empty());
    QCOMPARE(QDir(where).entryList(QDir::Files | QDir::Hidden), QStringList{name});

    QByteArray format;
    const QImage back = readBack(path, &format);
    QCOMPARE(format, decoder);
    QCOMPARE(back.size(), picture.size());
    // Qt's JPEG writer always halves the colour resolution, so sharp colour edges blur
    // even at quality 100; a turned, flipped or swapped picture is off by far more.
    if (decoder == "jpeg")
        QVERIFY(meanError(back, picture) < 16);
    else
        QCOMPARE(back, picture);
    if (decoder == "bmp") QCOMPARE(qFromLittleEndian<quint16>(readAll(path).constData() + 28), 24);
}

void ImageSaverTest::tiffIsTwentyFourBitsUncompressed_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<Long>("compression");
    QTest::addColumn<quint32>("tag");  // TIFF: 1 none, 5 LZW
    QTest::newRow("none") << flatPicture() << Long(6) << 1u;
    QTest::newRow("other codes are none") << flatPicture() << Long(0) << 1u;
    QTest::newRow("lzw") << flatPicture() << Long(2) << 5u;
    QImage seeThrough = flatPicture().convertToFormat(QImage::Format_ARGB32);
    seeThrough.fill(qRgba(10, 20, 30, 40));
    QTest::newRow("transparency gets no sample") << seeThrough << Long(6) << 1u;
}

void ImageSaverTest::tiffIsTwentyFourBitsUncompressed() {
    QFETCH(QImage, picture);
    QFETCH(Long, compression);
    QFETCH(quint32, tag);
    const QString path = folder() + "/a.tif";
    QVERIFY(save(picture, path, "tiff", 100, compression));

    const auto tags = tiffTags(readAll(path));
    QCOMPARE(tags.value(277), QList<quint32>{3});  // samples per pixel
    QCOMPARE(tags.value(258), (QList<quint32>{8, 8, 8}));
    QCOMPARE(tags.value(259), QList<quint32>{tag});
    QCOMPARE(readBack(path).size(), picture.size());
}

void ImageSaverTest::jpegQualityTradesSizeForFidelity() {
    const QImage picture = busyPicture(300, 200);
    const QString where = folder();
    QVERIFY(save(picture, where + "/80.jpg", "jpg", 80));
    QVERIFY(save(picture, where + "/100.jpg", "jpg", 100));
    QVERIFY(QFileInfo(where + "/80.jpg").size() < QFileInfo(where + "/100.jpg").size());
    const QImage at80 = readBack(where + "/80.jpg"), at100 = readBack(where + "/100.jpg");
    QCOMPARE(at80.size(), picture.size());
    QVERIFY(meanError(at100, picture) < meanError(at80, picture));
    QVERIFY(meanError(at100, picture) < 4);
}

void ImageSaverTest::gifPalette_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<double>("tolerance");      // mean error per channel; 0 is exact
    QImage full(16, 16, QImage::Format_RGB32);  // exactly a palette's worth
    for (int i = 0; i < 256; ++i) full.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    QTest::newRow("256 colours") << full << 0.0;
    QImage one(3, 2, QImage::Format_RGB32);
    one.fill(qRgb(9, 99, 199));
    QTest::newRow("one colour") << one << 0.0;
    QImage over = full.copy(0, 0, 17, 16);  // one more colour
    over.setPixel(16, 0, qRgb(1, 1, 1));
    QTest::newRow("257 colours") << over << 1.0;
    // The grain alone is 3 on average; Qt's own palette misses by 13, giflib's by 8.
    QTest::newRow("photo") << busyPicture(320, 240) << 4.0;
}

void ImageSaverTest::gifPalette() {
    QFETCH(QImage, picture);
    QFETCH(double, tolerance);
    const QString path = folder() + "/a.gif";
    QVERIFY(save(picture, path, "gif"));

    const QImage back = readBack(path);
    QCOMPARE(back.size(), picture.size());
    if (tolerance == 0) {
        QCOMPARE(back, picture);
    } else {
        QVERIFY(distinctColours(back) <= 256);
        const double error = meanError(back, picture);
        QVERIFY2(error <= tolerance, qPrintable(QString::number(error)));
    }
}

void ImageSaverTest::unknownTypesAreError9_data() {
    QTest::addColumn<QString>("type");
    QTest::newRow("empty") << "";
    QTest::newRow("jpgx") << "jpgx";
    QTest::newRow("webp") << "webp";  // Qt could write it; the program offers it nowhere
    QTest::newRow("spaced") << " png";
}

void ImageSaverTest::unknownTypesAreError9() {
    QFETCH(QString, type);
    const QString where = folder();
    QVERIFY(!save(flatPicture(), where + "/a.png", type));
    QCOMPARE(messages_.messages.size(), size_t(1));
    const auto& message = messages_.messages.front();
    QCOMPARE(message.title, QStringLiteral("错误"));
    QCOMPARE(message.text, kHeading + QStringLiteral("9\r\n错误描述: 下标越界"));
    QCOMPARE(message.icon, platform::MessageIcon::Information);
    QCOMPARE(message.parent, &parent_);
    QVERIFY(QDir(where).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void ImageSaverTest::noPictureIsError481() {
    const QString where = folder();
    QVERIFY(!save(QImage(), where + "/a.png", "png"));
    QVERIFY(!save(QImage(), where + "/a.bmp", "bmp"));
    QVERIFY(!save(QImage(), where + "/a.bmp", "svg"));  // the type is judged first
    QCOMPARE(messages_.messages.size(), size_t(3));
    QCOMPARE(messages_.messages[0].text, kHeading + QStringLiteral("481\r\n错误描述: 无效的图片"));
    QCOMPARE(messages_.messages[1].text, messages_.messages[0].text);
    QVERIFY(messages_.messages[2].text.startsWith(kHeading + "9\r\n"));
    QVERIFY(QDir(where).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void ImageSaverTest::unwritablePlacesAreError75_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("target");  // inside the case's folder
    QTest::addColumn<QImage>("picture");
    for (const char* type : {"png", "bmp", "jpg", "tif", "gif"}) {
        QTest::addRow("missing folder, %s", type) << type << "missing/a" << flatPicture();
        QTest::addRow("under a file, %s", type) << type << "old/a" << flatPicture();
        QTest::addRow("a folder's name, %s", type) << type << "folder" << flatPicture();
    }
    // Both formats keep sides to 16 bits; the encoder fails once the file is open.
    const QImage tooWide(70000, 1, QImage::Format_RGB32);
    QTest::newRow("too wide for jpeg, over a file") << "jpg"
                                                    << "old" << tooWide;
    QTest::newRow("too wide for gif, over a file") << "gif"
                                                   << "old" << tooWide;
}

void ImageSaverTest::unwritablePlacesAreError75() {
    QFETCH(QString, type);
    QFETCH(QString, target);
    QFETCH(QImage, picture);
    const QString where = folder();
    const QByteArray old = "what was saved before";
    QVERIFY(writeAll(where + "/old", old));
    QVERIFY(QDir(where).mkdir("folder"));
    QVERIFY(writeAll(where + "/folder/inside", old));

    QVERIFY(!save(picture, where + '/' + target, type));
    QCOMPARE(messages_.messages.size(), size_t(1));
    const QString text = messages_.messages.front().text;
    QVERIFY2(text.startsWith(kHeading + QStringLiteral("75\r\n错误描述: ")), qPrintable(text));
    QVERIFY2(!text.section(QStringLiteral("错误描述: "), 1).trimmed().isEmpty(), qPrintable(text));

    // Nothing new, nothing lost.
    QCOMPARE(QDir(where).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"folder", "old"}));
    QCOMPARE(
        QDir(where + "/folder").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{"inside"});
    QCOMPARE(readAll(where + "/old"), old);
}

// Every format, small and large files, each over an existing file on a disk that fills
// up: the system's own reason, and the old file byte for byte.
void ImageSaverTest::fullDiskKeepsEveryOldFile() {
    const testing::SmallDisk disk(48);
    if (!disk.mounted()) QSKIP(qPrintable(disk.whyMissing()));
    const QByteArray old(104, 'o');
    const QString full = qt_error_string(ENOSPC);
    const QStringList types{"png", "jpg", "bmp", "gif", "tif"};
    for (const QString& type : types) QVERIFY(writeAll(disk.filePath("old." + type), old));

    const QImage large = busyPicture(600, 400);  // more than the disk holds in any format
    for (const QString& type : types) {
        QVERIFY(!save(large, disk.filePath("old." + type), type));
        QVERIFY2(messages_.messages.back().text.endsWith(full),
                 qPrintable(messages_.messages.back().text));
    }
    disk.fillUp();
    for (const QString& type : types) {
        QVERIFY(!save(flatPicture(), disk.filePath("old." + type), type));
        QVERIFY(!save(flatPicture(), disk.filePath("new." + type), type));
        QVERIFY(messages_.messages.back().text.endsWith(full));
        QCOMPARE(readAll(disk.filePath("old." + type)), old);
    }
    QCOMPARE(messages_.messages.size(), size_t(3 * types.size()));
    QCOMPARE(QDir(disk.filePath(".")).entryList(QDir::Files).size(), types.size() + 1);
}

QTEST_MAIN(ImageSaverTest)
#include "tst_image_saver.moc"
