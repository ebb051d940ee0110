#include "widgets/StandInFonts.h"

#include <QFontDatabase>
#include <QHash>

namespace widgets {
namespace {

struct StandIn {
    const char* designed;
    const char* family;
    int stretch; // percent of the stand-in's own width
};

// Measured against the layouts' label widths at their pixel sizes (8 to 19 px): these keep
// every designed label within 4 % (or 2 px) of its width. For Tahoma, DejaVu Sans Condensed
// runs 6 % short on "VT_RTi_UT_MT" and DejaVu Sans up to 15 % long.
constexpr StandIn kStandIns[] = {
    {"Times New Roman", "Liberation Serif", QFont::Unstretched},
    {"MS Sans Serif", "Liberation Sans", QFont::Unstretched},
    {"Tahoma", "Liberation Sans", 109},
};

// Whether the platform has the face: asked once per face, as the question costs a font
// match each time.
bool platformHas(const char* family) {
    static QHash<QString, bool> known;
    const QString name = QString::fromLatin1(family);
    const auto found = known.constFind(name);
    if (found != known.constEnd()) {
        return *found;
    }
    return *known.insert(name, QFontDatabase::hasFamily(name));
}

const StandIn* standInFor(const QString& family) {
    for (const StandIn& standIn : kStandIns) {
        if (family == QLatin1String(standIn.designed)) {
            return &standIn;
        }
    }
    return nullptr;
}

} // namespace

void mapStandInFonts() {
    for (const StandIn& standIn : kStandIns) {
        QFont::insertSubstitution(QString::fromLatin1(standIn.designed),
                                  QString::fromLatin1(standIn.family));
    }
}

QFont withStandIn(QFont font) {
    const StandIn* standIn = standInFor(font.family());
    if (standIn == nullptr) {
        return font;
    }
    font.setHintingPreference(QFont::PreferFullHinting);
    if (standIn->stretch != QFont::Unstretched && !platformHas(standIn->designed)) {
        font.setStretch(standIn->stretch);
    }
    return font;
}

} // namespace widgets
