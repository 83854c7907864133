#pragma once

#include <array>
#include <optional>

// Every preference the program keeps, with its section, key name and the value the window's own
// design stands for. No key name is spelled anywhere else.
namespace tabwise {

// The stored names ("Value", "Value2", ...) are in the table below; the names here say what each is.
enum class Key {
    StartMinimized,
    StayOnTop,
    ShowTab2,
    ShowTab3,
    ShowTab4,
    ShowTab5,
    StartAtLogon,
    TabName1,
    TabName2,
    TabName3,
    TabName4,
    TabName5,
    BackupDir,
    ShowHide, // the key that shows and hides the window from anywhere
    KeepDays, // how many days of page history are kept; 0 for all
    CheckSpellingNotes, // the text pages' "Check Spelling", one each
    CheckSpellingPhone,
    CheckSpellingOther,
    SpellingLanguage, // the code of the dictionary ("en_US"), "Off", or empty for the desktop's language
};

struct KeyInfo {
    Key key;
    const char* section;
    const char* name;
    const char* designValue; // nullptr: no design value
};

inline constexpr std::array<KeyInfo, 19> keyTable { {
    { Key::StartMinimized, "Startup", "Value", "0" },
    { Key::StayOnTop, "Startup", "Value2", "0" },
    { Key::ShowTab2, "Startup", "Value4", "1" },
    { Key::ShowTab3, "Startup", "Value5", "1" },
    { Key::ShowTab4, "Startup", "Value6", "1" },
    { Key::ShowTab5, "Startup", "Value7", "1" },
    { Key::StartAtLogon, "Startup", "Value8", "0" },
    { Key::TabName1, "Startup", "TabName1", "Notes" },
    { Key::TabName2, "Startup", "TabName2", "Phone Numbers" },
    { Key::TabName3, "Startup", "TabName3", "Email Addresses" },
    { Key::TabName4, "Startup", "TabName4", "Web Sites" },
    { Key::TabName5, "Startup", "TabName5", "Other" },
    { Key::BackupDir, "Backup", "BackupDir", nullptr },
    { Key::ShowHide, "Keys", "ShowHide", nullptr },
    { Key::KeepDays, "History", "KeepDays", nullptr },
    { Key::CheckSpellingNotes, "Spelling", "Notes", "1" },
    { Key::CheckSpellingPhone, "Spelling", "PhoneNumbers", "0" },
    { Key::CheckSpellingOther, "Spelling", "Other", "1" },
    { Key::SpellingLanguage, "Spelling", "Language", nullptr },
} };

static_assert(
    [] {
        for (std::size_t i = 0; i < keyTable.size(); ++i) {
            if (keyTable[i].key != static_cast<Key>(i))
                return false;
        }
        return true;
    }(),
    "the key table is in the order of Key");

constexpr const KeyInfo& keyInfo(Key key)
{
    return keyTable[static_cast<std::size_t>(key)];
}

// The name key of the tab at index 0..4, and the show key of the tab at index 1..4.
constexpr Key tabNameKey(int tabIndex)
{
    return static_cast<Key>(static_cast<int>(Key::TabName1) + tabIndex);
}
constexpr Key showKey(int tabIndex)
{
    return static_cast<Key>(static_cast<int>(Key::ShowTab2) + tabIndex - 1);
}

// The "Check Spelling" key of the tab at index 0..4; none for the list pages.
constexpr std::optional<Key> checkSpellingKey(int tabIndex)
{
    switch (tabIndex) {
    case 0: return Key::CheckSpellingNotes;
    case 1: return Key::CheckSpellingPhone;
    case 4: return Key::CheckSpellingOther;
    default: return std::nullopt;
    }
}

} // namespace tabwise
