// The window as the run time builds it, without a display: where clicks go,
// where controls stand, the focus, the texts, the direction of the text.
#include "click_area.h"
#include "fonts.h"
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "label.h"
#include "pixels.h"
#include "texts.h"
#include "trait_table.h"

#include "form_fixture.h"

#include <QtTest>

#include <QGlyphRun>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>

#include <memory>

namespace {

// Columns of an image that hold any pixel other than the background.
QList<int> inkColumns(const QImage& image, QRgb background) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != background) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void clickReachesTheTopmostControl_data();
    void clickReachesTheTopmostControl();
    void geometryAt96Dpi_data();
    void geometryAt96Dpi();
    void texts_data();
    void texts();
    void focusStartsOnCommand1AndTabsBetweenTheButtons();
    void keyboardPressesTheFocusedButton_data();
    void keyboardPressesTheFocusedButton();
    void nothingRunsAfterTheEnd();
    void resizeAndMinimiseChangeNothing();
    void twoWindowsAreIndependent();
    void latinWordStandsRightOfItsArabicRun_data();
    void latinWordStandsRightOfItsArabicRun();
    void fontsHaveLegibleStandIns_data();
    void fontsHaveLegibleStandIns();
    void installedFamiliesAsQtSeesThem_data();
    void installedFamiliesAsQtSeesThem();
    void frameHasNoMaximiseButton();
};

void WindowTest::twipsToPixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("exact") << 6750 << 96 << 450;
    QTest::newRow("below half") << 4927 << 96 << 328;
    QTest::newRow("above half") << 4928 << 96 << 329;
    QTest::newRow("half, away from zero") << 6 << 120 << 1;
    QTest::newRow("negative") << -120 << 96 << -8;
    QTest::newRow("negative half, away from zero") << -6 << 120 << -1;
    QTest::newRow("negative below half") << -7 << 96 << 0;
    QTest::newRow("144 dpi") << 4935 << 144 << 494;
    QTest::newRow("zero") << 0 << 120 << 0;
}

void WindowTest::twipsToPixels() {
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(rt::toPixels(twips, dpi), pixels);
}

