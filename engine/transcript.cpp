// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/transcript.h"

#include <array>
#include <cctype>

namespace marvane {

namespace {

constexpr std::string_view kWhitespace = " \t\r\n";

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Up to `limit` characters for a message, never cutting a UTF-8 sequence in two.
std::string excerpt(std::string_view text, std::size_t limit) {
    std::size_t end = 0, characters = 0;
    while (end < text.size() && characters < limit) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        ++characters;
    }
    return end < text.size() ? std::string(text.substr(0, end)) + "..." : std::string(text);
}

// The length of the valid UTF-8 sequence starting at `i`, or 0 when there is none.
std::size_t utf8SequenceAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = i + 2; k < i + length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    return length;
}

// A game record is UTF-8 text: control characters other than tab and line ends, or bytes that
// are not UTF-8, mean a file of some other kind.
Reason textProblem(std::string_view text) {
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            return MessageId::RecordIsBinary;
    }
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceAt(text, i);
        if (length == 0) return {MessageId::RecordLineNotUtf8, {std::to_string(line)}};
        line += text[i] == '\n';
        i += length;
    }
    return {};
}

// --- Header lines: [Key "value"] ---

struct TagLine {
    std::string key;
    std::string value;
};

// Reads `[Key "value"]`; false when the line does not have that form.
bool parseTagLine(std::string_view line, TagLine& tag) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    line = trim(line.substr(1, line.size() - 2));
    std::size_t i = 0;
    while (i < line.size() &&
           (isDigit(line[i]) || (lower(line[i]) >= 'a' && lower(line[i]) <= 'z') || line[i] == '_'))
        ++i;
    if (i == 0) return false;
    tag.key = std::string(line.substr(0, i));
    line = line.substr(i);
    const auto quote = line.find_first_not_of(kWhitespace);
    if (quote == 0 || quote == std::string_view::npos || line[quote] != '"') return false;
    tag.value.clear();
    for (i = quote + 1; i < line.size(); ++i) {
        if (line[i] == '"') return i + 1 == line.size();
        if (line[i] == '\\') {
            if (++i == line.size() || (line[i] != '"' && line[i] != '\\')) return false;
        }
        tag.value += line[i];
    }
    return false;
}

bool matchesPattern(std::string_view value, std::string_view pattern) {
    if (value.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool ok =
            pattern[i] == '9' ? isDigit(value[i]) || value[i] == '?' : value[i] == pattern[i];
        if (!ok) return false;
    }
    return true;
}

ColourCode colourByName(std::string_view name) {
    for (ColourCode c = 1; c < static_cast<ColourCode>(ColourNames.size()); ++c)
        if (sameText(name, ColourNames[c])) return c;
    return 0;
}

// Any two different counter colours: every pair the board can show, the menu's three and those
// of a hand-edited settings file alike.
bool parseColours(std::string_view value, GameRecord& record) {
    value = trim(value);
    const auto gap = value.find_first_of(kWhitespace);
    if (gap == std::string_view::npos) return false;
    const ColourCode c1 = colourByName(value.substr(0, gap));
    const ColourCode c2 = colourByName(trim(value.substr(gap)));
    if (!isColourPair(c1, c2)) return false;
    record.c1 = c1;
    record.c2 = c2;
    return true;
}

// A count 0..64 of one or two digits.
bool parseCount(std::string_view text, int& count) {
    if (text.empty() || text.size() > 2 || !isDigit(text[0]) ||
        (text.size() == 2 && !isDigit(text[1])))
        return false;
    count = text.size() == 2 ? (text[0] - '0') * 10 + (text[1] - '0') : text[0] - '0';
    return count <= kBoardSize * kBoardSize;
}

bool parseResult(std::string_view value, GameRecord& record) {
    const auto dash = value.find('-');
    if (dash == std::string_view::npos) return false;
    RecordResult result;
    if (!parseCount(trim(value.substr(0, dash)), result.first) ||
        !parseCount(trim(value.substr(dash + 1)), result.second) ||
        result.first + result.second > kBoardSize * kBoardSize)
        return false;
    record.result = result;
    return true;
}

std::string counterColours() {
    std::string names;
    for (ColourCode c = 1; c < static_cast<ColourCode>(ColourNames.size()); ++c) {
        if (!names.empty()) names += ", ";
        names += ColourNames[c];
    }
    return names;
}

