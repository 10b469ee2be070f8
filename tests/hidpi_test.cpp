// The window at a device pixel ratio above one (run with QT_SCALE_FACTOR set):
// the same layout in logical pixels, drawn at the finer resolution.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "pixels.h"
#include "texts.h"
#include "trait_table.h"

#include "form_fixture.h"

#include <QtTest>

#include <cmath>

namespace {

// Rows that hold ink other than white, and the number of such pixels.
struct Ink {
    int top = -1, bottom = -1, pixels = 0;
};
Ink ink(const QImage& image, QRect within) {
    Ink k;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > 100 && qRed(p) < 120 && qGreen(p) < 120) { // the dark blue text
                ++k.pixels;
                k.top = k.top < 0 ? y : k.top;
                k.bottom = y;
            }
        }
    }
    return k;
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameLayoutInLogicalPixels();
    void clicksRouteAsAtOneToOne_data();
    void clicksRouteAsAtOneToOne();
    void textIsDrawnAtTheFinerResolution();
    void rulesKeepOneWidth();
    void picturesKeepTheirColours();

private:
    qreal scale = 1;
};

void HighDpiTest::initTestCase() {
    scale = qgetenv("QT_SCALE_FACTOR").toDouble();
    QVERIFY2(scale > 1, "run with QT_SCALE_FACTOR above 1");
}

void HighDpiTest::sameLayoutInLogicalPixels() {
    auto w = openForm1();
    QCOMPARE(w->devicePixelRatioF(), scale);
    QCOMPARE(w->size(), QSize(450, 351));
    QCOMPARE(w->control("m")->geometry(), QRect(16, 208, 417, 121));
    const QImage shot = w->grab().toImage();
    QCOMPARE(shot.size(), QSize(qRound(450 * scale), qRound(351 * scale)));
}

void HighDpiTest::clicksRouteAsAtOneToOne_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("banana") << 2557 << 1312 << "w4";
    QTest::newRow("strip w5 over w4") << 1927 << 1500 << "w5";
    QTest::newRow("strip w3 over w2") << 5527 << 1500 << "w3";
    QTest::newRow("between w6 and w5") << 1020 << 1500 << "none";
    QTest::newRow("Lin2 over w6") << 500 << 2400 << "w6";
    QTest::newRow("Command2 over m") << 2500 << 4932 << "Command2";
}

void HighDpiTest::clicksRouteAsAtOneToOne() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, outcome);
    auto w = openForm1();
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, rt::toPixels(x, y, {}));
    QCOMPARE(w->caption("m"), textAfterClick(outcome));
}

void HighDpiTest::textIsDrawnAtTheFinerResolution() {
    auto w = openForm1();
    QWidget* m = w->control("m");
    const QImage fine = m->grab().toImage();
    QImage coarse(m->size(), QImage::Format_RGB32);
    coarse.setDevicePixelRatio(1);
    coarse.fill(Qt::white);
    m->render(&coarse);
    const Ink a = ink(coarse, coarse.rect());
    const Ink b = ink(fine, fine.rect());
    QVERIFY(a.pixels > 500);
    // The same text, its lines as far apart in logical pixels...
    QVERIFY(std::abs((b.bottom - b.top) - scale * (a.bottom - a.top)) <= 3 * scale);
    // ...with about scale squared as many ink pixels...
    QVERIFY(std::abs(b.pixels - scale * scale * a.pixels) < 0.25 * scale * scale * a.pixels);
    // ...and not the coarse drawing blown up.
    const QImage blownUp =
        coarse.scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 0; y < fine.height(); ++y) {
        for (int x = 0; x < fine.width(); ++x) {
            differing += fine.pixel(x, y) != blownUp.pixel(x, y);
        }
    }
    QVERIFY(differing > b.pixels / 4);
}

void HighDpiTest::rulesKeepOneWidth() {
    auto w = openForm1();
    w->control("Label1")->hide(); // its descenders may touch Lin1
    const QImage shot = w->grab().toImage();
    auto thickness = [&](int logicalY) {
        int rows = 0;
        for (int y = int(std::floor((logicalY - 1) * scale)); y <= int((logicalY + 2) * scale);
             ++y) {
            rows += shot.pixel(int(5 * scale), y) == qRgb(192, 0, 0);
        }
        return rows;
    };
    const int lin1 = thickness(40);
    QVERIFY(lin1 >= 1 && lin1 <= int(std::ceil(scale)));
    QCOMPARE(thickness(160), lin1);
}

void HighDpiTest::picturesKeepTheirColours() {
    auto w = openForm1();
    const QImage shot = w->grab().toImage();
    for (const form::Control& c : form::form1().controls) {
        if (c.kind != form::Kind::Picture) {
            continue;
        }
        const QImage picture(QStringLiteral(":/pictures/") + QString::fromLatin1(c.picture.data()) +
                             ".gif");
        const QRect at = rt::toPixels(c.rect, {});
        // The centre of the fruit keeps its colour, the corner stays white.
        const QPoint centre(picture.width() / 2, picture.height() / 2);
        const QRgb source = picture.pixel(centre);
        const QRgb drawn = shot.pixel(int((at.left() + centre.x() + 0.5) * scale),
                                      int((at.top() + centre.y() + 0.5) * scale));
        QVERIFY2(std::abs(qRed(source) - qRed(drawn)) + std::abs(qGreen(source) - qGreen(drawn)) +
                         std::abs(qBlue(source) - qBlue(drawn)) <
                     60,
                 c.name.data());
        QCOMPARE(shot.pixel(int((at.left() + 0.5) * scale), int((at.bottom() - 0.5) * scale)),
                 qRgb(255, 255, 255));
    }
}

QTEST_MAIN(HighDpiTest)
#include "hidpi_test.moc"
