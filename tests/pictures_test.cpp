// The committed pictures and icon, read byte by byte, and drawn in the window.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "pixels.h"

#include "form_fixture.h"

#include <QtTest>

#include <QFile>
#include <QIcon>
#include <QImageReader>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    return f.readAll();
}

int u16le(const QByteArray& b, int at) {
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}
quint32 u32le(const QByteArray& b, int at) {
    return quint32(u16le(b, at)) | quint32(u16le(b, at + 2)) << 16;
}

QString picturePath(const QString& name) {
    return QStringLiteral(PICTURES_DIR "/") + name + ".gif";
}

struct GifFacts {
    int width = 0, height = 0, globalEntries = 0;
    int images = 0, controlExtensions = 0;
    bool localTable = false, interlaced = false, fullFrame = true;
    bool transparent = false;
    int transparentIndex = -1, disposal = -1, delay = -1;
    bool trailer = false;
};

GifFacts readGif(const QByteArray& b) {
    GifFacts g;
    g.width = u16le(b, 6);
    g.height = u16le(b, 8);
    const int packed = quint8(b[10]);
    int at = 13;
    if (packed & 0x80) {
        g.globalEntries = 1 << ((packed & 7) + 1);
        at += 3 * g.globalEntries;
    }
    auto skipSubBlocks = [&] {
        while (at < b.size() && quint8(b[at]) != 0) {
            at += quint8(b[at]) + 1;
        }
        ++at;
    };
    while (at < b.size()) {
        const int block = quint8(b[at]);
        if (block == 0x3B) {
            g.trailer = at == b.size() - 1;
            break;
        }
        if (block == 0x21) {
            const int label = quint8(b[at + 1]);
            if (label == 0xF9) {
                ++g.controlExtensions;
                const int flags = quint8(b[at + 3]);
                g.transparent = flags & 1;
                g.disposal = (flags >> 2) & 7;
                g.delay = u16le(b, at + 4);
                g.transparentIndex = quint8(b[at + 6]);
            }
            at += 2;
            skipSubBlocks();
        } else if (block == 0x2C) {
            ++g.images;
            g.fullFrame = g.fullFrame && u16le(b, at + 1) == 0 && u16le(b, at + 3) == 0 &&
                          u16le(b, at + 5) == g.width && u16le(b, at + 7) == g.height;
            const int flags = quint8(b[at + 9]);
            g.localTable = g.localTable || (flags & 0x80);
            g.interlaced = g.interlaced || (flags & 0x40);
            at += 10;
            if (flags & 0x80) {
                at += 3 * (1 << ((flags & 7) + 1));
            }
            ++at; // LZW minimum code size
            skipSubBlocks();
        } else {
            break; // not a GIF block: trailer stays false
        }
    }
    return g;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void gifFormat_data();
    void gifFormat();
    void pictureControlFitsItsPicture_data();
    void pictureControlFitsItsPicture();
    void iconDirectory();
    void picturesDrawnInTheWindow_data();
    void picturesDrawnInTheWindow();
    void ruleCrossesTheBanana();
    void windowCarriesTheIcon();
};

void PicturesTest::gifFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("entries");
    QTest::newRow("grapes") << "grapes" << 60 << 64 << 64;
    QTest::newRow("orange") << "orange" << 52 << 52 << 128;
    QTest::newRow("banana") << "banana" << 85 << 95 << 256;
    QTest::newRow("apple") << "apple" << 51 << 63 << 64;
    QTest::newRow("strawberry") << "strawberry" << 52 << 70 << 128;
    QTest::newRow("apricot") << "apricot" << 81 << 76 << 256;
}

void PicturesTest::gifFormat() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, entries);
    const QByteArray bytes = readFile(picturePath(name));
    QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
    const GifFacts g = readGif(bytes);
    QCOMPARE(g.width, width);
    QCOMPARE(g.height, height);
    QCOMPARE(g.globalEntries, entries);
    QCOMPARE(g.images, 1);
    QVERIFY(g.fullFrame);
    QVERIFY(!g.localTable);
    QVERIFY(!g.interlaced);
    QCOMPARE(g.controlExtensions, 1);
    QVERIFY(g.transparent);
    QCOMPARE(g.disposal, 0);
    QCOMPARE(g.delay, 0);
    QVERIFY(g.transparentIndex >= 0 && g.transparentIndex < entries);
    QVERIFY(g.trailer);

    // Decoded: transparent around the fruit, opaque at its centre.
    const QImage image(picturePath(name));
    QCOMPARE(image.size(), QSize(width, height));
    for (QPoint corner : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, height - 1),
                          QPoint(width - 1, height - 1)}) {
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
    QCOMPARE(qAlpha(image.pixel(width / 2, height / 2)), 255);
}

