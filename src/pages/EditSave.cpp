// Editing and saving pages: the Edit and Save labels of the five pages, and Ctrl+S.
#include "shell/Form1.h"

#include "pages/BoxText.h"
#include "pages/ListBox.h"
#include "pages/PageColours.h"
#include "pages/PageFile.h"
#include "shell/CommandLabel.h"
#include "shell/TabControl.h"

#include <QPlainTextEdit>

namespace tabwise {

void Form1::lbleditnotes_Click()
{
    editTextPage(0);
}
void Form1::lblsavenotes_Click()
{
    saveTextPage(0);
}
void Form1::lbleditphone_Click()
{
    editTextPage(1);
}
void Form1::lblsavephone_Click()
{
    saveTextPage(1);
}
void Form1::lbleditemail_Click()
{
    editListPage(2);
}
void Form1::lblsaveemail_Click()
{
    saveListPage(2);
}
void Form1::lbleditwebsites_Click()
{
    editListPage(3);
}
void Form1::lblsavewebsites_Click()
{
    saveListPage(3);
}
void Form1::lbleditother_Click()
{
    editTextPage(4);
}
void Form1::lblsaveother_Click()
{
    saveTextPage(4);
}

void Form1::saveKey_Activated()
{
    page(SSTab1->Tab()).save->click();
}

void Form1::editTextPage(int tab)
{
    QPlainTextEdit* box = page(tab).text;
    setEditingColour(box);
    box->setFocus();
}

void Form1::saveTextPage(int tab)
{
    QPlainTextEdit* box = page(tab).text;
    // A page that cannot be written stays as it is, in editing, with its text.
    if (!writeBoxToPage(tab, true))
        return;
    setViewingColour(box);
    SSTab1->setFocus();
}

void Form1::editListPage(int tab)
{
    const PageControls controls = page(tab);
    // Already being edited: the text being edited is kept and the file is not touched.
    if (!controls.text->isHidden()) {
        setEditingColour(controls.text);
        controls.text->setFocus();
        return;
    }
    const QString path = pageFilePath(tab);
    SaveList(controls.list, path);
    controls.list->hide();
    controls.text->show();
    readPageInto(controls.text, path);
    setEditingColour(controls.text);
    controls.text->setFocus();
}

void Form1::saveListPage(int tab)
{
    const PageControls controls = page(tab);
    // Being viewed: the list already shows the file's entries, each once, and the file stays.
    if (controls.text->isHidden()) {
        setViewingColour(controls.text);
        SSTab1->setFocus();
        return;
    }
    const QString path = pageFilePath(tab);
    if (!writeBoxToPage(tab, true))
        return;
    setViewingColour(controls.text);
    SSTab1->setFocus();
    controls.text->hide();
    controls.list->show();
    ListBox* other = controls.list == List1 ? List2 : List1;
    other->Clear();
    // Emptied by the Edit, unless its writing failed: then the old entries go, each shows once.
    controls.list->Clear();
    List_Load(controls.list, path);
}

bool Form1::savePage(int tab)
{
    if (pageTable[std::size_t(tab)].kind == PageKind::List)
        saveListPage(tab);
    else
        saveTextPage(tab);
    return !hasUnsavedText(tab);
}

bool Form1::writeBoxToPage(int tab, bool reportFailure)
{
    QPlainTextEdit* box = page(tab).text;
    const QString path = pageFilePath(tab);
    // An untouched box that shows exactly its unchanged file is saved as the file's own bytes: the
    // box turns lone CRs and LFs into line breaks, and the file may not be UTF-8 at all, so its
    // text could not give the same bytes back. Only a missing final line end is added.
    std::optional<QByteArray> bytes;
    if (boxShowsFile(tab))
        bytes = readPageBytes(path);
    if (bytes && (bytes->endsWith('\n') || bytes->endsWith('\r')))
        return true;
    if (bytes)
        *bytes += "\r\n";
    else
        bytes = pageBytesFromRawText(box->document()->toRawText());
    const PageWrite written = writePageFile(path, *bytes);
    if (!written.ok) {
        if (reportFailure)
            showError(QStringLiteral("The page could not be saved:\n\n") + written.error);
        return false;
    }
    box->document()->setModified(false);
    // The file may now end with a line end that the box does not show: the next showing reads it.
    m_boxShowsFile[std::size_t(tab)].reset();
    return true;
}

bool Form1::hasUnsavedText(int tabIndex) const
{
    return page(tabIndex).text->document()->isModified();
}

} // namespace tabwise
