// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures kept as bytes for the undo history: every format back as it went in, and
// bytes that are no bag give no picture, whatever they claim.
#include "pictures/picture_bag.h"

#include <QtEndian>
#include <QtTest>

using namespace chromadeck;

namespace {

QImage noise(int w, int h, QImage::Format format) {
    QImage image(w, h, format);
    QRandomGenerator random(11);
    for (int y = 0; y < h; ++y) {
        uchar* line = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i) line[i] = uchar(random.bounded(256));
    }
    return image;
}

}  // namespace

class PictureBagTest : public QObject {
    Q_OBJECT

  private slots:
    void keepsThePicture_data();
    void keepsThePicture();
    void refusesWhatIsNoBag_data();
    void refusesWhatIsNoBag();
    void refusesEveryCutShortBag();
};

void PictureBagTest::keepsThePicture_data() {
    QTest::addColumn<QImage>("picture");
    QTest::newRow("full screen") << noise(1920, 1080, QImage::Format_RGB32);
    QTest::newRow("odd width") << noise(37, 5, QImage::Format_RGB32);
    QTest::newRow("argb") << noise(9, 4, QImage::Format_ARGB32);
    QTest::newRow("rgb888, padded lines") << noise(37, 3, QImage::Format_RGB888);
    QImage indexed = noise(7, 3, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) table.push_back(qRgb(i, 255 - i, i / 2));
    indexed.setColorTable(table);
    QTest::newRow("indexed") << indexed;
    QImage mono = noise(13, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    QTest::newRow("mono") << mono;
    QTest::newRow("none") << QImage();
}

void PictureBagTest::keepsThePicture() {
    QFETCH(QImage, picture);
    ExcelPropertyBag bag;
    QByteArray bytes(5'000'000, 'x');  // what the bytes held before goes
    bag.WriteP(bytes, picture);
    QCOMPARE(bytes.size(), 31 + picture.colorCount() * 4 + picture.sizeInBytes());
    const QImage back = bag.ReadP(bytes);
    QCOMPARE(back.isNull(), picture.isNull());
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back.format(), picture.format());
    QCOMPARE(back.colorTable(), picture.colorTable());
    QCOMPARE(back, picture);
}

void PictureBagTest::refusesWhatIsNoBag_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray good;
    ExcelPropertyBag().WriteP(good, noise(4, 3, QImage::Format_RGB32));
    // The header: magic 0, version 4, byte order 6, name length 7, name 8, width 11,
    // height 15, format 19, bytes per line 23, colours 27; pixels from 31.
    auto patched = [&good](int at, auto value) {
        QByteArray b = good;
        qToLittleEndian(value, b.data() + at);
        return b;
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a picture at all, only words");
    QTest::newRow("png") << QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    QTest::newRow("one byte more") << good + 'x';
    QByteArray renamed = good;
    renamed[8] = 'P';
    QTest::newRow("another property") << renamed;
    QTest::newRow("later version") << patched(4, quint16(2));
    QTest::newRow("giant width") << patched(11, 0x7fff'ffffu);
    QTest::newRow("giant height") << patched(15, 0xffff'fff0u);
    QTest::newRow("no such format") << patched(19, 999u);
    QTest::newRow("wrong line length") << patched(23, 20u);
    QTest::newRow("colours for rgb") << patched(27, 1u);
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(3);
    for (char& c : garbage) c = char(random.bounded(256));
    QTest::newRow("random") << garbage;
    garbage.replace(0, 11, good.left(11));
    QTest::newRow("random after a good start") << garbage;
}

void PictureBagTest::refusesWhatIsNoBag() {
    QFETCH(QByteArray, bytes);
    QVERIFY(ExcelPropertyBag().ReadP(bytes).isNull());
}

void PictureBagTest::refusesEveryCutShortBag() {
    ExcelPropertyBag bag;
    QByteArray bytes;
    QImage indexed = noise(5, 2, QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(256, qRgb(4, 5, 6)));
    bag.WriteP(bytes, indexed);
    for (qsizetype n = 0; n < bytes.size(); ++n)
        QVERIFY2(bag.ReadP(bytes.left(n)).isNull(), qPrintable(QString::number(n)));
}

QTEST_APPLESS_MAIN(PictureBagTest)
#include "tst_picture_bag.moc"
