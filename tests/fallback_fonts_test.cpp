// With none of the preferred faces installed (run with a fontconfig set of
// DejaVu only), the Arabic is still shaped: joined letters take their
// contextual forms, and every glyph is found.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "texts.h"

#include "form_fixture.h"

#include <QtTest>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace {

QList<QGlyphRun> shape(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

} // namespace

class FallbackFontsTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheRestrictedSetIsThere();
    void arabicIsShaped_data();
    void arabicIsShaped();
    void descriptionIsDrawn();
};

void FallbackFontsTest::onlyTheRestrictedSetIsThere() {
    QVERIFY(QFontDatabase::hasFamily("DejaVu Sans"));
    for (const char* missing :
         {"Traditional Arabic", "Times New Roman", "Tahoma", "Amiri", "Noto Naskh Arabic UI",
          "Noto Sans Arabic UI", "Liberation Serif"}) {
        QVERIFY2(!QFontDatabase::hasFamily(missing), missing);
    }
}

void FallbackFontsTest::arabicIsShaped_data() {
    QTest::addColumn<QString>("control");
    for (const char* c : {"m", "Label1", "Label3", "Label4", "Command1"}) {
        QTest::newRow(c) << c;
    }
}

void FallbackFontsTest::arabicIsShaped() {
    QFETCH(QString, control);
    rt::FormWindow w(form::form1(), traits::clickBindings());
    const QFont font = w.control(control.toStdString())->font();
    // م and ش twice each: initial, medial, medial, final forms all differ.
    const QList<QGlyphRun> word = shape(q(traits::ApricotName), font);
    QCOMPARE(word.size(), 1);
    const QList<quint32> glyphs = word.first().glyphIndexes();
    QCOMPARE(glyphs.size(), 4);
    QCOMPARE(QSet<quint32>(glyphs.begin(), glyphs.end()).size(), 4);
    const QList<quint32> isolated = shape(QString(QChar(0x0645)), font).first().glyphIndexes();
    QVERIFY(!glyphs.contains(isolated.first()));
    // The whole greeting: every glyph found.
    for (const QGlyphRun& run : shape(q(traits::GreetingText).remove(u' '), font)) {
        QVERIFY(run.rawFont().familyName().startsWith("DejaVu"));
        QVERIFY(!run.glyphIndexes().contains(0));
    }
}

void FallbackFontsTest::descriptionIsDrawn() {
    auto w = openForm1();
    const QImage m = w->control("m")->grab().toImage();
    int ink = 0;
    for (int y = 2; y < m.height() - 2; ++y) {
        for (int x = 2; x < m.width() - 2; ++x) {
            ink += m.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    QVERIFY(ink > 1500);
}

QTEST_MAIN(FallbackFontsTest)
#include "fallback_fonts_test.moc"
