#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tabwise {

// Message-box styles and answers, numbered as the program has always numbered them: a style is
// the sum of one button set and one icon.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16; // stop icon
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

// Shows a modal message box and returns the pressed button. The title is "Tabwise" unless given.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int show(QWidget* owner, const QString& prompt, int style, const QString& title = {}) = 0;
    // A question with buttons of its own ("Keep &Both", "&Replace", "&Cancel"); returns the index
    // of the button pressed. Escape presses the last one; Enter the default one.
    virtual int choose(QWidget* owner, const QString& prompt, const QStringList& buttons, int defaultButton) = 0;
};

} // namespace tabwise
