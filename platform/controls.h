#pragma once

#include "platform/fonts/fonts.h"
#include <QColor>

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <span>

namespace orrindel::platform {

// Form positions are in twips; 15 twips make one pixel at 96 dpi. Qt's device-independent
// pixels are 96-dpi pixels, so high-dpi scaling keeps the proportions.
inline constexpr int TwipsPerPixel = 15;
inline int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Colours are written &HBBGGRR in the forms runtime.
inline QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// A label whose caption write raises Change at once, nested in the writer, as the forms
// runtime does.
class Label : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    // A flat one-pixel border in the label's own text colour, drawn here rather than by the
    // desktop's style, which may shade it in its own colours.
    void setBorder(bool border);
    // What a screen reader hears after the name of a named label whose caption is empty.
    QString emptyValue() const { return m_emptyValue; }
    void setEmptyValue(const QString &text) { m_emptyValue = text; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    // A caption's access key moves the focus to the buddy, as a label's access key does in
    // the forms runtime; unlike QLabel it never clicks a buddy that is a button.
    bool event(QEvent *event) override;

private:
    bool m_border = false;
    QString m_emptyValue;
};

// A rectangle shape: a one-pixel black border around a solid fill, or the border alone when
// it has no fill. The border is fixed like the fill, so a dark desktop palette cannot hide
// it against a white fill or page.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    unsigned FillColor() const { return m_fillColor; }
    void setFillColor(unsigned bgr);
    void setFilled(bool filled);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    unsigned m_fillColor = 0xFFFFFF;
    bool m_filled = true;
};

// A straight horizontal line of a given colour and thickness in pixels.
class Line : public QWidget
{
    Q_OBJECT
public:
    explicit Line(QWidget *parent = nullptr);
    void setBorderColor(unsigned bgr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    unsigned m_color = 0;
};

// How a control of a layout table looks. Fields left at their defaults keep the form's.
struct Style
{
    const char *family = nullptr;
    double pointSize = 0.0;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    int textColour = -1;      // &HBBGGRR, or -1 for the default
    int backColour = -1;      // &HBBGGRR, or -1 for the default
    bool transparent = false; // draws no background of its own
    bool border = false;      // a flat one-pixel line in the text colour
    bool wordWrap = true;
};

enum class Kind { Frame, CommandButton, Label, Shape, Line, PictureBox, Custom };

// One row of a window's layout table.
struct ControlRow
{
    const char *name;
    int index; // member of a control array, or -1
    Kind kind;
    const char *container; // nullptr for the form itself
    QRect twips;           // left, top, width, height
    const char *caption;
    const Style *style;
    int maxLength = 0; // characters a text box accepts; 0 for no limit
};

// A caption as a screen reader says it: without its access-key marker, which a Chinese
// caption writes as the bracketed English letter, "计算(&C)".
QString spokenCaption(const QString &caption);

// Object name of a control: "txtYear", or "lblTime(3)" for a member of a control array.
QString controlName(const char *name, int index);

// The controls of a form by object name; looks up control-array members by name and index.
class Controls
{
public:
    QWidget *at(const char *name, int index = -1) const;
    // The control of that name, which must exist and be a T.
    template <typename T> T *get(const char *name, int index = -1) const
    {
        T *control = qobject_cast<T *>(at(name, index));
        // A fixed layout table and its readers disagree: a programming error, in any build.
        if (!control)
            qFatal("Controls::get: no control %s of the kind asked for",
                   qPrintable(controlName(name, index)));
        return control;
    }
    void insert(const QString &name, QWidget *widget) { m_widgets.insert(name, widget); }

private:
    QHash<QString, QWidget *> m_widgets;
};

using CustomFactory = std::function<QWidget *(const ControlRow &, QWidget *parent)>;

// Builds a layout table on a form. Rows are stacked topmost first, as the table lists them;
// containers must come before the controls they hold. Custom rows are made by the factory.
Controls buildControls(QWidget &form, std::span<const ControlRow> table,
                       const CustomFactory &custom = {});

// The stand-in fonts run a little wider than the originals: a one-line caption grows to
// its text, up to the pixel column `right` of its container, rather than being cut off.
void growToText(QLabel &label, int right);

// The font a form's controls take where their style names none: MS Sans Serif, 8.25 points.
QFont formFont();

} // namespace orrindel::platform
