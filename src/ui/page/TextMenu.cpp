#include "ui/page/TextMenu.h"

#include "core/spelling/PageSpelling.h"
#include "core/spelling/SpellingEngine.h"
#include "platform/Platform.h"
#include "ui/page/PageView.h"
#include "ui/page/SpellingMarks.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace tabwise {

namespace {

// At the top of the menu of a misspelled word: what the user may have meant, then Add to
// Dictionary and Ignore. A suggestion chosen replaces the word as typing that Undo takes back.
void addSpellingEntries(QMenu* menu, QAction* before, PageView& page, Platform& platform, const TextRange& word)
{
    QPlainTextEdit* box = page.textBox();
    SpellingEngine& engine = page.spelling()->engine();
    QTextCursor range(box->document());
    range.setPosition(int(word.start));
    range.setPosition(int(word.end()), QTextCursor::KeepAnchor);
    const QString misspelled = range.selectedText();
    const QStringList suggestions = engine.suggestions(misspelled);
    for (const QString& suggestion : suggestions) {
        auto* replace = new QAction(suggestion, menu);
        QObject::connect(replace, &QAction::triggered, &page, [&page, word, suggestion] {
            page.startEditing();
            QTextCursor cursor(page.textBox()->document());
            cursor.setPosition(int(word.start));
            cursor.setPosition(int(word.end()), QTextCursor::KeepAnchor);
            cursor.insertText(suggestion);
        });
        menu->insertAction(before, replace);
    }
    if (suggestions.isEmpty()) {
        auto* none = new QAction(QCoreApplication::translate("TextMenu", "(No Suggestions)"), menu);
        none->setEnabled(false);
        menu->insertAction(before, none);
    }
    auto* add = new QAction(QCoreApplication::translate("TextMenu", "&Add to Dictionary"), menu);
    QObject::connect(add, &QAction::triggered, &page, [&page, &platform, &engine, misspelled] {
        const FileWrite added = engine.addToDictionary(misspelled);
        if (!added.ok)
            platform.messages().show(&page,
                QCoreApplication::translate("TextMenu", "The word could not be added to your dictionary:\n\n%1")
                    .arg(added.error),
                msgbox::OkOnly | msgbox::Critical);
    });
    auto* ignore = new QAction(QCoreApplication::translate("TextMenu", "&Ignore"), menu);
    QObject::connect(ignore, &QAction::triggered, &page, [&engine, misspelled] { engine.ignore(misspelled); });
    menu->insertActions(before, QList<QAction*> { add, ignore });
    menu->insertSeparator(before);
}

// Check Spelling, on or off for this page; without a dictionary it says so instead.
void addSpellingToggle(QMenu* menu, PageView& page)
{
    PageSpelling* spelling = page.spelling();
    const int tab = page.info().tabIndex;
    if (spelling->installed().isEmpty()) {
        menu->addAction(QCoreApplication::translate("TextMenu", "Check Spelling: No Dictionary Installed"))
            ->setEnabled(false);
        return;
    }
    if (!spelling->dictionary()) {
        menu->addAction(QCoreApplication::translate("TextMenu", "Check Spelling: Off in the Options"))
            ->setEnabled(false);
        return;
    }
    QAction* toggle = menu->addAction(QCoreApplication::translate("TextMenu", "Check &Spelling"));
    toggle->setCheckable(true);
    toggle->setChecked(spelling->isWanted(tab));
    QObject::connect(toggle, &QAction::toggled, spelling, [spelling, tab](bool on) { spelling->setWanted(tab, on); });
}

} // namespace

void showTextMenu(PageView& page, Platform& platform, QAction* history, const QPoint& position)
{
    QPlainTextEdit* box = page.textBox();
    QMenu* menu = box->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (SpellingMarks* marks = page.spellingMarks(); marks && marks->isActive()) {
        if (const std::optional<TextRange> word = marks->markedWordAt(box->cursorForPosition(position).position()))
            addSpellingEntries(menu, menu->actions().value(0), page, platform, *word);
    }
    menu->addSeparator();
    if (history)
        menu->addAction(history);
    QAction* discard = menu->addAction(
        QCoreApplication::translate("TextMenu", "&Discard Unsaved Typing"), &page, [&page, &platform] {
            //: %1 is the page's name
            const int answer = platform.messages().show(&page,
                QCoreApplication::translate("TextMenu", "Discard the unsaved typing on %1? It cannot be brought back.")
                    .arg(page.name()),
                msgbox::YesNo | msgbox::Question | msgbox::DefaultButton2);
            if (answer != msgbox::Yes)
                return;
            page.discardUnsavedText();
            page.showFromFile();
        });
    discard->setEnabled(page.hasUnsavedText());
    if (page.spelling())
        addSpellingToggle(menu, page);
    menu->popup(box->viewport()->mapToGlobal(position));
}

} // namespace tabwise
