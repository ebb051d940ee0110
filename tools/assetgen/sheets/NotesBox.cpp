#include "NotesBox.h"

namespace assetgen::sheets {
namespace {

constexpr double kLine = 7.5;
const TextStyle kNote{6};

// Splits a note into lines no wider than `width`, breaking between words.
QStringList wrap(const Drafter& paper, const QString& text, double width) {
    QStringList lines;
    QString current;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + u' ' + word;
        if (!current.isEmpty() && paper.textWidth(candidate, kNote) > width) {
            lines.append(current);
            current = word;
        } else {
            current = candidate;
        }
    }
    if (!current.isEmpty()) {
        lines.append(current);
    }
    return lines;
}

} // namespace

double drawNotes(const Drafter& paper, QRectF area, const QStringList& notes) {
    double y = area.top() + 9;
    paper.text({area.left() + 3, y}, QStringLiteral("NOTES:"), {7, true});
    const double width = paper.textWidth(QStringLiteral("NOTES:"), {7, true});
    paper.line({area.left() + 3, y + 1.5}, {area.left() + 3 + width, y + 1.5}, Stroke::Thin);
    y += 2;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const QStringList lines = wrap(paper, notes[i], area.width() - 16);
        for (qsizetype j = 0; j < lines.size(); ++j) {
            y += kLine;
            if (j == 0) {
                paper.text({area.left() + 3, y}, QStringLiteral("%1.").arg(i + 1), kNote);
            }
            paper.text({area.left() + 11, y}, lines[j], kNote);
        }
    }
    paper.box(area.topLeft(), area.bottomRight(), Stroke::Thin);
    return y + 3;
}

} // namespace assetgen::sheets
