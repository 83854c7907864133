// Moving a list page between its file and its list box.
#include "shell/Form1.h"

#include "pages/BusyCursor.h"
#include "pages/FileStamp.h"
#include "pages/ListBox.h"
#include "pages/LongLines.h"
#include "pages/PageFile.h"
#include "pages/TextEncoding.h"
#include "platform/Platform.h"

#include <QPlainTextEdit>

namespace tabwise {

void Form1::List_Add(ListBox* list, const QString& txt) { list->AddItem(txt); }

void Form1::List_Load(ListBox* TheList, const QString& FileName)
{
    // Appends the file's lines, one entry per line. Nothing is reported: a file that is missing,
    // empty or cannot be read adds one empty entry.
    const std::optional<FileStamp> stamp = settledFileStamp(FileName); // taken before the read
    const bool wasEmpty = TheList->ListCount() == 0;
    const BusyCursor busy(fileStamp(FileName).size > BusyCursor::largePage);
    const PageRead read = readPageFile(FileName);
    TheList->AddFileText(read.text);
    if (wasEmpty && read.status != PageRead::Status::Failed)
        TheList->setSource(stamp);
}

void Form1::SaveList(ListBox* Lst, const QString& file)
{
    const PageWrite written = writePageFile(file, encodePageText(Lst->FileText()));
    if (!written.ok) {
        m_platform.messages().show(this, QStringLiteral("There has been a error!"), msgbox::OkOnly,
                                   QStringLiteral("Error"));
        return;
    }
    List1->Clear();
    List2->Clear();
}

bool Form1::readPageInto(QPlainTextEdit* box, const QString& path)
{
    const FileStamp current = fileStamp(path);
    const std::optional<FileStamp> stamp = settledFileStamp(path); // taken before the read
    std::optional<FileStamp>& shown = m_boxShowsFile[std::size_t(pageOfBox(box))];
    shown.reset();
    const BusyCursor busy(current.size > BusyCursor::largePage);
    const PageRead read = readPageFile(path);
    if (!read.ok()) {
        showError(QStringLiteral("The page could not be read:\n\n") + read.error);
        box->clear();
        box->document()->setModified(false);
        return false;
    }
    box->setLineWrapMode(hasLineLongerThan(read.text, longestWrappedLine) ? QPlainTextEdit::NoWrap
                                                                          : QPlainTextEdit::WidgetWidth);
    box->setPlainText(read.text);
    shown = stamp;
    return true;
}

} // namespace tabwise
