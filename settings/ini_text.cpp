// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_text.h"

#include <QDataStream>
#include <QIODevice>
#include <QMetaType>
#include <algorithm>
#include <vector>

namespace marvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// --- Values ---

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char namedEscape(char c) {
    switch (c) {
        case 'a': return '\a';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        case 'v': return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\': return c;
        default: return 0;
    }
}

// The letter of the backslash escape QSettings writes for `c`, or 0.
char escapeLetter(char16_t c) {
    switch (c) {
        case u'\0': return '0';
        case u'\a': return 'a';
        case u'\b': return 'b';
        case u'\f': return 'f';
        case u'\n': return 'n';
        case u'\r': return 'r';
        case u'\t': return 't';
        case u'\v': return 'v';
        case u'"': return '"';
        case u'\\': return '\\';
        default: return 0;
    }
}

// QSettings' reading of a value's bytes, except that commas do not split it into a list.
QString unescape(QByteArrayView raw) {
    QString text;
    bool quoted = false;
    bool inQuotes = false;
    qsizetype keepUpTo = 0;  // blanks that came from escapes or quotes are never dropped
    qsizetype i = 0;
    const qsizetype n = raw.size();
    const auto skipBlanks = [&] {
        while (i < n && isBlank(raw[i])) ++i;
    };
    skipBlanks();
    while (i < n) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= n) break;
            const char escaped = raw[i++];
            if (const char named = namedEscape(escaped)) {
                text += QLatin1Char(named);
            } else if (escaped == 'x' && i < n && hexDigit(raw[i]) >= 0) {
                unsigned code = 0;
                for (; i < n && hexDigit(raw[i]) >= 0; ++i)
                    code = (code << 4 | hexDigit(raw[i])) & 0xFFFF;
                text += QChar(static_cast<char16_t>(code));
            } else if (escaped >= '0' && escaped <= '7') {
                unsigned code = static_cast<unsigned>(escaped - '0');
                for (; i < n && raw[i] >= '0' && raw[i] <= '7'; ++i)
                    code = (code << 3 | static_cast<unsigned>(raw[i] - '0')) & 0xFFFF;
                text += QChar(static_cast<char16_t>(code));
            }  // any other escaped character is dropped
            keepUpTo = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
            keepUpTo = text.size();
        } else {
            qsizetype end = i + 1;
            while (end < n && raw[end] != '\\' && raw[end] != '"') ++end;
            // Stateless: an unfinished sequence at the end becomes U+FFFD too.
            text += QString::fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted) {
        qsizetype size = text.size();
        while (size > keepUpTo && (text[size - 1] == u' ' || text[size - 1] == u'\t')) --size;
        text.truncate(size);
    }
    return text;
}

// Only a @Variant holding a string is text; any other stored type is not, and a @Variant too
// short to name its type cannot be read. Other types are never decoded.
StoredValue decodeVariant(const QString& payload) {
    QByteArray bytes = payload.toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 type = 0;
    stream >> type;
    if (stream.status() != QDataStream::Ok) return {StoredValue::Kind::Unreadable, {}};
    if (type != QMetaType::QString) return {StoredValue::Kind::NotText, {}};
    QString text;
    stream >> text;
    if (stream.status() != QDataStream::Ok) return {StoredValue::Kind::Unreadable, {}};
    return {StoredValue::Kind::Text, text};
}

StoredValue typedValue(const QString& text) {
    using Kind = StoredValue::Kind;
    if (!text.startsWith(u'@')) return {Kind::Text, text};
    if (text.endsWith(u')')) {
        const auto argumentCount = [&text](qsizetype open) {
            return text.sliced(open).count(u' ') + 1;
        };
        if (text.startsWith(QLatin1String("@ByteArray("))) {
            // Data of size zero reads as the empty text, whatever its type.
            if (text.size() == 12) return {Kind::Text, {}};
            return {Kind::NotText, {}};
        }
        if (text.startsWith(QLatin1String("@String(")))
            return {Kind::Text, text.sliced(8).chopped(1)};
        if (text.startsWith(QLatin1String("@Variant("))) return decodeVariant(text.sliced(9));
        if (text.startsWith(QLatin1String("@DateTime("))) return {Kind::NotText, {}};
        if (text.startsWith(QLatin1String("@Rect(")) && argumentCount(6) == 4)
            return {Kind::NotText, {}};
        if ((text.startsWith(QLatin1String("@Size(")) ||
             text.startsWith(QLatin1String("@Point("))) &&
            argumentCount(text.indexOf(u'(') + 1) == 2)
            return {Kind::NotText, {}};
        if (text == QLatin1String("@Invalid()")) return {Kind::Unreadable, {}};
    }
    if (text.startsWith(QLatin1String("@@"))) return {Kind::Text, text.sliced(1)};
    return {Kind::Text, text};
}

