#include "coloured_button.h"

#include <QPainter>

namespace {

constexpr qreal kCornerRadius = 3;
constexpr int kEdgeDarkness = 200;
constexpr int kPressedDarkness = 115;

}  // namespace

void ColouredButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edgeWidth = hasFocus() ? 2 : 1;
    const qreal inset = edgeWidth / 2;
    const QColor face = palette().color(QPalette::Button);
    painter.setPen(QPen(face.darker(kEdgeDarkness), edgeWidth));
    painter.setBrush(isDown() ? face.darker(kPressedDarkness) : face);
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kCornerRadius,
                            kCornerRadius);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
