#pragma once

#include <QPushButton>

// A push button drawn in its palette's Button colour, whatever the style: a
// rounded face with a darker edge, thicker while the button has the focus and
// darker while it is held down. The caption is drawn in ButtonText.
class ColouredButton : public QPushButton {
    Q_OBJECT

public:
    ColouredButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