// --- Lines ---

struct Line {
    enum class Kind { Blank, Comment, Section, Key, Other };
    Kind kind = Kind::Blank;
    qsizetype start = 0;
    qsizetype contentEnd = 0;  // before the line break
    qsizetype end = 0;         // after the line break
    bool topLevel = true;      // a line of the top-level keys; for a section line: [General]
    qsizetype keyEnd = 0;      // key: from the first non-blank byte of the line to here
    qsizetype valueStart = 0;  // just after "="
    qsizetype valueEnd = 0;    // a ";" comment or the line's end
};

void classify(const QByteArray& bytes, Line& line) {
    qsizetype i = line.start;
    while (i < line.contentEnd && (isBlank(bytes[i]) || bytes[i] == '\r')) ++i;
    if (i == line.contentEnd) return;
    if (bytes[i] == ';') {
        line.kind = Line::Kind::Comment;
        return;
    }
    if (bytes[i] == '[') {
        line.kind = Line::Kind::Section;
        qsizetype close = bytes.indexOf(']', i);
        if (close < 0 || close > line.contentEnd) close = line.contentEnd;
        line.topLevel =
            bytes.sliced(i + 1, close - i - 1).trimmed().compare("general", Qt::CaseInsensitive) ==
            0;
        return;
    }
    line.kind = Line::Kind::Other;
    bool inQuotes = false;
    qsizetype equals = -1;
    qsizetype valueEnd = line.contentEnd;
    for (qsizetype j = i; j < line.contentEnd; ++j) {
        const char c = bytes[j];
        if (c == '\\') {
            ++j;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';' && !inQuotes) {
            valueEnd = j;
            break;
        } else if (c == '=' && !inQuotes && equals < 0) {
            equals = j;
        }
    }
    if (equals < 0) return;
    line.kind = Line::Kind::Key;
    line.keyEnd = equals;
    while (line.keyEnd > i && isBlank(bytes[line.keyEnd - 1])) --line.keyEnd;
    line.valueStart = equals + 1;
    line.valueEnd = valueEnd;
}

qsizetype bodyStart(const QByteArray& bytes) { return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0; }

std::vector<Line> scanLines(const QByteArray& bytes) {
    std::vector<Line> lines;
    bool topLevel = true;
    for (qsizetype start = bodyStart(bytes); start < bytes.size();) {
        Line line;
        line.start = start;
        const qsizetype newline = bytes.indexOf('\n', start);
        line.end = newline < 0 ? bytes.size() : newline + 1;
        line.contentEnd = newline < 0 ? bytes.size() : newline;
        if (line.contentEnd > start && bytes[line.contentEnd - 1] == '\r') --line.contentEnd;
        classify(bytes, line);
        if (line.kind == Line::Kind::Section)
            topLevel = line.topLevel;
        else
            line.topLevel = topLevel;
        lines.push_back(line);
        start = line.end;
    }
    return lines;
}

QByteArrayView keyOf(const QByteArray& bytes, const Line& line) {
    qsizetype i = line.start;
    while (i < line.keyEnd && (isBlank(bytes[i]) || bytes[i] == '\r')) ++i;
    return QByteArrayView(bytes).sliced(i, line.keyEnd - i);
}

const Line* findKey(const QByteArray& bytes, const std::vector<Line>& lines, QByteArrayView key) {
    const Line* found = nullptr;
    for (const Line& line : lines) {
        if (line.kind == Line::Kind::Key && line.topLevel && keyOf(bytes, line) == key)
            found = &line;
    }
    return found;
}

