// The fixed texts, checked code point by code point where it matters.
#include "texts.h"
#include "trait_table.h"

#include "support.h"

#include <QtTest>

#include <string_view>
#include <vector>

using namespace traits;

namespace {

qsizetype codePoints(std::u16string_view s) {
    return q(s).toUcs4().size();
}

// Lengths of the runs of two or more spaces, in order.
std::vector<int> spaceRuns(std::u16string_view s) {
    std::vector<int> runs;
    int run = 0;
    for (char16_t c : s) {
        if (c == u' ') {
            ++run;
            continue;
        }
        if (run >= 2) {
            runs.push_back(run);
        }
        run = 0;
    }
    if (run >= 2) {
        runs.push_back(run);
    }
    return runs;
}

bool isArabicLetter(char16_t c) {
    return c >= 0x0621 && c <= 0x064A;
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void traitText_data();
    void traitText();
    void everyTextIsClean_data();
    void everyTextIsClean();
    void spaceRunsKept_data();
    void spaceRunsKept();
    void greetingEndsWithTheAuthorsName();
    void creditIsAddressThenSignature();
    void titleHasThirtyCharacters();
    void traitTextOnlyForTheSixClickAreas_data();
    void traitTextOnlyForTheSixClickAreas();
    void tableRowsAreInClickAreaOrder();
};

void TextsTest::traitText_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("count");
    QTest::newRow("w1 apricot") << "w1" << 60;
    QTest::newRow("w2 grapes") << "w2" << 152;
    QTest::newRow("w3 strawberry") << "w3" << 126;
    QTest::newRow("w4 banana") << "w4" << 123;
    QTest::newRow("w5 apple") << "w5" << 103;
    QTest::newRow("w6 orange") << "w6" << 138;
}

void TextsTest::traitText() {
    QFETCH(QString, area);
    QFETCH(int, count);
    const auto text = traits::traitText(area.toStdString());
    QVERIFY(text);
    QCOMPARE(codePoints(*text), count);
    // Trait texts hold Arabic letters, single spaces and the Arabic comma only.
    for (char16_t c : *text) {
        QVERIFY2(isArabicLetter(c) || c == u' ' || c == u'\u060C',
                 qPrintable(QString::number(c, 16)));
    }
    QVERIFY(spaceRuns(*text).empty());
    // Every Arabic comma stands with one space on each side.
    const QString s = q(*text);
    for (qsizetype i = s.indexOf(QChar(0x060C)); i >= 0; i = s.indexOf(QChar(0x060C), i + 1)) {
        QVERIFY(i >= 2 && i + 2 < s.size());
        QCOMPARE(s.at(i - 1), QChar(u' '));
        QCOMPARE(s.at(i + 1), QChar(u' '));
        QVERIFY(s.at(i - 2) != QChar(u' '));
        QVERIFY(s.at(i + 2) != QChar(u' '));
    }
}

void TextsTest::everyTextIsClean_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << q(TitleText);
    QTest::newRow("heading") << q(HeadingText);
    QTest::newRow("credit button") << q(CreditButtonText);
    QTest::newRow("close button") << q(CloseButtonText);
    QTest::newRow("greeting") << q(GreetingText);
    QTest::newRow("credit") << q(CreditText);
    QTest::newRow("site") << q(SiteAddress);
    for (const FruitEntry& e : TraitTable) {
        QTest::addRow("name %s", e.nameLabel.data()) << q(e.nameText);
        QTest::addRow("traits %s", e.clickArea.data()) << q(e.traitText);
    }
}

void TextsTest::everyTextIsClean() {
    QFETCH(QString, text);
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.startsWith(u' '));
    QVERIFY(!text.endsWith(u' '));
    QVERIFY(!text.contains(u'\n'));
    QVERIFY(!text.contains(u'\r'));
    QVERIFY(!text.contains(u'\t'));
    // Nothing invisible that would steer the text's direction or joining.
    for (QChar c : text) {
        QVERIFY2(c.category() != QChar::Other_Format, qPrintable(QString::number(c.unicode(), 16)));
    }
}

void TextsTest::spaceRunsKept_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("runs");
    QTest::newRow("greeting") << q(GreetingText) << QList<int>{2, 9, 4};
    QTest::newRow("credit") << q(CreditText) << QList<int>{2};
}

void TextsTest::spaceRunsKept() {
    QFETCH(QString, text);
    QFETCH(QList<int>, runs);
    const std::u16string s = text.toStdU16String();
    const std::vector<int> found = spaceRuns(s);
    QCOMPARE(QList<int>(found.begin(), found.end()), runs);
}

void TextsTest::greetingEndsWithTheAuthorsName() {
    const QString g = q(GreetingText);
    QCOMPARE(codePoints(GreetingText), 155);
    QVERIFY(g.endsWith(u" Tarvisqo"));
    // Apart from the author's name the greeting is Arabic letters and spaces.
    const QString arabic = g.chopped(int(std::u16string_view(u" Tarvisqo").size()));
    for (QChar c : arabic) {
        QVERIFY(isArabicLetter(c.unicode()) || c == u' ');
    }
    // Four runs of words between the runs of spaces.
    QCOMPARE(g.split(QRegularExpression(" {2,}")).size(), 4);
}

void TextsTest::creditIsAddressThenSignature() {
    const QString credit = q(CreditText);
    const QString address = q(AuthorAddress);
    QVERIFY(credit.startsWith(address + "  "));
    QVERIFY(credit.at(address.size() + 2) != u' ');
    QVERIFY(credit.endsWith(u" Tarvisqo"));
    QCOMPARE(codePoints(CreditText), codePoints(AuthorAddress) + 2 + 33);
    for (QString ascii : {address, q(SiteAddress)}) {
        for (QChar c : ascii) {
            QVERIFY(c.unicode() > 0x20 && c.unicode() < 0x7F);
        }
    }
    QVERIFY(address.contains(u'@'));
}

void TextsTest::titleHasThirtyCharacters() {
    QCOMPARE(codePoints(TitleText), 30);
}

void TextsTest::traitTextOnlyForTheSixClickAreas_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("next area") << "w7";
    QTest::newRow("w0") << "w0";
    QTest::newRow("name label") << "Label4";
    QTest::newRow("picture") << "Image3";
    QTest::newRow("description") << "m";
    QTest::newRow("button") << "Command2";
    QTest::newRow("empty") << "";
    QTest::newRow("upper case") << "W1";
}

void TextsTest::traitTextOnlyForTheSixClickAreas() {
    QFETCH(QString, name);
    QVERIFY(!traits::traitText(name.toStdString()));
}

void TextsTest::tableRowsAreInClickAreaOrder() {
    const char* areas[] = {"w1", "w2", "w3", "w4", "w5", "w6"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(TraitTable[i].clickArea, std::string_view(areas[i]));
        for (int j = 0; j < i; ++j) {
            QVERIFY(TraitTable[i].traitText != TraitTable[j].traitText);
            QVERIFY(TraitTable[i].nameText != TraitTable[j].nameText);
        }
    }
}

QTEST_APPLESS_MAIN(TextsTest)
#include "texts_test.moc"
