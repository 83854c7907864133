#pragma once

#include "core/document/PageDocument.h"

#include <QWidget>

class QAction;
class QPlainTextEdit;

namespace tabwise {

class CommandLabel;
class DraftKeeper;
class ListBox;
class NoteBar;
class PagePrinter;
class PageSpelling;
class Platform;
class SpellingMarks;
struct Draft;

// One page of the notebook as the user sees it: its text box, on a list page its list, and its
// Edit, Save and Print commands, over the page's document (its file, drafts and versions). A text
// page is shown and edited in its text box; a list page is shown one entry per line in its list and
// edited as text in its text box.
class PageView : public QWidget {
    Q_OBJECT
public:
    // What the page shows: a list page's list, a text page's text as viewed, or the text box in
    // editing (on either kind of page).
    enum class Mode { List, Text, Editing };

    PageView(const PageInfo& info, const QString& appFolder, Platform& platform, DraftKeeper& drafts,
        QWidget* parent = nullptr);

    const PageInfo& info() const { return m_info; }
    PageDocument& document() const { return *m_document; }
    QString filePath() const;
    bool isList() const { return m_list != nullptr; }
    Mode mode() const { return m_mode; }

    QPlainTextEdit* textBox() const { return m_text; }
    ListBox* entryList() const { return m_list; } // nullptr on a text page
    CommandLabel* editButton() const { return m_edit; }
    CommandLabel* saveButton() const { return m_save; }
    CommandLabel* printButton() const { return m_print; }
    // The note over the page, made when the page first has something to say.
    NoteBar* note();
    PagePrinter* printer() const { return m_printer; }

    // The commands carry the page's name ("&Edit " + name, ...); a screen reader names the text box
    // and the list after the page's tab caption.
    void setCommandNames(const QString& name);
    void setSpokenName(const QString& caption);
    // The page's name as the user gave it.
    QString name() const { return m_name; }
    // The menu of the text box and of the list gains this entry (the page's history).
    void setHistoryAction(QAction* action);
    // A text page marks its misspelled words while SPELLING says it checks them.
    void setSpelling(PageSpelling* spelling);
    PageSpelling* spelling() const { return m_spelling; }
    SpellingMarks* spellingMarks() const { return m_marks; } // nullptr until spelling is set

    // Reads the page file into the text box; a file that cannot be read is reported, and what the
    // box shows is kept. Returns success.
    bool readFile();
    // The page comes on screen. Unless it holds unsaved typing, it shows its file as the file is
    // now; a box or list that already shows the unchanged file is not filled again.
    void showFromFile();
    // The page leaves the screen: its list sets its entries aside (or lets them go).
    void leave();
    // Another program may have changed the file: a page on screen without typing shows the file
    // anew; a page with typing keeps it and says so.
    void compareWithFile();
    // Typing kept from an earlier run: the page comes back in editing, holding it.
    void restoreDraft(const Draft& draft);
    // An earlier version's text goes into the page, in editing, as typing that Undo takes back;
    // the file is written when the user saves.
    void takeText(const QString& text);
    // The text the page holds now, as it shows it.
    QString currentText() const;
    // While the application folder cannot be reached, the page reads and writes nothing.
    void setFolderReachable(bool reachable);

    bool hasUnsavedText() const;
    // The typing is given up and its draft removed: the page shows its file when next shown.
    void discardUnsavedText();
    // The draft is written now, not a moment later (the program is ending).
    void keepDraftNow();

public Q_SLOTS:
    void startEditing();
    // Saves the page; false when the typing could not be written and is still unsaved.
    bool save();
    void print();

Q_SIGNALS:
    // The page was saved, or a list page in view was asked to save: the page is done with editing.
    void saved();
    void unsavedChanged(bool unsaved);

private:
    void buildControls();
    void setMode(Mode mode);
    void placeBoxes();
    // Fills the box with TEXT: the file as just read, or other text.
    void fillText(const QString& text, bool fromFile);
    // Hands a change of the box over to the document.
    void passOnChange(int position, int removed, int added);
    void hideNote();
    void loadList();
    bool writeList();
    ConflictChoice askAboutOtherVersion(const QString& copyName);
    void showError(const QString& text);

    const PageInfo& m_info;
    Platform& m_platform;
    PageDocument* m_document;
    Mode m_mode;
    QPlainTextEdit* m_text = nullptr;
    ListBox* m_list = nullptr;
    CommandLabel* m_edit = nullptr;
    CommandLabel* m_save = nullptr;
    CommandLabel* m_print = nullptr;
    NoteBar* m_note = nullptr;
    PagePrinter* m_printer = nullptr;
    QAction* m_historyAction = nullptr;
    PageSpelling* m_spelling = nullptr;
    SpellingMarks* m_marks = nullptr;
    QString m_name; // as the user named the page
    bool m_filling = false;
};

} // namespace tabwise
