// The eight click procedures against a host that records what they do.
#include "form1_events.h"
#include "texts.h"
#include "trait_table.h"

#include "support.h"

#include <QtTest>

using namespace traits;

namespace {

class RecordingHost : public FormHost {
public:
    explicit RecordingHost(std::u16string_view start) : m(start) {}
    void setCaption(std::string_view control, std::u16string_view text) override {
        controls.push_back(std::string(control));
        if (control == "m") {
            m = text;
        }
    }
    void end() override { ++ends; }

    std::u16string m;
    std::vector<std::string> controls;
    int ends = 0;
};

std::u16string_view stateText(const QString& state) {
    if (state == "greeting") {
        return GreetingText;
    }
    if (state == "credit") {
        return CreditText;
    }
    return *traitText(state.toStdString());
}

} // namespace

class ClickProceduresTest : public QObject {
    Q_OBJECT
private slots:
    void click_data();
    void click();
    void sameFruitTwiceLeavesTheSameText();
    void onlyTheEightControlsHaveProcedures_data();
    void onlyTheEightControlsHaveProcedures();
};

void ClickProceduresTest::click_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected"); // text of m afterwards; "end" when it ends
    const QString states[] = {"greeting", "w3", "w6", "credit"};
    for (const QString& state : states) {
        for (const FruitEntry& e : TraitTable) {
            QTest::addRow("%s, %s", qPrintable(state), e.clickArea.data())
                << state << QString::fromLatin1(e.clickArea.data()) << q(e.traitText);
        }
        QTest::addRow("%s, Command2", qPrintable(state)) << state << "Command2" << q(CreditText);
        QTest::addRow("%s, Command1", qPrintable(state)) << state << "Command1"
                                                         << "end";
    }
}

void ClickProceduresTest::click() {
    QFETCH(QString, state);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    const std::u16string_view before = stateText(state);
    RecordingHost host(before);
    auto procedure = findClickProcedure(control.toStdString());
    QVERIFY(procedure);
    procedure(host);
    if (expected == "end") {
        QCOMPARE(host.ends, 1);
        QVERIFY(host.controls.empty());
        QCOMPARE(q(host.m), q(before));
    } else {
        QCOMPARE(host.ends, 0);
        // One whole replacement of m, nothing else touched.
        QCOMPARE(host.controls, std::vector<std::string>{"m"});
        QCOMPARE(q(host.m), expected);
    }
}

void ClickProceduresTest::sameFruitTwiceLeavesTheSameText() {
    for (const FruitEntry& e : TraitTable) {
        RecordingHost host(GreetingText);
        auto procedure = findClickProcedure(e.clickArea);
        procedure(host);
        procedure(host);
        QCOMPARE(q(host.m), q(e.traitText));
        QCOMPARE(host.controls.size(), std::size_t(2));
    }
}

void ClickProceduresTest::onlyTheEightControlsHaveProcedures_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("bound");
    for (const char* name : {"w1", "w2", "w3", "w4", "w5", "w6", "Command1", "Command2"}) {
        QTest::newRow(name) << name << true;
    }
    for (const char* name : {"Form1", "m", "Label1", "Label2", "Label3", "Label4", "Label8", "Lin1",
                             "Lin2", "Image1", "Image3", "w7", "command1", ""}) {
        QTest::newRow(*name ? name : "empty") << name << false;
    }
}

void ClickProceduresTest::onlyTheEightControlsHaveProcedures() {
    QFETCH(QString, control);
    QFETCH(bool, bound);
    QCOMPARE(findClickProcedure(control.toStdString()) != nullptr, bound);
}

QTEST_APPLESS_MAIN(ClickProceduresTest)
#include "click_procedures_test.moc"
