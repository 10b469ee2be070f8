// Writes what the description label shows in each state, drawn offscreen, for
// the real-window test to compare its screenshots with.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "trait_table.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: render_description DIR");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    rt::FormWindow window(form::form1(), traits::clickBindings());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    auto save = [&](const QString& state) {
        return window.control("m")->grab().save(dir.filePath("m-" + state + ".png"));
    };
    bool ok = save("greeting");
    for (const traits::FruitEntry& e : traits::TraitTable) {
        traits::findClickProcedure(e.clickArea)(window);
        ok = ok && save(QString::fromLatin1(e.clickArea.data()));
    }
    traits::Command2_Click(window);
    ok = ok && save("credit");
    return ok ? 0 : 1;
}
