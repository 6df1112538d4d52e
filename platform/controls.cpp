#include "controls.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QPainter>
#include <QPushButton>

namespace orrindel::platform {

void Label::setCaption(const QString &caption)
{
    setText(caption);
    // QLabel announces a new caption only for unnamed labels; a named one speaks it too.
    if (QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    emit Change();
}

void Label::setBorder(bool border)
{
    m_border = border;
    update();
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool Label::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && buddy()) {
        if (buddy()->focusPolicy() != Qt::NoFocus)
            buddy()->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QLabel::event(event);
}

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(unsigned bgr)
{
    m_fillColor = bgr;
    update();
}

void Shape::setFilled(bool filled)
{
    m_filled = filled;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_filled)
        painter.fillRect(rect(), fromBgr(m_fillColor));
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Line::Line(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setBorderColor(unsigned bgr)
{
    m_color = bgr;
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fromBgr(m_color));
}

QString spokenCaption(const QString &caption)
{
    // Without a regular expression: start-up would pay for the whole engine.
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool bracketedKey = caption.mid(i, 2) == QLatin1String("(&") &&
                                  i + 3 < caption.size() && caption[i + 2] != QLatin1Char(')') &&
                                  caption[i + 3] == QLatin1Char(')');
        if (bracketedKey)
            i += 3;
        else if (caption[i] != QLatin1Char('&'))
            spoken += caption[i];
    }
    return spoken;
}

QString controlName(const char *name, int index)
{
    const QString base = QString::fromLatin1(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

QWidget *Controls::at(const char *name, int index) const
{
    return m_widgets.value(controlName(name, index), nullptr);
}

namespace {

// A label with an accessible name of its own (a star's role and place) is heard by that name
// followed by its caption, "Mountain star, south-east: 3": screen readers on AT-SPI speak a
// label's name and never its value. Other labels are read by their caption, as Qt reads them.
class LabelAccessible final : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const Label *>(widget());
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // A screen reader speaks the name alone, so a named label says its caption too.
        const QString name = label->accessibleName();
        if (name.isEmpty())
            return spokenCaption(label->Caption());
        const QString shown =
            label->Caption().isEmpty() ? label->emptyValue() : label->Caption().simplified();
        return shown.isEmpty() ? name
                               : QCoreApplication::translate("orrindel::platform::Label", "%1: %2")
                                     .arg(name, shown);
    }
};

QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    if (auto *shape = qobject_cast<Shape *>(object))
        return new QAccessibleWidget(shape, QAccessible::Graphic);
    return nullptr;
}

// `family` is the installed face of the style's family, if it names one.
void applyStyle(QWidget &widget, const Style &style, const QString &family)
{
    if (style.family || style.pointSize > 0 || style.bold) {
        QFont font = widget.font();
        if (style.family)
            font.setFamily(family);
        if (style.pointSize > 0)
            font.setPointSizeF(style.pointSize);
        font.setBold(style.bold);
        widget.setFont(font);
    }
    QPalette palette = widget.palette();
    if (style.textColour >= 0) {
        palette.setColor(QPalette::WindowText, fromBgr(unsigned(style.textColour)));
        palette.setColor(QPalette::Text, fromBgr(unsigned(style.textColour)));
    }
    if (style.backColour >= 0) {
        palette.setColor(QPalette::Window, fromBgr(unsigned(style.backColour)));
        palette.setColor(QPalette::Base, fromBgr(unsigned(style.backColour)));
        widget.setAutoFillBackground(!style.transparent);
    }
    widget.setPalette(palette);
    if (auto *label = qobject_cast<QLabel *>(&widget)) {
        label->setAlignment(style.alignment);
        label->setWordWrap(style.wordWrap);
    }
    if (auto *label = qobject_cast<Label *>(&widget))
        label->setBorder(style.border);
}

// Captions are translated in the context of the window's class, where its table marks them.
QWidget *makeControl(const ControlRow &row, QWidget *parent, const char *context,
                     const CustomFactory &custom)
{
    const QString caption =
        row.caption && *row.caption ? QCoreApplication::translate(context, row.caption) : QString();
    switch (row.kind) {
    case Kind::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case Kind::CommandButton:
        return new QPushButton(caption, parent);
    case Kind::Label: {
        auto *label = new Label(caption, parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case Kind::Shape:
        return new Shape(parent);
    case Kind::Line:
        return new Line(parent);
    case Kind::PictureBox:
        return new QLabel(parent);
    case Kind::Custom:
        return custom ? custom(row, parent) : nullptr;
    }
    return nullptr;
}

} // namespace

Controls buildControls(QWidget &form, std::span<const ControlRow> table,
                       const CustomFactory &custom)
{
    static const bool accessible = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(accessible);
    Controls controls;
    QHash<const char *, QString> installed;
    // Containers are made first so that their children have a parent; then the rest are
    // made bottom-most first, since a later sibling is drawn over an earlier one.
    for (const bool containers : {true, false}) {
        for (auto row = table.rbegin(); row != table.rend(); ++row) {
            if ((row->kind == Kind::Frame) != containers)
                continue;
            QWidget *parent = row->container ? controls.at(row->container) : &form;
            Q_ASSERT_X(parent, "buildControls", row->name);
            QWidget *widget =
                makeControl(*row, parent, form.window()->metaObject()->className(), custom);
            Q_ASSERT_X(widget, "buildControls", row->name);
            const QString name = controlName(row->name, row->index);
            widget->setObjectName(name);
            widget->setGeometry(
                twipsRect(row->twips.x(), row->twips.y(), row->twips.width(), row->twips.height()));
            if (row->style) {
                const char *family = row->style->family;
                if (family && !installed.contains(family))
                    installed.insert(family, installedFamily(QString::fromLatin1(family)));
                applyStyle(*widget, *row->style, installed.value(family));
            }
            controls.insert(name, widget);
        }
    }
    return controls;
}

void growToText(QLabel &label, int right)
{
    label.setWordWrap(false);
    const int room = std::max(right - label.x(), label.width());
    label.resize(std::clamp(label.sizeHint().width(), label.width(), room), label.height());
}

QFont formFont()
{
    QFont font(installedFamily(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace orrindel::platform
