#include "click_area.h"

#include <QMouseEvent>

namespace rt {

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
    event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
    }
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace rt
