// Switching pages: the page behind the selected tab is shown as its file holds it.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "pages/PageFile.h"
#include "platform/Platform.h"
#include "shell/CommandLabel.h"
#include "shell/TabControl.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QShortcut>

namespace tabwise {

void Form1::connectPageHandlers()
{
    connect(SSTab1, &TabControl::Click, this, &Form1::SSTab1_Click);
    connect(lbleditnotes, &CommandLabel::clicked, this, &Form1::lbleditnotes_Click);
    connect(lblsavenotes, &CommandLabel::clicked, this, &Form1::lblsavenotes_Click);
    connect(lbleditphone, &CommandLabel::clicked, this, &Form1::lbleditphone_Click);
    connect(lblsavephone, &CommandLabel::clicked, this, &Form1::lblsavephone_Click);
    connect(lbleditemail, &CommandLabel::clicked, this, &Form1::lbleditemail_Click);
    connect(lblsaveemail, &CommandLabel::clicked, this, &Form1::lblsaveemail_Click);
    connect(lbleditwebsites, &CommandLabel::clicked, this, &Form1::lbleditwebsites_Click);
    connect(lblsavewebsites, &CommandLabel::clicked, this, &Form1::lblsavewebsites_Click);
    connect(lbleditother, &CommandLabel::clicked, this, &Form1::lbleditother_Click);
    connect(lblsaveother, &CommandLabel::clicked, this, &Form1::lblsaveother_Click);

    auto* saveKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(saveKey, &QShortcut::activated, this, &Form1::saveKey_Activated);

    // At log-off no question can be asked: what was typed is saved rather than lost.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (!saveUnsavedPages() && manager.allowsInteraction())
                manager.cancel();
        });
    }
}

void Form1::SSTab1_Click(int PreviousTab)
{
    const int tab = SSTab1->Tab();
    if (tab < 0 || tab >= pageCount || m_returningToTab)
        return;

    // Showing the page reloads it from its file: typing that was not saved is not thrown away
    // without asking.
    if (hasUnsavedText(tab)) {
        const int answer = askToSave(tab);
        if (answer == msgbox::Cancel || (answer == msgbox::Yes && !savePage(tab))) {
            m_returningToTab = true;
            SSTab1->setTab(PreviousTab);
            m_returningToTab = false;
            return;
        }
        if (answer == msgbox::No) { // the typing is given up: the page shows its file
            page(tab).text->document()->setModified(false);
            m_boxShowsFile[std::size_t(tab)].reset();
        }
    }

    if (pageTable[std::size_t(tab)].kind == PageKind::List)
        showListPage(tab);
    else
        showTextPage(tab);
    setWindowTitleFor(SSTab1->TabCaption(tab));
}

void Form1::showTextPage(int tab)
{
    List1->Clear();
    List2->Clear();
    // A box that already shows exactly its unchanged file is not filled again.
    if (!boxShowsFile(tab))
        readPageInto(page(tab).text, pageFilePath(tab));
}

void Form1::showListPage(int tab)
{
    const PageControls controls = page(tab);
    controls.text->hide();
    List1->Clear();
    List2->Clear();
    controls.list->show();
    const QString path = pageFilePath(tab);
    if (!controls.list->RestoreUnchanged(fileStamp(path)))
        List_Load(controls.list, path);
}

bool Form1::boxShowsFile(int tab) const
{
    const std::optional<FileStamp>& shown = m_boxShowsFile[std::size_t(tab)];
    return shown && !hasUnsavedText(tab) && *shown == fileStamp(pageFilePath(tab));
}

int Form1::pageOfBox(const QPlainTextEdit* box) const
{
    for (int tab = 0; tab < pageCount; ++tab) {
        if (page(tab).text == box)
            return tab;
    }
    return 0;
}

} // namespace tabwise