// The header keys the program writes and reads, in the order it writes them.
enum Key {
    kProgram,
    kDate,
    kTime,
    kBlack,
    kWhite,
    kColours,
    kPlayers,
    kLevel,
    kOrientation,
    kPosition,
    kRules,
    kResult,
    kKeyCount
};
constexpr std::array<std::string_view, kKeyCount> kKeys = {
    "Program", "Date",  "Time",        "Black",    "White", "Colours",
    "Players", "Level", "Orientation", "Position", "Rules", "Result"};

// The Rules header's values.
constexpr std::string_view kMarvaneRules = "Marvane";
constexpr std::string_view kStandardRules = "Standard";

// The Orientation header's values.
constexpr std::string_view kOursName = "Marvane";
constexpr std::string_view kUsualName = "Usual";

int keyIndex(std::string_view key) {
    for (int k = 0; k < kKeyCount; ++k)
        if (sameText(key, kKeys[k])) return k;
    return -1;
}

// Applies one header line; returns the problem with it, or nothing.
Reason applyTag(int key, const TagLine& tag, const std::string& line, GameRecord& record) {
    const std::string shown = excerpt(tag.value, 40);
    const std::string_view value = tag.value;
    if (key == kProgram) {
        record.program = trim(value);
        if (record.program.empty()) return {MessageId::ProgramNotNamed, {line}};
    } else if (key == kDate) {
        if (!matchesPattern(value, "9999.99.99"))
            return {MessageId::BadDate, {line, shown}};
        record.date = value;
    } else if (key == kTime) {
        if (!matchesPattern(value, "99:99:99"))
            return {MessageId::BadTime, {line, shown}};
        record.time = value;
    } else if (key == kColours) {
        if (!parseColours(value, record))
            return {MessageId::BadColours, {line, shown, counterColours()}};
    } else if (key == kPlayers) {
        const auto players = trim(value);
        if (players != "1" && players != "2")
            return {MessageId::BadPlayers, {line, shown}};
        record.players = players[0] - '0';
    } else if (key == kLevel) {
        const auto level = trim(value);
        if (!sameText(level, "Easy") && !sameText(level, "Hard"))
            return {MessageId::BadLevel, {line, shown, "Easy", "Hard"}};
        record.easyLevel = sameText(level, "Easy");
    } else if (key == kBlack || key == kWhite) {
        (key == kBlack ? record.firstPlayer : record.secondPlayer) = trim(value);
    } else if (key == kOrientation) {
        const auto name = trim(value);
        if (!sameText(name, kOursName) && !sameText(name, kUsualName))
            return {MessageId::BadOrientation,
                    {line, shown, std::string(kOursName), std::string(kUsualName)}};
        record.orientation = sameText(name, kUsualName) ? Orientation::Usual : Orientation::Ours;
    } else if (key == kPosition) {
        PositionFormReading position = readPositionForm(value);
        if (!position.ok())
            return Reason(MessageId::StartPositionRefused, {line}).then(position.error);
        record.start = position.position;
    } else if (key == kRules) {
        const auto name = trim(value);
        if (!sameText(name, kMarvaneRules) && !sameText(name, kStandardRules))
            return {MessageId::BadRules,
                    {line, shown, std::string(kMarvaneRules), std::string(kStandardRules)}};
        record.rules = sameText(name, kStandardRules) ? GameRules::Standard : GameRules::Marvane;
    } else if (key == kResult) {
        if (!parseResult(value, record))
            return {MessageId::BadResult, {line, shown}};
    }
    return {};
}

// --- Moves ---

bool isColumnLetter(char c) { return lower(c) >= 'a' && lower(c) <= 'h'; }
bool isRowDigit(char c) { return c >= '1' && c <= '8'; }

// The length of a move number ("12." or "12..."), or 0 when none starts at `i`.
std::size_t moveNumberAt(std::string_view line, std::size_t i) {
    std::size_t end = i;
    while (end < line.size() && end - i < 3 && isDigit(line[end])) ++end;
    if (end == i || end == line.size() || line[end] != '.') return 0;
    while (end < line.size() && line[end] == '.') ++end;
    return end - i;
}

