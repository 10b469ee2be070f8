// A label as the window description has it: fixed size, transparent, text
// wrapped at spaces from the top edge, clipped, with a left-to-right paragraph
// in which Qt still shapes and orders each Arabic run.
#pragma once

#include <QFrame>
#include <QString>

namespace rt {

class Label : public QFrame {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // Replaces the whole text and redraws at once.
    void setText(const QString& text);

    void setAlignment(Qt::Alignment horizontal);

    // Sunken single border, drawn inside the label's rectangle.
    void setSunkenBorder();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The flags the text is drawn with.
    int textFlags() const;

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

} // namespace rt
