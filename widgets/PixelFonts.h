// Font heights in pixels, as the layouts give them.
#pragma once

#include <QObject>

class QWidget;

namespace widgets {

// Qt Designer stores font sizes in points; the layouts give character heights in pixels in a
// dynamic property "fontPixelSize" instead. While one of these lives (around a form's setupUi),
// each such property takes effect the moment the layout code sets it, so that every component
// is created with its final font and no face is loaded at a size that is never shown. The
// font is the one the layout means (see withStandIn).
class PixelFontApplier : public QObject {
public:
    PixelFontApplier();
    ~PixelFontApplier() override;
    PixelFontApplier(const PixelFontApplier&) = delete;
    PixelFontApplier& operator=(const PixelFontApplier&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace widgets
