// A transparent area that draws nothing and reports clicks: pressed and
// released with the left button inside it.
#pragma once

#include <QWidget>

namespace rt {

class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace rt
