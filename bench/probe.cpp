// One measured run, driven by bench/run.py: builds the program's window or one
// of the two reference windows of the same size the same way, and reports on
// stdout once its first frame is painted, with the split of the start-up;
// then, on request, measures clicks or idles.
#include "font_warm_up.h"
#include "form1.h"
#include "form1_events.h"
#include "form_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Tells when a widget's paint has finished.
class PaintWatch : public QObject {
public:
    std::function<void()> painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && painted) {
            QTimer::singleShot(0, painted); // after the paint has been flushed
        }
        return false;
    }
};

// The references: a blank window, and one that draws a single Arabic word,
// which is what any Qt window with text pays for fonts before its first frame.
class Empty : public QWidget {
public:
    explicit Empty(bool word) : word_(word) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (word_) {
            painter.drawText(rect(), Qt::AlignCenter,
                             QStringLiteral(u"\u0641\u0627\u0643\u0647\u0629"));
        }
    }

private:
    bool word_;
};

// Milliseconds since the previous step, for the split of the start-up.
class Steps {
public:
    Steps() { timer_.start(); }
    void mark(const char* step) {
        line_ += ' ';
        line_ += step;
        line_ += ' ' + std::to_string(timer_.nsecsElapsed() / 1000);
        timer_.restart();
    }
    const std::string& line() const { return line_; }

private:
    QElapsedTimer timer_;
    std::string line_;
};

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "form";
    const std::string then = argc > 2 ? argv[2] : "";
    Steps steps;
    // The program's own start-up: the font configuration is read while the
    // display connection is made.
    std::optional<rt::FontWarmUp> warmUp;
    if (mode == "form") {
        warmUp.emplace();
    }
    QApplication app(argc, argv);
    if (warmUp) {
        warmUp->wait();
    }
    steps.mark("application");
    std::unique_ptr<QWidget> window;
    if (mode == "form") {
        window = std::make_unique<rt::FormWindow>(form::form1(), traits::clickBindings());
    } else {
        window = std::make_unique<Empty>(mode == "word");
        window->resize(450, 351);
    }
    steps.mark("window");
    window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                     app.primaryScreen()->availableGeometry())
                     .topLeft());
    PaintWatch watch;
    window->installEventFilter(&watch);
    watch.painted = [&] {
        watch.painted = nullptr;
        steps.mark("painted");
        std::printf("painted %ld%s\n", peakResidentKiB(), steps.line().c_str());
        std::fflush(stdout);
        if (then == "clicks" && mode == "form") {
            auto* form = static_cast<rt::FormWindow*>(window.get());
            QWidget* m = form->control("m");
            QElapsedTimer timer;
            std::vector<qint64> ns;
            qint64 paintedAt = 0;
            struct End : QObject {
                qint64* at;
                QElapsedTimer* t;
                bool eventFilter(QObject*, QEvent* e) override {
                    if (e->type() == QEvent::Paint) {
                        // the paint event's end: after the widget's own handler
                        QTimer::singleShot(0, [this] { *at = t->nsecsElapsed(); });
                    }
                    return false;
                }
            } end;
            end.at = &paintedAt;
            end.t = &timer;
            m->installEventFilter(&end);
            const QPoint areas[] = {{276, 76}, {406, 96}, {338, 91}, {170, 87}, {97, 95}, {34, 98}};
            for (int round = 0; round < 500; ++round) {
                for (QPoint p : areas) {
                    timer.start();
                    paintedAt = 0;
                    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, p);
                    while (paintedAt == 0) {
                        QCoreApplication::processEvents();
                    }
                    ns.push_back(paintedAt);
                }
            }
            std::sort(ns.begin(), ns.end());
            std::printf("clicks %zu p50 %lld p99 %lld\n", ns.size(), (long long)ns[ns.size() / 2],
                        (long long)ns[ns.size() * 99 / 100]);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        } else if (then.empty()) {
            QCoreApplication::exit(0);
        }
        // otherwise idle until killed
    };
    window->show();
    steps.mark("show");
    return app.exec();
}