// The length of a pass written among the moves ("pass", "PA", "--", any case), or 0.
std::size_t passAt(std::string_view line, std::size_t i) {
    const auto ends = [&line](std::size_t end) {
        return end >= line.size() || !std::isalnum(static_cast<unsigned char>(line[end]));
    };
    const std::string_view rest = line.substr(i);
    if (rest.size() >= 4 && sameText(rest.substr(0, 4), "pass") && ends(i + 4)) return 4;
    if (rest.size() >= 2 && sameText(rest.substr(0, 2), "pa") && ends(i + 2)) return 2;
    if (rest.starts_with("--") && ends(i + 2)) return 2;
    return 0;
}

// A score or a result after the last move ("23-41", "1-0", "1/2-1/2"): its length when it
// starts at `i` and nothing but blanks follows it in `rest`, else 0.
std::size_t trailingResultAt(std::string_view line, std::size_t i, std::string_view rest) {
    std::size_t end = i;
    while (end < line.size() && line.find_first_of(kWhitespace, end) != end) ++end;
    const std::string_view token = line.substr(i, end - i);
    if (!trim(rest.substr(end - i)).empty()) return 0;
    if (token == "1/2-1/2" || token == "1-0" || token == "0-1") return token.size();
    const auto dash = token.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == token.size()) return 0;
    for (std::size_t k = 0; k < token.size(); ++k)
        if (k != dash && !isDigit(token[k])) return 0;
    return token.size();
}

// The orientation the first move of a game from the standard start is written in, when it is
// one of the four legal first moves of either.
std::optional<Orientation> orientationOf(Square first) {
    constexpr std::array<Square, 4> ours = {{{3, 5}, {4, 6}, {5, 3}, {6, 4}}};  // e3 f4 c5 d6
    for (const Square& square : ours) {
        if (first == square) return Orientation::Ours;
        if (first == mirrored(square)) return Orientation::Usual;
    }
    return std::nullopt;
}

std::string_view orientationName(Orientation orientation) {
    return orientation == Orientation::Usual ? kUsualName : kOursName;
}

}  // namespace

std::string squareName(Square square) {
    return {static_cast<char>('a' + square.column - 1), static_cast<char>('0' + square.row)};
}

std::vector<Square> mirroredMoves(std::span<const Square> moves) {
    std::vector<Square> out;
    out.reserve(moves.size());
    for (const Square& move : moves) out.push_back(mirrored(move));
    return out;
}

std::string writeTranscript(std::span<const Square> moves) {
    std::string text;
    text.reserve(moves.size() * 2);
    for (const Square& move : moves) text += squareName(move);
    return text;
}

std::string writeRecord(const GameRecord& record) {
    std::string text;
    const auto tag = [&text](std::string_view key, std::string_view value) {
        text += '[';
        text += key;
        text += " \"";
        for (char c : value) {
            if (c == '"' || c == '\\') text += '\\';
            text += c;
        }
        text += "\"]\n";
    };
    // The reader takes a blank name for a damaged line.
    if (const auto program = trim(record.program); !program.empty())
        tag("Program", std::string(program));
    if (!record.date.empty()) tag("Date", record.date);
    if (!record.time.empty()) tag("Time", record.time);
    if (const auto name = trim(record.firstPlayer); !name.empty()) tag("Black", name);
    if (const auto name = trim(record.secondPlayer); !name.empty()) tag("White", name);
    if (isColourPair(record.c1, record.c2))
        tag("Colours",
            std::string(colourName(record.c1)) + " " + std::string(colourName(record.c2)));
    if (record.players != 0) tag("Players", std::to_string(record.players));
    if (record.easyLevel) tag("Level", *record.easyLevel ? "Easy" : "Hard");
    tag("Orientation", orientationName(record.orientation));
    if (record.start) tag("Position", writePositionForm(*record.start));
    if (record.rules)
        tag("Rules", *record.rules == GameRules::Standard ? kStandardRules : kMarvaneRules);
    if (record.result)
        tag("Result",
            std::to_string(record.result->first) + "-" + std::to_string(record.result->second));
    text += '\n';
    text += writeTranscript(record.orientation == Orientation::Usual ? mirroredMoves(record.moves)
                                                                     : record.moves);
    text += '\n';
    return text;
}

