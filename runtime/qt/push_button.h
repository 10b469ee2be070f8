// A push button that, while it has the focus, is pressed by Enter as well as
// by Space, as a focused button is on the classic desktop.
#pragma once

#include <QPushButton>

namespace rt {

class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace rt
