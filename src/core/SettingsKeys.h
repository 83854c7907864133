#pragma once

#include <array>

// Every preference the program keeps, with its section, key name and the value the window's own
// design stands for. No key name is spelled anywhere else.
namespace tabwise {

enum class Key {
    Value, // Start Program Minimized (Check1)
    Value2, // Stay on top (Check2)
    Value4, // show tab 2 (Check4)
    Value5, // show tab 3 (Check5)
    Value6, // show tab 4 (Check6)
    Value7, // show tab 5 (Check7)
    Value8, // start at log-on (Check8)
    TabName1,
    TabName2,
    TabName3,
    TabName4,
    TabName5,
    BackupDir,
    ShowHide, // the key that shows and hides the window from anywhere
    KeepDays, // how many days of page history are kept; 0 for all
};

struct KeyInfo {
    Key key;
    const char* section;
    const char* name;
    const char* designValue; // nullptr: no design value
};

inline constexpr std::array<KeyInfo, 15> keyTable { {
    { Key::Value, "Startup", "Value", "0" },
    { Key::Value2, "Startup", "Value2", "0" },
    { Key::Value4, "Startup", "Value4", "1" },
    { Key::Value5, "Startup", "Value5", "1" },
    { Key::Value6, "Startup", "Value6", "1" },
    { Key::Value7, "Startup", "Value7", "1" },
    { Key::Value8, "Startup", "Value8", "0" },
    { Key::TabName1, "Startup", "TabName1", "Notes" },
    { Key::TabName2, "Startup", "TabName2", "Phone Numbers" },
    { Key::TabName3, "Startup", "TabName3", "Email Addresses" },
    { Key::TabName4, "Startup", "TabName4", "Web Sites" },
    { Key::TabName5, "Startup", "TabName5", "Other" },
    { Key::BackupDir, "Backup", "BackupDir", nullptr },
    { Key::ShowHide, "Keys", "ShowHide", nullptr },
    { Key::KeepDays, "History", "KeepDays", nullptr },
} };

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
    return static_cast<Key>(static_cast<int>(Key::Value4) + tabIndex - 1);
}

} // namespace tabwise
