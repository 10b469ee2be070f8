// Invariants of the window description that click routing and drawing rely on.
#include "form1.h"
#include "texts.h"
#include "trait_table.h"

#include <QtTest>

#include <set>

using namespace form;

namespace {

int stackPosition(std::string_view name) {
    const auto controls = form1().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name) {
            return int(i);
        }
    }
    return -1;
}

const Control& get(std::string_view name) {
    const Control* c = form1().find(name);
    if (!c) {
        qFatal("no control %s", name.data());
    }
    return *c;
}

} // namespace

class DescriptionTest : public QObject {
    Q_OBJECT
private slots:
    void colourEncoding();
    void controlsAreUnique();
    void titleIsTheSameInFrameAndLabel();
    void clickAreaCoversItsFruit_data();
    void clickAreaCoversItsFruit();
    void labelsAndRulesLieAbovePictures();
    void buttonsLieAboveEverything();
    void tabOrder();
    void fonts();
    void rules();
};

void DescriptionTest::colourEncoding() {
    QCOMPARE(rgb(0, 0, 255), Colour(0x00FF0000));
    QCOMPARE(rgb(255, 0, 0), Colour(0x000000FF));
    QCOMPARE(rgb(0x12, 0x34, 0x56), Colour(0x00563412));
    QCOMPARE(int(blue(get("Label1").colour.value())), 255);
    QCOMPARE(int(red(get("Label1").colour.value())), 0);
    QCOMPARE(form1().background, Colour(0x00FFFFFF));
}

void DescriptionTest::controlsAreUnique() {
    std::set<std::string_view> names;
    for (const Control& c : form1().controls) {
        QVERIFY2(names.insert(c.name).second, c.name.data());
    }
    QCOMPARE(names.size(), std::size_t(26));
}

void DescriptionTest::titleIsTheSameInFrameAndLabel() {
    QVERIFY(form1().title == get("Label1").text);
    QVERIFY(form1().title == traits::TitleText);
    QVERIFY(get("m").text == traits::GreetingText);
}

void DescriptionTest::clickAreaCoversItsFruit_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    for (const traits::FruitEntry& e : traits::TraitTable) {
        QTest::newRow(e.clickArea.data())
            << e.clickArea.data() << e.nameLabel.data() << e.picture.data();
    }
}

void DescriptionTest::clickAreaCoversItsFruit() {
    QFETCH(QString, area);
    QFETCH(QString, label);
    QFETCH(QString, picture);
    const Control& a = get(area.toStdString());
    const Control& l = get(label.toStdString());
    const Control& p = get(picture.toStdString());
    QCOMPARE(a.kind, Kind::ClickArea);
    QCOMPARE(l.kind, Kind::Label);
    QCOMPARE(p.kind, Kind::Picture);
    QVERIFY(a.rect.contains(l.rect));
    QVERIFY(a.rect.contains(p.rect));
    // Above every picture and name label, so it takes their clicks.
    for (const Control& c : form1().controls) {
        const bool nameLabel = c.kind == Kind::Label && c.font && c.font->family == "Tahoma";
        if (c.kind == Kind::Picture || nameLabel) {
            QVERIFY2(stackPosition(a.name) < stackPosition(c.name), c.name.data());
        }
    }
    // The name shown is the one the table gives.
    const auto* entry = std::find_if(traits::TraitTable.begin(), traits::TraitTable.end(),
                                     [&](const auto& e) { return e.clickArea == a.name; });
    QVERIFY(l.text == entry->nameText);
    // Screen readers announce the area by the same name.
    QVERIFY(a.accessibleName == entry->nameText);
}

void DescriptionTest::labelsAndRulesLieAbovePictures() {
    int lowestOther = -1;
    int highestPicture = 1000;
    for (const Control& c : form1().controls) {
        const int at = stackPosition(c.name);
        if (c.kind == Kind::Picture) {
            highestPicture = std::min(highestPicture, at);
        } else {
            lowestOther = std::max(lowestOther, at);
        }
    }
    QVERIFY(lowestOther < highestPicture);
}

void DescriptionTest::buttonsLieAboveEverything() {
    QCOMPARE(form1().controls[0].kind, Kind::PushButton);
    QCOMPARE(form1().controls[1].kind, Kind::PushButton);
    // They overlap the description label's bottom edge and must win there.
    QVERIFY(get("Command2").rect.top < get("m").rect.bottom());
}

void DescriptionTest::tabOrder() {
    std::set<int> positions;
    for (const Control& c : form1().controls) {
        if (c.tabIndex) {
            QVERIFY(c.kind == Kind::Label || c.kind == Kind::PushButton);
            QVERIFY(positions.insert(*c.tabIndex).second);
        } else {
            QVERIFY(c.kind != Kind::Label && c.kind != Kind::PushButton);
        }
    }
    QCOMPARE(positions.size(), std::size_t(12));
    QCOMPARE(*positions.begin(), 0);
    QCOMPARE(*positions.rbegin(), 11);
    QCOMPARE(*get("Command1").tabIndex, 9);
    QCOMPARE(*get("Command2").tabIndex, 10);
}

void DescriptionTest::fonts() {
    for (const Control& c : form1().controls) {
        if (!c.font) {
            continue;
        }
        QCOMPARE(c.font->charset, ArabicCharset);
        QVERIFY(!c.font->italic && !c.font->underline && !c.font->strikeout);
    }
    QVERIFY(!get("Label2").font);
    QVERIFY(!get("Command1").font);
    QVERIFY(!get("Command2").font);
}

void DescriptionTest::rules() {
    for (const char* name : {"Lin1", "Lin2"}) {
        const Control& r = get(name);
        QCOMPARE(r.kind, Kind::Line);
        QCOMPARE(r.rect.height, 0);
        QCOMPARE(r.rect.left, 0);
        QVERIFY(r.rect.right() > form1().clientWidth);
        QCOMPARE(r.lineWidth, 1);
        QCOMPARE(r.colour.value(), rgb(192, 0, 0));
    }
}

QTEST_APPLESS_MAIN(DescriptionTest)
#include "description_test.moc"
