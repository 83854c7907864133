#pragma once

#include <QtGlobal>

#include <array>

// The five pages, fixed, in tab order. Renaming a tab never changes its file.
namespace tabwise {

enum class PageKind { Text, List };
// What a double-click on a list entry opens: a new mail message to it, or the entry as a web
// address.
enum class EntryTarget { None, Mail, Web };

struct PageInfo {
    int tabIndex;
    const char* defaultCaption; // in English; defaultTabCaption() gives it in the user's language
    PageKind kind;
    const char* fileName;
    EntryTarget target;
    const char* name; // the page's stable name for tests and accessibility: "<name>Page"
};

inline constexpr int pageCount = 5;

inline constexpr std::array<PageInfo, pageCount> pageTable { {
    //: The first tab's name until the user gives it another
    { 0, QT_TRANSLATE_NOOP("Pages", "Notes"), PageKind::Text, "notes.ntr", EntryTarget::None, "notes" },
    //: The second tab's name until the user gives it another
    { 1, QT_TRANSLATE_NOOP("Pages", "Phone Numbers"), PageKind::Text, "phone.ntr", EntryTarget::None, "phone" },
    //: The third tab's name until the user gives it another: one e-mail address a line
    { 2, QT_TRANSLATE_NOOP("Pages", "Email Addresses"), PageKind::List, "email.ntr", EntryTarget::Mail, "email" },
    //: The fourth tab's name until the user gives it another: one web address a line
    { 3, QT_TRANSLATE_NOOP("Pages", "Web Sites"), PageKind::List, "web.ntr", EntryTarget::Web, "web" },
    //: The fifth tab's name until the user gives it another: a page for anything else
    { 4, QT_TRANSLATE_NOOP("Pages", "Other"), PageKind::Text, "other.ntr", EntryTarget::None, "other" },
} };

} // namespace tabwise
