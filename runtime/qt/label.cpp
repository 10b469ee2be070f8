#include "label.h"

#include <QAccessible>
#include <QPainter>

namespace rt {

Label::Label(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setText(const QString& text) {
    text_ = text;
    repaint();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Label::setAlignment(Qt::Alignment horizontal) {
    alignment_ = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void Label::setSunkenBorder() {
    // The classic 2-pixel sunken edge, in the classic colours.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette p = palette();
    p.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::Midlight, QColor(0xD4, 0xD0, 0xC8));
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    setPalette(p);
}

int Label::textFlags() const {
    // Without the forced direction Qt would take the paragraph direction from
    // the first strong letter and set the Latin words of a mostly Arabic text
    // on the wrong side of their line.
    return int(alignment_) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextForceLeftToRight;
}

void Label::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), textFlags(), text_);
}

} // namespace rt