void PicturesTest::pictureControlFitsItsPicture_data() {
    QTest::addColumn<QString>("control");
    for (const form::Control& c : form::form1().controls) {
        if (c.kind == form::Kind::Picture) {
            QTest::newRow(c.name.data()) << QString::fromLatin1(c.name.data());
        }
    }
}

void PicturesTest::pictureControlFitsItsPicture() {
    QFETCH(QString, control);
    const form::Control* c = form::form1().find(control.toStdString());
    const QImage image(picturePath(QString::fromLatin1(c->picture.data(), c->picture.size())));
    QVERIFY(!image.isNull());
    QCOMPARE(c->rect.width, image.width() * 15);
    QCOMPARE(c->rect.height, image.height() * 15);
}

void PicturesTest::iconDirectory() {
    const QByteArray b = readFile(QStringLiteral(ICONS_DIR "/banana.ico"));
    QCOMPARE(u16le(b, 0), 0);
    QCOMPARE(u16le(b, 2), 1);
    QCOMPARE(u16le(b, 4), 3);
    const int sizes[] = {16, 32, 48};
    const quint32 bytes[] = {1384, 2216, 3752};
    quint32 expectedOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const int e = 6 + 16 * i;
        QCOMPARE(int(quint8(b[e])), sizes[i]);
        QCOMPARE(int(quint8(b[e + 1])), sizes[i]);
        QCOMPARE(int(quint8(b[e + 2])), 0); // 256 colours
        QCOMPARE(u16le(b, e + 4), 1);       // planes
        QCOMPARE(u16le(b, e + 6), 8);       // bits per pixel
        QCOMPARE(u32le(b, e + 8), bytes[i]);
        const quint32 offset = u32le(b, e + 12);
        QCOMPARE(offset, expectedOffset);
        expectedOffset += bytes[i];
        // The bitmap itself: 40-byte header, twice the height for the mask, 8 bpp.
        QCOMPARE(u32le(b, int(offset)), 40u);
        QCOMPARE(int(u32le(b, int(offset) + 4)), sizes[i]);
        QCOMPARE(int(u32le(b, int(offset) + 8)), 2 * sizes[i]);
        QCOMPARE(u16le(b, int(offset) + 14), 8);
    }
    QCOMPARE(quint32(b.size()), expectedOffset);

    QImageReader reader(QStringLiteral(ICONS_DIR "/banana.ico"));
    QCOMPARE(reader.imageCount(), 3);
    const QIcon icon(QStringLiteral(":/icons/banana.ico"));
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
}

void PicturesTest::picturesDrawnInTheWindow_data() {
    pictureControlFitsItsPicture_data();
}

void PicturesTest::picturesDrawnInTheWindow() {
    QFETCH(QString, control);
    auto w = openForm1();
    const QImage shot = w->grab().toImage();
    const form::Control* c = form::form1().find(control.toStdString());
    const QImage picture(QStringLiteral(":/pictures/") + QString::fromLatin1(c->picture.data()) +
                         ".gif");
    const QRect at = rt::toPixels(c->rect, {});
    const int rule = rt::toPixels(600, 96); // Lin1's row lies above the banana's first row
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        if (at.top() + y == rule) {
            continue;
        }
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const QRgb expected = qAlpha(p) == 255 ? (p | 0xFF000000) : qRgb(255, 255, 255);
            if (qAlpha(p) == 255) {
                ++opaque;
            }
            if (shot.pixel(at.left() + x, at.top() + y) != expected) {
                QFAIL(qPrintable(QString("pixel %1,%2 of %3").arg(x).arg(y).arg(control)));
            }
        }
    }
    QVERIFY(opaque > picture.width() * picture.height() / 4);
}

void PicturesTest::ruleCrossesTheBanana() {
    auto w = openForm1();
    // The title's descenders may reach the rule's row; look at the rule alone.
    w->control("Label1")->hide();
    const QImage shot = w->grab().toImage();
    const QRect banana = rt::toPixels(form::form1().find("Image3")->rect, {});
    QCOMPARE(banana.top(), 40);
    for (int x = banana.left(); x <= banana.right(); ++x) {
        QCOMPARE(shot.pixel(x, 40), qRgb(192, 0, 0));
    }
    QCOMPARE(shot.pixel(449, 40), qRgb(192, 0, 0));
    QCOMPARE(shot.pixel(100, 39), qRgb(255, 255, 255));
    QCOMPARE(shot.pixel(100, 41), qRgb(255, 255, 255));
}

void PicturesTest::windowCarriesTheIcon() {
    rt::FormWindow w(form::form1(), traits::clickBindings());
    QCOMPARE(w.windowIcon().availableSizes().size(), 3);
    const QImage small = w.windowIcon().pixmap(16, 16).toImage();
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
