#pragma once

#include "core/FileStamp.h"
#include "core/PageTable.h"

#include <QWidget>

#include <optional>

class QPlainTextEdit;

namespace tabwise {

class CommandLabel;
class ListBox;
class Platform;

// One page of the notebook: its text box, on a list page its list beside it, and its Edit, Save and
// Print commands. A text page is shown and edited in its text box; a list page is shown one entry
// per line in its list and edited as text in its text box. The page reads and writes its own file
// in the application folder.
class PageView : public QWidget {
    Q_OBJECT
public:
    PageView(const PageInfo& info, const QString& appFolder, Platform& platform, QWidget* parent = nullptr);

    const PageInfo& info() const { return m_info; }
    QString filePath() const;
    bool isList() const { return m_list != nullptr; }

    QPlainTextEdit* textBox() const { return m_text; }
    ListBox* entryList() const { return m_list; } // nullptr on a text page
    CommandLabel* editButton() const { return m_edit; }
    CommandLabel* saveButton() const { return m_save; }
    CommandLabel* printButton() const { return m_print; }

    // The commands carry the page's name ("&Edit " + name, ...).
    void setCommandNames(const QString& name);
    // A screen reader names the text box and the list after the page's tab caption.
    void setSpokenName(const QString& caption);

    // Reads the page file into the text box; a file that cannot be read is reported and the box
    // left empty. Returns success.
    bool readFile();
    // The page comes on screen: it shows its file as the file is now. A box that already shows
    // exactly its unchanged file, or a list set aside with its unchanged entries, is not filled
    // again.
    void showFromFile();
    // The page leaves the screen: its list sets its entries aside (or lets them go).
    void leave();
    // After a restore replaced the page file: the page shows it, unless it holds unsaved typing.
    void reloadAfterRestore();

    // Whether the text box holds typing that has not been saved.
    bool hasUnsavedText() const;
    // The typing is given up: the page shows its file when it is next shown.
    void discardUnsavedText();
    // Saves the typing without a word to the user (the session is ending); false when it failed.
    bool saveQuietly();

public Q_SLOTS:
    void startEditing();
    // Saves the page; false when the typing could not be written and is still unsaved.
    bool save();
    void print();

Q_SIGNALS:
    // The page was saved, or a list page in view was asked to save: the page is done with editing.
    void saved();

private:
    void buildControls();
    void loadList();
    bool writeList();
    bool writeTextBox(bool reportFailure);
    bool boxShowsFile() const;
    void openSelectedEntry();
    void showError(const QString& text);

    const PageInfo& m_info;
    QString m_appFolder;
    Platform& m_platform;
    QPlainTextEdit* m_text = nullptr;
    ListBox* m_list = nullptr;
    CommandLabel* m_edit = nullptr;
    CommandLabel* m_save = nullptr;
    CommandLabel* m_print = nullptr;
    // The file state the text box was last filled from, while the box shows exactly that file.
    std::optional<FileStamp> m_shownFile;
};

} // namespace tabwise
