// Random input against a small reference model of what `m` must show: clicks
// in and around the window (edges and overlap strips more often), Tab, Space,
// Enter, resizing, minimising and restoring.
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"
#include "texts.h"
#include "trait_table.h"
#include "twips.h"

#include "form_fixture.h"

#include <QtTest>

#include <memory>
#include <random>

namespace {

// What the window should do, worked out from the description alone.
struct Model {
    QString m = q(traits::GreetingText);
    QString focus = "Command1";
    QSize size{450, 351};
    bool ended = false;

    // The control a click at this logical pixel reaches: the first in the
    // stacking order whose rectangle holds it; rules let clicks through.
    static QString hit(QPoint p) {
        for (const form::Control& c : form::form1().controls) {
            if (c.kind == form::Kind::Line) {
                continue;
            }
            const form::PixelRect r = form::toPixels(c.rect, 96, 96);
            if (p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom) {
                return QString::fromLatin1(c.name.data(), qsizetype(c.name.size()));
            }
        }
        return {};
    }

    void run(const QString& control) {
        if (control == "Command1") {
            ended = true;
        } else if (control == "Command2") {
            m = q(traits::CreditText);
        } else if (auto text = traits::traitText(control.toStdString())) {
            m = q(*text);
        }
    }

    void click(QPoint p) {
        if (p.x() < 0 || p.y() < 0 || p.x() >= size.width() || p.y() >= size.height()) {
            return;
        }
        const QString target = hit(p);
        if (target.startsWith("Command")) {
            focus = target; // a pressed button takes the focus
        }
        run(target);
    }
};

// Clicks around the window are meant: keep QtTest from saying so each time.
QtMessageHandler previousHandler = nullptr;
void quietAboutOutside(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("occurs outside target window"))) {
        previousHandler(type, context, text);
    }
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void randomInputMatchesTheModel();
};

void ModelTest::randomInputMatchesTheModel() {
    previousHandler = qInstallMessageHandler(quietAboutOutside);
    auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });
    const unsigned seed = 20261211;
    std::mt19937 random(seed);
    auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Edges of every control, in pixels: clicks land on and beside them often.
    QList<int> xs, ys;
    for (const form::Control& c : form::form1().controls) {
        const form::PixelRect r = form::toPixels(c.rect, 96, 96);
        xs << r.left << r.right - 1 << r.right;
        ys << r.top << r.bottom - 1 << r.bottom;
    }

    std::unique_ptr<rt::FormWindow> w;
    Model model;
    auto open = [&] {
        w = openForm1();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        model = Model{};
    };
    open();
    int divergences = 0, ends = 0, clicks = 0;
    for (int event = 0; event < 10000; ++event) {
        QSignalSpy ended(w.get(), &rt::FormWindow::ended);
        const int kind = uniform(0, 99);
        QString what;
        if (kind < 80) {
            QPoint p(uniform(-10, 460), uniform(-10, 360));
            if (kind < 40) {
                p = QPoint(xs[uniform(0, int(xs.size()) - 1)] + uniform(-1, 1),
                           ys[uniform(0, int(ys.size()) - 1)] + uniform(-1, 1));
            }
            what = QString("click %1,%2").arg(p.x()).arg(p.y());
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, p);
            model.click(p);
            ++clicks;
        } else if (kind < 88) {
            const bool back = uniform(0, 3) == 0;
            what = back ? "Backtab" : "Tab";
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab);
            model.focus = model.focus == "Command1" ? "Command2" : "Command1";
        } else if (kind < 95) {
            const Qt::Key key = kind < 92 ? Qt::Key_Space : Qt::Key_Return;
            what = key == Qt::Key_Space ? "Space" : "Return";
            QTest::keyClick(QApplication::focusWidget(), key);
            model.run(model.focus);
        } else if (kind < 98) {
            const QSize size(uniform(150, 700), uniform(120, 600));
            what = QString("resize %1x%2").arg(size.width()).arg(size.height());
            w->resize(size);
            QCoreApplication::processEvents();
            model.size = size;
        } else {
            what = "minimise, restore";
            w->showMinimized();
            QCoreApplication::processEvents();
            w->showNormal();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
        }
        const bool endedNow = ended.count() == 1;
        if (endedNow != model.ended || (!model.ended && w->caption("m") != model.m) ||
            (!model.ended &&
             QApplication::focusWidget() != w->control(model.focus.toStdString()))) {
            if (++divergences <= 5) {
                qWarning("event %d (%s): window and model differ", event, qPrintable(what));
            }
            open(); // start again from a known state
            continue;
        }
        if (model.ended) {
            QVERIFY(!w->isVisible());
            ++ends;
            open();
        }
    }
    qInfo("seed %u: %d clicks, %d ends, %d divergences", seed, clicks, ends, divergences);
    QCOMPARE(divergences, 0);
    QVERIFY(ends > 10);
}

QTEST_MAIN(ModelTest)
#include "model_test.moc"
