// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <optional>

#include "settings/stored_integer.h"

using namespace marvane;

Q_DECLARE_METATYPE(std::optional<std::int32_t>)

namespace {
std::optional<std::int32_t> none() { return std::nullopt; }
}  // namespace

class StoredIntegerTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTextAtTheLimitsOfThirtyTwoBits_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::optional<std::int32_t>>("expected");
        const auto row = [](const char* text, std::optional<std::int32_t> expected) {
            QTest::newRow(text) << QByteArray(text) << expected;
        };
        row("2147483647", 2147483647);
        row("2147483648", none());
        row("-2147483648", INT32_MIN);
        row("-2147483649", none());
        row("99999999999999999999999", none());
        row("000000000000000000000042", 42);
        row("$FFFFFFFF", -1);
        row("0x80000000", INT32_MIN);
        row("X7fffffff", INT32_MAX);
        row("$100000000", none());
        row("$000000000000FA", 250);
        row("$FFFFFFFFFFFFFFFFF", none());
    }
    void convertsTextAtTheLimitsOfThirtyTwoBits() { check(); }

    void acceptsOnlyTheDocumentedForms_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::optional<std::int32_t>>("expected");
        const auto row = [](const char* name, const char* text, std::optional<std::int32_t> e) {
            QTest::newRow(name) << QByteArray(text) << e;
        };
        row("leading spaces", "   -7", -7);
        row("every hex prefix: $", "$1f", 31);
        row("every hex prefix: x", "x1F", 31);
        row("every hex prefix: X", "X1f", 31);
        row("every hex prefix: 0x", "0x1f", 31);
        row("every hex prefix: 0X", "0X1F", 31);
        row("empty", "", none());
        row("only spaces", "   ", none());
        row("sign alone", "-", none());
        row("prefix alone", "0x", none());
        row("sign before hex", "-$FA", none());
        row("trailing space", "250 ", none());
        row("tab is not a blank", "\t250", none());
        row("hex digit in decimal", "25a", none());
        row("non-hex digit after prefix", "$FG", none());
    }
    void acceptsOnlyTheDocumentedForms() { check(); }

private:
    static void check() {
        QFETCH(QByteArray, text);
        QFETCH(std::optional<std::int32_t>, expected);
        QCOMPARE(parseStoredInteger(std::string_view(text.constData(), text.size())), expected);
    }
};

QTEST_APPLESS_MAIN(StoredIntegerTest)
#include "tst_stored_integer.moc"