void WindowTest::clickReachesTheTopmostControl_data() {
    QTest::addColumn<int>("x"); // twips
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("outcome"); // a click area, a button, or none

    // Each fruit: its picture, its name, and blank space within its area.
    QTest::newRow("apricot picture") << 3967 << 1410 << "w1";
    QTest::newRow("apricot name") << 3967 << 2167 << "w1";
    QTest::newRow("apricot blank") << 4500 << 2350 << "w1";
    QTest::newRow("grapes picture") << 6090 << 1440 << "w2";
    QTest::newRow("grapes name") << 6067 << 2167 << "w2";
    QTest::newRow("grapes blank") << 5560 << 760 << "w2";
    QTest::newRow("strawberry picture") << 5070 << 1365 << "w3";
    QTest::newRow("strawberry name") << 5167 << 2167 << "w3";
    QTest::newRow("strawberry blank") << 5450 << 2380 << "w3";
    QTest::newRow("banana picture") << 2557 << 1312 << "w4";
    QTest::newRow("banana name") << 2407 << 2167 << "w4";
    QTest::newRow("banana blank") << 3300 << 2350 << "w4";
    QTest::newRow("apple picture") << 1462 << 1432 << "w5";
    QTest::newRow("apple name") << 1507 << 2167 << "w5";
    QTest::newRow("apple blank") << 1100 << 740 << "w5";
    QTest::newRow("orange picture") << 510 << 1470 << "w6";
    QTest::newRow("orange name") << 487 << 2167 << "w6";
    QTest::newRow("orange blank") << 150 << 750 << "w6";

    // Where neighbouring areas overlap, the higher one in the stack wins.
    QTest::newRow("strip w5 over w4") << 1927 << 1500 << "w5";
    QTest::newRow("strip w4 over w1") << 3367 << 1500 << "w4";
    QTest::newRow("strip w3 over w1") << 4687 << 1500 << "w3";
    QTest::newRow("strip w3 over w2") << 5527 << 1500 << "w3";
    QTest::newRow("strip w5 over w4, top") << 1927 << 727 << "w5";
    QTest::newRow("strip w3 over w2, bottom") << 5527 << 2407 << "w3";

    // Gaps and edges.
    QTest::newRow("between w6 and w5") << 1020 << 1500 << "none";
    QTest::newRow("between w6 and w5, on the name line") << 1020 << 2167 << "none";
    QTest::newRow("above 720 left of w4") << 600 << 660 << "none";
    QTest::newRow("above 720 right of w4") << 4000 << 660 << "none";
    QTest::newRow("above 720 inside w4") << 2500 << 650 << "w4";
    QTest::newRow("Lin1 over the banana") << 2500 << 600 << "w4";
    QTest::newRow("below 2415") << 500 << 2430 << "none";
    QTest::newRow("Lin2 over w6") << 500 << 2400 << "w6";
    QTest::newRow("Lin2 over w1") << 4000 << 2400 << "w1";
    QTest::newRow("Lin2 in the gap") << 1020 << 2400 << "none";

    // Controls without a procedure, and the bare background.
    QTest::newRow("m") << 3000 << 4000 << "none";
    QTest::newRow("m, just above the buttons") << 2500 << 4920 << "none";
    QTest::newRow("Label1") << 3000 << 300 << "none";
    QTest::newRow("Label2") << 400 << 5100 << "none";
    QTest::newRow("Label3") << 3500 << 2800 << "none";
    QTest::newRow("background right") << 6700 << 4000 << "none";
    QTest::newRow("background bottom corner") << 6700 << 5240 << "none";

    // The buttons, also where they overlap the bottom of m.
    QTest::newRow("Command2") << 2707 << 5082 << "Command2";
    QTest::newRow("Command2 over m") << 2500 << 4932 << "Command2";
    QTest::newRow("Command1") << 4027 << 5082 << "Command1";
}

void WindowTest::clickReachesTheTopmostControl() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, outcome);
    auto w = openForm1();
    QSignalSpy ended(w.get(), &rt::FormWindow::ended);
    // Through the window, so Qt's own hit testing picks the widget.
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, rt::toPixels(x, y, {}));
    QCOMPARE(w->caption("m"), textAfterClick(outcome));
    QCOMPARE(ended.count(), outcome == "Command1" ? 1 : 0);
    if (outcome == "Command1") {
        QCOMPARE(ended.first().first().toInt(), 0);
    }
}

void WindowTest::geometryAt96Dpi_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("m") << "m" << QRect(16, 208, 417, 121);
    QTest::newRow("Label1, top cut off") << "Label1" << QRect(80, -8, 305, 49);
    QTest::newRow("Lin1") << "Lin1" << QRect(0, 40, 456, 1);
    QTest::newRow("Lin2") << "Lin2" << QRect(0, 160, 456, 1);
    QTest::newRow("w4") << "w4" << QRect(128, 40, 97, 121);
    QTest::newRow("w5 touches w4 by one pixel") << "w5" << QRect(72, 48, 57, 113);
    QTest::newRow("Command2") << "Command2" << QRect(144, 329, 73, 20);
    QTest::newRow("Label2 past the bottom") << "Label2" << QRect(8, 336, 89, 17);
    QTest::newRow("Image3") << "Image3" << QRect(128, 40, 85, 95);
}

void WindowTest::geometryAt96Dpi() {
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    auto w = openForm1();
    QCOMPARE(w->size(), QSize(450, 351));
    QCOMPARE(w->control(control.toStdString())->geometry(), pixels);
}

void WindowTest::texts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1" << q(traits::TitleText);
    QTest::newRow("Label3") << "Label3" << q(traits::HeadingText);
    QTest::newRow("m") << "m" << q(traits::GreetingText);
    QTest::newRow("Label2") << "Label2" << q(traits::SiteAddress);
    QTest::newRow("Command1") << "Command1" << q(traits::CloseButtonText);
    QTest::newRow("Command2") << "Command2" << q(traits::CreditButtonText);
    for (const traits::FruitEntry& e : traits::TraitTable) {
        QTest::newRow(e.nameLabel.data()) << e.nameLabel.data() << q(e.nameText);
    }
}

