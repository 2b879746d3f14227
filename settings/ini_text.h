// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace marvane {

// A stored value as the settings file spells it, decoded.
struct StoredValue {
    enum class Kind {
        Text,        // text (possibly empty); `text` holds it, cut at its first NUL character
        NotText,     // a typed value: @Variant(...) of a number, @ByteArray(...), @Rect(...), ...
        Unreadable,  // @Invalid(), or a typed value whose data cannot be decoded
    };
    Kind kind = Kind::Text;
    QString text;
};

// Decodes the bytes after the "=" of a settings file line the way QSettings writes values:
// surrounding blanks dropped, "..." quoting, backslash escapes, an "@Type(...)" form for
// values that are not text, "@@" for a text that starts with "@". A comma is an ordinary
// character: "1,000" is the text 1,000, not a list. Bytes that are not valid UTF-8 become
// U+FFFD, so such a text can never read as a number.
StoredValue decodeIniValue(QByteArrayView raw);

// The bytes QSettings would write after "=" for `text`, so that decodeIniValue() gives it back.
QByteArray encodeIniValue(const QString& text);

// The text of a settings file in QSettings' INI form, with the values of its top-level keys
// (those before the first section and those in [General] sections) read and set one by one.
// Setting a value changes the bytes of that one value, or adds one line for it; every other
// byte of the file, other keys, comments and damaged lines included, stays exactly as it was.
//
// A key that appears more than once counts where it appears last, as in QSettings. Lines are
// physical lines: a quote or a backslash never carries a value into the next line.
class IniText {
public:
    explicit IniText(QByteArray bytes = {}) : bytes_(std::move(bytes)) {}

    // The bytes after "=" of the key's line, up to a ";" comment or the line's end; none when
    // the key is not there.
    std::optional<QByteArray> rawValue(QByteArrayView key) const;

    // Makes `value` (bytes written as they are, as encodeIniValue() gives them) the key's value,
    // for a key that is a plain word: in place when the key is there, otherwise as a new line at
    // the end of the top-level keys, in a new [General] section at the top of the file when there
    // are none.
    void setValue(QByteArrayView key, QByteArrayView value);

    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

}  // namespace marvane
