#include "runtime.h"

#include "font_warm_up.h"
#include "form_window.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace rt {

namespace {

// While the application object is being made, a platform that cannot reach
// its display ends the process with abort(): catch that and leave with one
// clear line and a failure status instead.
bool startingUp = false;
QtMessageHandler defaultHandler = nullptr;

void startUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (startingUp) {
        if (type == QtFatalMsg) {
            std::fputs("fruit-traits: cannot open the window: no display could be reached\n",
                       stderr);
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
        // The platform's own complaints before that fatal line are noise.
        if (context.category && qstrncmp(context.category, "qt.qpa", 6) == 0) {
            return;
        }
    }
    defaultHandler(type, context, message);
}

// The frame's size is known only once the window manager has framed the
// window, by its first paint: then centre the whole frame, once.
class CentreOnceFramed : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            QScreen* screen = window->screen();
            if (screen && window->frameGeometry() != window->geometry()) {
                window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                 window->frameGeometry().size(),
                                                 screen->availableGeometry())
                                 .topLeft());
            }
            deleteLater();
        }
        return false;
    }
};

Dpi screenDpi(const QScreen* screen) {
    if (!screen) {
        return {};
    }
    return {qRound(screen->logicalDotsPerInchX()), qRound(screen->logicalDotsPerInchY())};
}

} // namespace

int run(const char* programName, const form::Form& description,
        std::span<const traits::ClickBinding> bindings) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    defaultHandler = qInstallMessageHandler(startUpMessages);
    startingUp = true;
    FontWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.wait();
    startingUp = false;
    // Whatever the locale, the window reads left to right, as it was drawn.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);

    QScreen* screen = QGuiApplication::primaryScreen();
    auto window = std::make_unique<FormWindow>(description, bindings, screenDpi(screen));
    QObject::connect(window.get(), &FormWindow::ended, &app,
                     [](int status) { QCoreApplication::exit(status); });
    if (screen) {
        window->installEventFilter(new CentreOnceFramed(window.get()));
        // Until the frame is known, place it as if it had none.
        window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->clientSize(),
                                         screen->availableGeometry())
                         .topLeft());
    }
    window->show();
    return app.exec();
}

} // namespace rt