void WindowTest::texts() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    auto w = openForm1();
    QCOMPARE(w->windowTitle(), q(traits::TitleText));
    QCOMPARE(w->caption(control.toStdString()), text);
}

void WindowTest::focusStartsOnCommand1AndTabsBetweenTheButtons() {
    auto w = openForm1();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QWidget* command1 = w->control("Command1");
    QWidget* command2 = w->control("Command2");
    QCOMPARE(QApplication::focusWidget(), command1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), command2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), command1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), command2);
    // A click elsewhere leaves the focus where it was.
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, rt::toPixels(3967, 1410, {}));
    QCOMPARE(QApplication::focusWidget(), command2);
}

void WindowTest::keyboardPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Space on Command2") << "Command2" << int(Qt::Key_Space) << false;
    QTest::newRow("Return on Command2") << "Command2" << int(Qt::Key_Return) << false;
    QTest::newRow("Enter on Command2") << "Command2" << int(Qt::Key_Enter) << false;
    QTest::newRow("Space on Command1") << "Command1" << int(Qt::Key_Space) << true;
    QTest::newRow("Return on Command1") << "Command1" << int(Qt::Key_Return) << true;
}

void WindowTest::keyboardPressesTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, ends);
    auto w = openForm1();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QSignalSpy ended(w.get(), &rt::FormWindow::ended);
    QWidget* target = w->control(button.toStdString());
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(ended.count(), ends ? 1 : 0);
    QCOMPARE(w->caption("m"), ends ? q(traits::GreetingText) : q(traits::CreditText));
}

void WindowTest::nothingRunsAfterTheEnd() {
    auto w = openForm1();
    QSignalSpy ended(w.get(), &rt::FormWindow::ended);
    auto* banana = qobject_cast<rt::ClickArea*>(w->control("w4"));
    auto* command1 = qobject_cast<QPushButton*>(w->control("Command1"));
    QVERIFY(banana && command1);
    command1->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!w->isVisible());
    // A click that was already on its way runs no procedure.
    emit banana->clicked();
    command1->click();
    QCOMPARE(w->caption("m"), q(traits::GreetingText));
    QCOMPARE(ended.count(), 1);
}

void WindowTest::resizeAndMinimiseChangeNothing() {
    auto w = openForm1();
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, rt::toPixels(2557, 1312, {}));
    QList<QRect> before;
    for (const form::Control& c : form::form1().controls) {
        before << w->control(c.name)->geometry();
    }
    for (QSize size : {QSize(700, 600), QSize(200, 150), QSize(450, 351)}) {
        w->resize(size);
        QCoreApplication::processEvents();
        QList<QRect> after;
        for (const form::Control& c : form::form1().controls) {
            after << w->control(c.name)->geometry();
        }
        QCOMPARE(after, before);
    }
    w->showMinimized();
    QCoreApplication::processEvents();
    w->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->caption("m"), q(traits::BananaTraits));
}

void WindowTest::twoWindowsAreIndependent() {
    auto first = openForm1();
    auto second = openForm1();
    QTest::mouseClick(first->windowHandle(), Qt::LeftButton, {}, rt::toPixels(2707, 5082, {}));
    QCOMPARE(first->caption("m"), q(traits::CreditText));
    QCOMPARE(second->caption("m"), q(traits::GreetingText));
}

void WindowTest::latinWordStandsRightOfItsArabicRun_data() {
    QTest::addColumn<Qt::LayoutDirection>("applicationDirection");
    QTest::newRow("left-to-right application") << Qt::LeftToRight;
    QTest::newRow("right-to-left application") << Qt::RightToLeft;
}

