#include "checkbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace orrindel::platform {

GraphicalCheckBox::GraphicalCheckBox(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setCheckable(true);
    connect(this, &QPushButton::toggled, this, [this] { emit Click(); });
}

void GraphicalCheckBox::paintEvent(QPaintEvent *)
{
    // The button is smaller than the style's margins allow for, so the bevel is drawn by
    // the style and the caption straight into the whole face.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect face = rect();
    if (isDown() || isChecked())
        face.translate(1, 1);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(face, Qt::AlignCenter, text());
}

} // namespace orrindel::platform
