#pragma once

#include <QWidget>

class QComboBox;

namespace tabwise {

class PageSpelling;

// The options panel's choice of the dictionary the text pages are checked with: "Off", then the
// dictionaries installed, by their language's name. What is stored ([Spelling] Language) is the
// dictionary's code; nothing is stored while the desktop's language decides and the user keeps it.
class SpellingChoice : public QWidget {
    Q_OBJECT
public:
    SpellingChoice(PageSpelling& spelling, QWidget* parent = nullptr);

    QComboBox* list() const { return m_list; }

    // Offers the dictionaries installed now, the one in use chosen.
    void fill();
    // The setting the choice stands for, and whether it differs from the one in use.
    QString setting() const;
    bool isChanged() const;

private:
    QString inUse() const;

    PageSpelling& m_spelling;
    QComboBox* m_list;
};

} // namespace tabwise