RecordReading readRecord(std::string_view text) {
    RecordReading reading;
    const auto fail = [&reading](Reason reason, int moveNumber = 0) {
        reading.record = {};
        reading.error = std::move(reason);
        reading.moveNumber = moveNumber;
        return reading;
    };
    if (text.size() > kMaxRecordBytes)
        return fail(MessageId::RecordTooLong);
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (auto problem = textProblem(text); !problem.empty()) return fail(std::move(problem));

    GameRecord& record = reading.record;
    bool header = false;
    std::array<bool, kKeyCount> seen{};
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        ++lineNumber;
        const std::string lineName = std::to_string(lineNumber);
        start = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            if (!record.moves.empty())
                return fail({MessageId::HeaderAfterMoves, {lineName, excerpt(line, 60)}});
            TagLine tag;
            if (!parseTagLine(line, tag))
                return fail({MessageId::NotAHeaderLine,
                             {lineName, "[Key \"value\"]", excerpt(line, 60)}});
            const int key = keyIndex(tag.key);
            header = true;
            // Other programs' headers (Event, Site, Round, ...) are theirs to read.
            if (key < 0) continue;
            if (seen[key])
                return fail({MessageId::RepeatedHeader, {lineName, std::string(kKeys[key])}});
            seen[key] = true;
            if (auto problem = applyTag(key, tag, lineName, record); !problem.empty())
                return fail(std::move(problem));
            continue;
        }
        // Moves never hold a colon; a line with one was meant as a header of some other form.
        if (line.find(':') != std::string_view::npos)
            return fail({MessageId::UnknownHeaderLine, {lineName, excerpt(line, 60)}});

        for (std::size_t i = 0; i < line.size();) {
            // Moves may be set apart by commas or semicolons as well as blanks.
            if (kWhitespace.find(line[i]) != std::string_view::npos || line[i] == ',' ||
                line[i] == ';') {
                ++i;
                continue;
            }
            if (const std::size_t skip = moveNumberAt(line, i)) {
                i += skip;
                continue;
            }
            const std::size_t offset = static_cast<std::size_t>(line.data() - text.data()) + i;
            // A pass is made by the game itself; written, it says the game had standard rules.
            if (const std::size_t skip = passAt(line, i)) {
                if (!seen[kRules]) record.rules = GameRules::Standard;
                i += skip;
                continue;
            }
            if (!record.moves.empty() && isDigit(line[i])) {
                if (const std::size_t skip = trailingResultAt(line, i, text.substr(offset))) {
                    // A score of counters stands for the result unless a header gave one.
                    GameRecord scored;
                    // "1-0" and the like are a winner, not counters: a game ends with 4 or more.
                    if (!seen[kResult] && parseResult(line.substr(i, skip), scored) &&
                        scored.result->first + scored.result->second >= 4)
                        record.result = scored.result;
                    i += skip;
                    continue;
                }
            }
            const int moveNumber = static_cast<int>(record.moves.size()) + 1;
            if (isColumnLetter(line[i]) && trim(text.substr(offset + 1)).empty())
                return fail({MessageId::LastMoveCutShort,
                             {std::to_string(moveNumber), std::string(1, line[i])}},
                            moveNumber);
            if (i + 1 >= line.size() || !isColumnLetter(line[i]) || !isRowDigit(line[i + 1]) ||
                (i + 2 < line.size() && isDigit(line[i + 2]))) {
                auto token = line.substr(i);
                token = token.substr(0, token.find_first_of(kWhitespace));
                return fail({MessageId::MoveNotASquare,
                             {std::to_string(moveNumber), excerpt(token, 3)}},
                            moveNumber);
            }
            if (moveNumber > kMaxMoves)
                return fail({MessageId::OneMoveTooMany,
                             {std::to_string(moveNumber), std::to_string(kMaxMoves)}},
                            moveNumber);
            record.moves.push_back({line[i + 1] - '0', lower(line[i]) - 'a' + 1});
            i += 2;
        }
    }
    if (!header && record.moves.empty()) return fail(MessageId::NoMoves);

    // From the standard start the first move shows the orientation; from a start position, which
    // is written in the usual one, the header alone can say otherwise.
    const std::optional<Orientation> firstMove =
        record.start || record.moves.empty() ? std::nullopt : orientationOf(record.moves.front());
    if (seen[kOrientation] && firstMove && *firstMove != record.orientation)
        return fail({MessageId::MixedOrientations,
                     {std::string(orientationName(record.orientation)),
                      squareName(record.moves.front()), std::string(orientationName(*firstMove))}},
                    1);
    if (!seen[kOrientation])
        record.orientation = firstMove      ? *firstMove
                             : record.start ? Orientation::Usual
                                            : Orientation::Ours;
    if (record.orientation == Orientation::Usual) record.moves = mirroredMoves(record.moves);
    return reading;
}

}  // namespace marvane
