#pragma once

#include <QProxyStyle>

namespace orrindel::platform {

// The desktop's own style, except that the icons of toolbar and menu bar extension buttons
// are made when first drawn. Qt reads them from files at once, which loads every image
// plug-in and the SVG module into a window whose menu bar never overflows.
class DeferredIconStyle : public QProxyStyle
{
public:
    // A proxy of the style named key, such as the application's current one.
    explicit DeferredIconStyle(const QString &key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace orrindel::platform
