#pragma once

#include <QProxyStyle>

namespace orrindel::platform {

// The desktop's own style, less two start-up costs of a main window:
// - the icons of toolbar and menu bar extension buttons are made when first drawn. Qt reads
//   them from files at once, which loads every image plug-in and the SVG module into a window
//   whose menu bar never overflows;
// - widgets are not animated. Only a main window's docks, toolbars and tabs would be, and
//   there are none; yet its layout places the central widget through a zero-length
//   animation, which starts Qt's animation framework at the first show.
class DeferredIconStyle : public QProxyStyle
{
public:
    // A proxy of the style named key, such as the application's current one.
    explicit DeferredIconStyle(const QString &key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

} // namespace orrindel::platform
