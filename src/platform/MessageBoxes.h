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
// Enter presses the second button (No) instead of the first: for a question whose Yes loses
// something.
inline constexpr int DefaultButton2 = 256;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

// A question with buttons of its own ("Keep &Both", "&Replace It", "&Cancel"). Enter presses the
// default button; Escape and closing the question give the dismiss answer, which must be the one
// that loses nothing.
struct Question {
    QString prompt;
    QStringList buttons;
    int defaultButton = 0;
    int dismissButton = 0;
};

// Shows a modal message box and returns the pressed button. The title is "Tabwise" unless given.
// Escape (and closing the box) answers No to a Yes/No question and Cancel to Yes/No/Cancel; Enter
// answers Yes unless the style says otherwise.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int show(QWidget* owner, const QString& prompt, int style, const QString& title = {}) = 0;
    // Returns the index of the button pressed.
    virtual int choose(QWidget* owner, const Question& question) = 0;
};

} // namespace tabwise