void WindowTest::latinWordStandsRightOfItsArabicRun() {
    // Left-aligned, so the Arabic run starts at the left edge in both when the
    // paragraph reads left to right; a right-to-left paragraph would put the
    // Latin word first. The application's own direction must not matter.
    QFETCH(Qt::LayoutDirection, applicationDirection);
    QGuiApplication::setLayoutDirection(applicationDirection);
    auto restore = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    const QString arabic = QString::fromUtf16(u"مصمم البرنامج");
    const QString mixed = arabic + QStringLiteral(" Tarvisqo");
    QImage images[2];
    for (int i = 0; i < 2; ++i) {
        rt::Label label;
        label.setFont(rt::toQFont(*form::form1().find("m")->font));
        label.setText(i == 0 ? arabic : mixed);
        label.resize(400, 40);
        images[i] = label.grab().toImage();
    }
    const QRgb background = images[0].pixel(399, 39);
    const QList<int> arabicInk = inkColumns(images[0], background);
    const QList<int> mixedInk = inkColumns(images[1], background);
    QVERIFY(!arabicInk.isEmpty());
    QVERIFY(arabicInk.first() < 10);
    const int arabicEnd = arabicInk.last();
    QCOMPARE(images[1].copy(0, 0, arabicEnd + 1, 40), images[0].copy(0, 0, arabicEnd + 1, 40));
    // The Latin word's ink lies right of the Arabic run.
    QVERIFY(mixedInk.last() > arabicEnd + 40);
}

void WindowTest::fontsHaveLegibleStandIns_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("families");
    const QStringList naskh{"Traditional Arabic", "Amiri", "Noto Naskh Arabic UI"};
    QTest::newRow("title") << "Label1" << q(traits::TitleText) << naskh;
    QTest::newRow("heading") << "Label3" << q(traits::HeadingText) << naskh;
    QTest::newRow("m, Arabic") << "m" << q(traits::AppleTraits)
                               << QStringList{"Times New Roman", "Noto Naskh Arabic UI"};
    QTest::newRow("m, Latin") << "m"
                              << "Tarvisqo" << QStringList{"Times New Roman", "Liberation Serif"};
    QTest::newRow("name") << "Label8" << q(traits::BananaName)
                          << QStringList{"Tahoma", "Noto Sans Arabic UI"};
    QTest::newRow("button") << "Command1" << q(traits::CloseButtonText)
                            << QStringList{"MS Sans Serif", "Noto Sans Arabic UI"};
}

void WindowTest::fontsHaveLegibleStandIns() {
    QFETCH(QString, control);
    QFETCH(QString, sample);
    QFETCH(QStringList, families);
    auto w = openForm1();
    const QFont font = w->control(control.toStdString())->font();
    // Letters only: spaces may come from any face of the list.
    QTextLayout layout(QString(sample).remove(u' '), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun& run : runs) {
        QVERIFY2(families.contains(run.rawFont().familyName()),
                 qPrintable(run.rawFont().familyName()));
        // Every glyph found: no empty boxes.
        for (quint32 glyph : run.glyphIndexes()) {
            QVERIFY(glyph != 0);
        }
    }
}

void WindowTest::installedFamiliesAsQtSeesThem_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("installed");
    QTest::newRow("stand-in") << "Amiri" << true;
    QTest::newRow("other case") << "noto naskh arabic ui" << true;
    QTest::newRow("Latin stand-in") << "Liberation Serif" << true;
    QTest::newRow("absent, has a stand-in") << "Traditional Arabic" << false;
    QTest::newRow("absent, metric alias") << "Times New Roman" << false;
    QTest::newRow("generic alias") << "serif" << false;
    QTest::newRow("unknown") << "No Such Face" << false;
}

void WindowTest::installedFamiliesAsQtSeesThem() {
    QFETCH(QString, family);
    QFETCH(bool, installed);
    QCOMPARE(rt::systemHasFamily(family), installed);
    // The stand-ins are chosen without Qt's database; both must agree.
    QCOMPARE(QFontDatabase::hasFamily(family), installed);
}

void WindowTest::frameHasNoMaximiseButton() {
    auto w = openForm1();
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
