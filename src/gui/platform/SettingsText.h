// The settings file's text, as QSettings reads and writes it: [section] headers and
// key=value lines, names %XX-encoded, values quoted and escaped where they must be. A
// change is made on the text itself, so that every line it does not touch stays as it was
// (comments, blank lines, sections of other programs).
#pragma once

#include "cQtSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tabloo::settings_file {

// The longest value a read hands on, in bytes as the file holds it. The game's own longest
// (a player's name of the longest the name box takes, every character escaped) is a fifth
// of it; a longer value is none the game wrote, and only its start is read, so that a huge
// value in a broken or hostile file costs no more than this.
constexpr qsizetype kLongestValue = 1 << 20;

// One line of the file: a [section] header, a key=value line, or anything else (blank,
// comment), kept as it is.
struct Line {
    QByteArrayView Text;
    bool IsSection = false;
    QString Name; // the section's, or the key's
    QByteArrayView Value;
};

// What one line of the file (without its line break) holds.
Line Parse(QByteArrayView text);

// Calls `visit(line, inSection, start, end)` for every line, in order: whether it lies in
// [section] (a header of that name included), and where it starts and ends in `data`.
template <typename Visit> void ForEachLine(const QByteArray &data, const QString &section, Visit visit) {
    bool inSection = false;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArrayView text(data.constData() + start, end - start);
        if (text.endsWith('\r'))
            text.chop(1);
        const Line line = Parse(text);
        if (line.IsSection)
            inSection = line.Name == section;
        visit(line, inSection, start, end);
        start = end + 1;
    }
}

// A value as the file holds it, and back: quotes and backslash escapes as QSettings
// writes them; a value without quotes is the text it is (commas and all).
QString DecodeValue(const QByteArray &raw);
QByteArray EncodeValue(const QString &value);

// The text after change `op`: a key's line replaced or added, a count added to, or every
// [section] of a name removed.
QByteArray Apply(QByteArray data, const cQtSettings::Op &op);

} // namespace tabloo::settings_file
