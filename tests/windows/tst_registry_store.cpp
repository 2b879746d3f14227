// SPDX-License-Identifier: GPL-3.0-or-later
// The option store on the Windows registry, checked with the registry's own functions: what the
// program writes is text where a person or another program expects it, and what others may
// have put there reads back as the program's rules say.
#include <gtest/gtest.h>
#include <windows.h>

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "settings/section_store.h"
#include "settings/settings_store.h"

using namespace marvane;

namespace {

const wchar_t kTestKey[] = L"Software\\Corvath\\MarvaneWindowsTest";
const wchar_t kProgramKey[] = L"Software\\Corvath\\Marvane";

bool keyExists(const wchar_t* key) {
    HKEY handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

struct RawValue {
    DWORD type = REG_NONE;
    std::wstring text;  // for REG_SZ
};

RawValue rawValue(const wchar_t* key, const wchar_t* name) {
    RawValue value;
    wchar_t buffer[256] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type, buffer,
                     &size) == ERROR_SUCCESS &&
        value.type == REG_SZ) {
        value.text = buffer;
    }
    return value;
}

void setRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, name, type, data, size), ERROR_SUCCESS);
}

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
};

}  // namespace

TEST_F(RegistryStore, WritesEveryValueAsTextUnderTheUsersSoftwareKey) {
    auto store = openUserSection(QStringLiteral("Corvath\\MarvaneWindowsTest"));
    store->write({{"Sound", "1"}, {"Response", "-250"}, {"C1", "3"}});
    for (const auto& [name, text] : {std::pair{L"Sound", L"1"}, {L"Response", L"-250"}, {L"C1", L"3"}}) {
        const RawValue value = rawValue(kTestKey, name);
        EXPECT_EQ(value.type, DWORD(REG_SZ)) << name;
        EXPECT_EQ(value.text, text) << name;
    }
}

TEST_F(RegistryStore, ReadsWhatOthersStoredByItsType) {
    const DWORD number = 5;
    const wchar_t textWithNul[] = L"7\0junk";
    const wchar_t expandable[] = L"300";
    const wchar_t list[] = L"1\0002\0";
    setRaw(L"Number", REG_DWORD, &number, sizeof number);
    setRaw(L"TextWithNul", REG_SZ, textWithNul, sizeof textWithNul);
    setRaw(L"Expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    setRaw(L"List", REG_MULTI_SZ, list, sizeof list);
    setRaw(L"EmptyBinary", REG_BINARY, nullptr, 0);
    setRaw(L"Binary", REG_BINARY, "\x01\x02", 2);

    struct Case {
        const char* name;
        std::optional<StoredValue::Kind> kind;
        QString text;
    };
    const std::vector<Case> cases = {
        {"Number", StoredValue::Kind::NotText, {}},
        {"TextWithNul", StoredValue::Kind::Text, "7"},  // the text ends at its first zero
        {"Expandable", StoredValue::Kind::Text, "300"},
        {"List", StoredValue::Kind::NotText, {}},
        {"EmptyBinary", StoredValue::Kind::Text, {}},   // nothing stored reads as the empty text
        {"Binary", StoredValue::Kind::NotText, {}},
        {"Missing", std::nullopt, {}},
    };
    auto store = openUserSection(QStringLiteral("Corvath\\MarvaneWindowsTest"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<StoredValue> value = store->read(QString::fromLatin1(c.name));
        ASSERT_EQ(value.has_value(), c.kind.has_value());
        if (!value) continue;
        EXPECT_EQ(value->kind, *c.kind);
        if (value->kind == StoredValue::Kind::Text) {
            EXPECT_EQ(value->text, c.text);
        }
    }
}

// The program's own key, through the calls the window makes; skipped on a machine where a
// player's options are already there.
TEST(ProgramOptions, SaveAndLoadGoThroughTheProgramsKey) {
    if (keyExists(kProgramKey)) GTEST_SKIP() << "HKCU\\Software\\Corvath\\Marvane exists already";
    Options saved;
    saved.sound = false;
    saved.response = 2500;
    saved.c1 = 5;
    saved.c2 = 6;
    saved.legalMoves = true;
    SaveSettings(saved);
    EXPECT_EQ(rawValue(kProgramKey, L"Response").text, L"2500");
    EXPECT_EQ(rawValue(kProgramKey, L"Sound").text, L"0");
    Options loaded;
    LoadSettings(loaded);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
    EXPECT_EQ(loaded, saved);
}
