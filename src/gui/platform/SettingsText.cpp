#include "SettingsText.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tabloo::settings_file {

// A section or key name as the file holds it: characters other than letters, digits and a
// few signs are written %XX (QSettings' way); read back the same way.
QString DecodeName(QByteArrayView raw) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(raw.trimmed().toByteArray()));
}

QByteArray EncodeName(const QString &name) { return name.toUtf8().toPercentEncoding(); }

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

Line Parse(QByteArrayView text) {
    Line line;
    line.Text = text;
    const QByteArrayView t = text.trimmed();
    if (t.startsWith('[') && t.endsWith(']')) {
        line.IsSection = true;
        line.Name = DecodeName(t.sliced(1, t.size() - 2));
    } else if (!t.isEmpty() && t.front() != ';' && t.front() != '#') {
        const qsizetype eq = t.indexOf('=');
        if (eq > 0) {
            line.Name = DecodeName(t.first(eq));
            line.Value = t.sliced(eq + 1);
        }
    }
    return line;
}

// A value as the file holds it, and back: quotes and backslash escapes as QSettings
// writes them; a value without quotes is the text it is (commas and all).
QString DecodeValue(const QByteArray &raw) {
    const QString s = QString::fromUtf8(raw).trimmed();
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    // "@@" stands for one "@" (QSettings keeps a lone "@" for values of its own types).
    if (s.startsWith(QLatin1String("@@")))
        i = 1;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"')
            continue; // quotes only protect what they hold
        if (c != u'\\' || i + 1 == s.size()) {
            out += c;
            continue;
        }
        const QChar e = s[++i];
        switch (e.unicode()) {
        case 'a':
            out += QChar(7);
            break;
        case 'b':
            out += QChar(8);
            break;
        case 'f':
            out += QChar(12);
            break;
        case 'n':
            out += QChar(10);
            break;
        case 'r':
            out += QChar(13);
            break;
        case 't':
            out += QChar(9);
            break;
        case 'v':
            out += QChar(11);
            break;
        case 'x': {
            uint code = 0;
            for (int digits = 0; digits < 4 && i + 1 < s.size(); ++digits) {
                const int d = HexDigit(s[i + 1]);
                if (d < 0)
                    break;
                code = code * 16 + static_cast<uint>(d);
                ++i;
            }
            out += QChar(static_cast<char16_t>(code));
            break;
        }
        default:
            out += e; // \\ \" \' \? and anything else: the character itself
        }
    }
    return out;
}

QByteArray EncodeValue(const QString &value) {
    bool plain = !value.isEmpty() && !value.front().isSpace() && !value.back().isSpace() && !value.startsWith(u'@') &&
                 !value.startsWith(u'#') && !value.startsWith(u'[');
    for (QChar c : value)
        if (c.unicode() < 0x20 || c == u'"' || c == u'\\' || c == u',' || c == u';' || c == u'=')
            plain = false;
    if (plain || value.isEmpty())
        return value.toUtf8();
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out.toUtf8();
}

// The first [section] of that name: from its header to the end of its last line that is
// not blank, before the next section starts; false when there is none.
bool FirstSection(const QByteArray &data, const QString &section, qsizetype &start, qsizetype &end) {
    start = end = -1;
    bool passed = false;
    ForEachLine(data, section, [&](const Line &line, bool inSection, qsizetype lineStart, qsizetype lineEnd) {
        if (passed || !inSection) {
            passed = start >= 0;
            return;
        }
        if (start < 0)
            start = lineStart;
        if (!line.Text.trimmed().isEmpty())
            end = std::min<qsizetype>(lineEnd + 1, data.size());
    });
    return start >= 0;
}

bool IsBlank(QByteArrayView line) { return line.trimmed().isEmpty(); }

// Where the blank lines that start at `from` (the start of a line) end.
qsizetype SkipBlankLines(const QByteArray &data, qsizetype from) {
    while (from < data.size()) {
        qsizetype end = data.indexOf('\n', from);
        end = end < 0 ? data.size() : end + 1;
        if (!IsBlank(QByteArrayView(data).sliced(from, end - from)))
            break;
        from = end;
    }
    return from;
}

// Where the blank lines that end at `to` (the start of a line) begin; never before the
// end of the line that ends the last text, so that line keeps its line break.
qsizetype BlankLinesBefore(const QByteArray &data, qsizetype to) {
    while (to > 0) {
        const qsizetype start = to < 2 ? 0 : data.lastIndexOf('\n', to - 2) + 1;
        if (!IsBlank(QByteArrayView(data).sliced(start, to - start)))
            break;
        to = start;
    }
    return to;
}

QByteArray Apply(QByteArray data, const cQtSettings::Op &op) {
    if (op.Adds) {
        // The sum of the count as the file holds it now (its last line counts, as in a read).
        std::optional<std::string> now;
        ForEachLine(data, op.Section, [&](const Line &line, bool inSection, qsizetype, qsizetype) {
            if (inSection && !line.IsSection && line.Name == op.Key)
                now = DecodeValue(line.Value.first(std::min(line.Value.size(), kLongestValue)).toByteArray())
                          .toStdString();
        });
        cQtSettings::Op set{op.Section, op.Key,
                            QString::number(AddWithin(now ? &*now : nullptr, op.Delta, op.Lo, op.Hi))};
        return Apply(std::move(data), set);
    }
    if (op.RemovesSection) {
        // Every [section] of that name goes, with its lines, one at a time.
        // The blank lines after it go too, so that the sections round it keep the one
        // blank line between them that was there before; a section that ends the file
        // takes the blank lines before it instead. A game kept and removed again and
        // again leaves the file as it was.
        qsizetype start, end;
        while (FirstSection(data, op.Section, start, end)) {
            end = SkipBlankLines(data, end);
            if (end == data.size())
                start = BlankLinesBefore(data, start);
            data.remove(start, end - start);
        }
        return data;
    }
    // The key's own line is replaced; a new key goes at the end of its section, a new
    // section at the end of the file. Every other line stays as it was.
    qsizetype keyStart = -1, keyEnd = -1, sectionEnd = -1;
    ForEachLine(data, op.Section, [&](const Line &line, bool inSection, qsizetype start, qsizetype end) {
        if (!inSection)
            return;
        if (!line.IsSection && line.Name == op.Key)
            keyStart = start, keyEnd = end;
        if (!line.Text.trimmed().isEmpty())
            sectionEnd = std::min<qsizetype>(end + 1, data.size());
    });
    const QByteArray entry = EncodeName(op.Key) + '=' + EncodeValue(op.Value);
    if (keyStart >= 0)
        return data.left(keyStart) + entry + data.mid(keyEnd);
    if (sectionEnd >= 0) {
        QByteArray head = data.left(sectionEnd);
        if (!head.endsWith('\n'))
            head += '\n';
        return head + entry + '\n' + data.mid(sectionEnd);
    }
    if (!data.isEmpty() && !data.endsWith('\n'))
        data += '\n';
    // One blank line before the new section, unless the file ends with one already.
    if (!data.isEmpty() && BlankLinesBefore(data, data.size()) == data.size())
        data += '\n';
    return data + '[' + EncodeName(op.Section) + "]\n" + entry + '\n';
}

} // namespace tabloo::settings_file
