#include "widgets/StandInFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace widgets {
namespace {

struct StandIn {
    const char* designed;
    QStringList families; // tried in this order
    int stretch;          // percent of the stand-in's own width
};

// Measured against the layouts' label widths at their pixel sizes (8 to 19 px): these keep
// every designed label within 4 % (or 2 px) of its width. For Tahoma, DejaVu Sans Condensed
// runs 6 % short on "VT_RTi_UT_MT" and DejaVu Sans up to 15 % long.
// Windows has MS Sans Serif only as a bitmap face, in sizes that are not the layouts' (Qt would
// draw 8 point text with the 10 point bitmap), so the outline face Windows itself draws its
// dialogs with, Microsoft Sans Serif, the same design, comes first.
const StandIn kStandIns[] = {
    {"Times New Roman", {QStringLiteral("Liberation Serif")}, QFont::Unstretched},
    {"MS Sans Serif",
     {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")},
     QFont::Unstretched},
    {"Tahoma", {QStringLiteral("Liberation Sans")}, 109},
};

// Whether the platform has a face of that name, as Qt lists them. Asked once per face.
// QFontDatabase::hasFamily would first run the name through fontconfig's substitution rules,
// which Qt's font matching does not do, at a cost of 0.8 million instructions to the gallery's
// creation at start-up (callgrind).
bool platformHas(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd()) {
        return *found;
    }
    return *known.insert(family, QFontDatabase::families().contains(family, Qt::CaseInsensitive));
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
        QFont::insertSubstitutions(QString::fromLatin1(standIn.designed), standIn.families);
    }
}

QFont withStandIn(QFont font) {
    const StandIn* standIn = standInFor(font.family());
    if (standIn == nullptr) {
        return font;
    }
    font.setHintingPreference(QFont::PreferFullHinting);
    // Only outline faces: a bitmap face of the designed name is passed over for its stand-in.
    // A layout's choice to skip shaping stays.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline |
                                               (font.styleStrategy() & QFont::PreferNoShaping)));
    if (platformHas(QString::fromLatin1(standIn->designed))) {
        return font;
    }
    // A face the platform lacks is asked for by its stand-in's name. Asked for by the designed
    // name, Qt finds no such face and searches fontconfig's fallbacks for it, then loads the
    // stand-in with a fallback list searched at once; each search costs 1.4 million
    // instructions (callgrind), four of them before the calculator's first frame. A face named
    // directly gets its fallbacks searched only when a text needs a glyph it lacks.
    for (const QString& family : standIn->families) {
        if (platformHas(family)) {
            font.setFamily(family);
            break;
        }
    }
    if (standIn->stretch != QFont::Unstretched) {
        font.setStretch(standIn->stretch);
    }
    return font;
}

} // namespace widgets
