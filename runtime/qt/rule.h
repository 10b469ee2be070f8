// A straight rule. It takes no clicks: they pass to whatever lies beneath.
#pragma once

#include <QColor>
#include <QWidget>

namespace rt {

class Rule : public QWidget {
    Q_OBJECT
public:
    Rule(QColor colour, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace rt
