#include "StormRandom.h"

namespace {

QString digitsFrom(char16_t zero, int count, StormRandom& random) {
    QString digits;
    for (int i = 0; i < count; ++i) {
        digits += QChar(static_cast<char16_t>(zero + random.below(10)));
    }
    return digits;
}

} // namespace

std::uint64_t StormRandom::next() {
    // SplitMix64.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int StormRandom::below(int n) {
    return static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

// Mostly well-formed numbers, so that calculations succeed often enough to be checked.
QString StormRandom::number() {
    QString text = QString(below(3) == 0 ? below(3) : 0, u' ');
    if (percent(30)) {
        text += pick({u'-', u'+'});
    }
    text += digitsFrom(u'0', 1 + below(6), *this);
    if (percent(40)) {
        text += pick({u'.', u'.', u',', u'\u066B'});
        text += digitsFrom(u'0', below(5), *this);
    }
    if (percent(10)) {
        text += pick({u'e', u'E'});
        text += pick({QStringLiteral(""), QStringLiteral("-"), QStringLiteral("+")});
        text += digitsFrom(u'0', below(5), *this);
    }
    if (percent(15)) {
        text += QString(1 + below(2), u' ');
    }
    return text;
}

QString StormRandom::piece() {
    switch (below(12)) {
    case 0:
        return digitsFrom(u'\u0660', 1 + below(4), *this); // Arabic-Indic digits
    case 1:
        return digitsFrom(u'\u06F0', 1 + below(4), *this); // Persian digits
    case 2:
        return pick({QStringLiteral("%s"), QStringLiteral("%n"), QStringLiteral("%1"),
                     QStringLiteral("%s %n %1"), QStringLiteral("%%")});
    case 3:
        return QString::fromUtf8(pick({"طراحي", "ش", "ی", "abc", "x", "$", "0x", "Inf", "Nan"}));
    case 4:
        return QString(1 + below(3), u' ');
    case 5:
        return QString(1, pick({u'-', u'+', u'.', u',', u'\u066B', u'e', u'E', u'\'', u'"'}));
    case 6:
        return digitsFrom(u'0', 20 + below(40), *this);
    default:
        return number();
    }
}

QString StormRandom::text() {
    switch (below(10)) {
    case 0:
        return QString();
    case 1:
    case 2:
        return piece() + piece();
    default:
        return number();
    }
}

QString StormRandom::longText() {
    QString text;
    const int length = 200 << below(5);
    while (text.size() < length) {
        text += piece();
    }
    return text;
}
