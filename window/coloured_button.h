#pragma once

#include <QColor>
#include <QPushButton>

// A push button drawn in a face colour of its own, whatever the style: a
// rounded face with a darker edge, thicker while the button has the focus and
// darker while it is held down.
class ColouredButton : public QPushButton {
    Q_OBJECT

public:
    ColouredButton(const QString& caption, const QColor& face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};
