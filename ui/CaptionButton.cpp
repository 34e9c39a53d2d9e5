// The bevel comes from the style; the caption is painted over it without the style's margins.
#include "CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CaptionButton::CaptionButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    const QPalette::ColorRole role = QPalette::ButtonText;
    QRect face = rect();
    if (isDown())
        face.translate(1, 1);
    painter.setFont(font());
    style()->drawItemText(&painter, face, Qt::AlignCenter, palette(), isEnabled(), text(), role);
}