QByteArray lineBreakOf(const QByteArray& bytes) {
    const qsizetype newline = bytes.indexOf('\n');
    return newline > 0 && bytes[newline - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

}  // namespace

StoredValue decodeIniValue(QByteArrayView raw) {
    StoredValue value = typedValue(unescape(raw));
    if (value.kind == StoredValue::Kind::Text) {
        const qsizetype nul = value.text.indexOf(QChar(u'\0'));
        if (nul >= 0) value.text.truncate(nul);
    }
    return value;
}

QByteArray encodeIniValue(const QString& text) {
    QByteArray bytes;
    bool needsQuotes = text.startsWith(u' ') || text.endsWith(u' ');
    if (text.startsWith(u'@')) bytes += '@';
    // After "\x1f" or "\0" a digit would be read as part of the escape.
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (escapeHexDigit && c < 0x80 && hexDigit(static_cast<char>(c)) >= 0) {
            bytes += "\\x" + QByteArray::number(c, 16);
            ++i;
            continue;
        }
        escapeHexDigit = false;
        if (const char letter = escapeLetter(c)) {
            bytes += '\\';
            bytes += letter;
            escapeHexDigit = c == 0;
            ++i;
        } else if (c < 0x20) {
            bytes += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
            ++i;
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text[end].unicode() >= 0x20 && text[end] != u'"' &&
                   text[end] != u'\\')
                ++end;
            const QStringView run = QStringView(text).sliced(i, end - i);
            if (run.contains(u';') || run.contains(u',')) needsQuotes = true;
            bytes += run.toUtf8();
            i = end;
        }
    }
    return needsQuotes ? '"' + bytes + '"' : bytes;
}

std::optional<QByteArray> IniText::rawValue(QByteArrayView key) const {
    const std::vector<Line> lines = scanLines(bytes_);
    const Line* line = findKey(bytes_, lines, key);
    if (!line) return std::nullopt;
    return bytes_.sliced(line->valueStart, line->valueEnd - line->valueStart);
}

void IniText::setValue(QByteArrayView key, QByteArrayView value) {
    const std::vector<Line> lines = scanLines(bytes_);
    if (const Line* line = findKey(bytes_, lines, key)) {
        // Blanks around the old value and a comment after it stay.
        qsizetype from = line->valueStart;
        qsizetype to = line->valueEnd;
        while (from < to && isBlank(bytes_[from])) ++from;
        while (to > from && isBlank(bytes_[to - 1])) --to;
        if (from == to) from = to = line->valueStart;
        bytes_.replace(from, to - from, value.toByteArray());
        return;
    }

    const QByteArray lineBreak = lineBreakOf(bytes_);
    const QByteArray newLine = key.toByteArray() + '=' + value.toByteArray() + lineBreak;

    // After the last line with content among the top-level lines: those of the last [General]
    // section, or else those before the first section.
    const Line* after = nullptr;
    const auto firstSection = std::find_if(
        lines.begin(), lines.end(), [](const Line& l) { return l.kind == Line::Kind::Section; });
    const auto lastGeneral = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) {
        return l.kind == Line::Kind::Section && l.topLevel;
    });
    if (lastGeneral != lines.rend()) {
        after = &*lastGeneral;
        for (auto it = lastGeneral.base(); it != lines.end() && it->kind != Line::Kind::Section;
             ++it) {
            if (it->kind != Line::Kind::Blank) after = &*it;
        }
    } else {
        for (auto it = lines.begin(); it != firstSection; ++it) {
            if (it->kind != Line::Kind::Blank) after = &*it;
        }
    }

    if (after) {
        const bool ended = bytes_[after->end - 1] == '\n';
        bytes_.insert(after->end, ended ? newLine : lineBreak + newLine);
        return;
    }
    // No top-level lines at all: a [General] section first, as QSettings writes it.
    QByteArray section = "[General]" + lineBreak + newLine;
    if (firstSection != lines.end()) section += lineBreak;
    bytes_.insert(bodyStart(bytes_), section);
}

}  // namespace marvane
