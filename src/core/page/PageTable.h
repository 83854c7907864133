#pragma once

#include <array>

// The five pages, fixed, in tab order. Renaming a tab never changes its file.
namespace tabwise {

enum class PageKind { Text, List };
// What a double-click on a list entry opens: a new mail message to it, or the entry as a web
// address.
enum class EntryTarget { None, Mail, Web };

struct PageInfo {
    int tabIndex;
    const char* defaultCaption;
    PageKind kind;
    const char* fileName;
    EntryTarget target;
    const char* name; // the page's stable name for tests and accessibility: "<name>Page"
};

inline constexpr int pageCount = 5;

inline constexpr std::array<PageInfo, pageCount> pageTable { {
    { 0, "Notes", PageKind::Text, "notes.ntr", EntryTarget::None, "notes" },
    { 1, "Phone Numbers", PageKind::Text, "phone.ntr", EntryTarget::None, "phone" },
    { 2, "Email Addresses", PageKind::List, "email.ntr", EntryTarget::Mail, "email" },
    { 3, "Web Sites", PageKind::List, "web.ntr", EntryTarget::Web, "web" },
    { 4, "Other", PageKind::Text, "other.ntr", EntryTarget::None, "other" },
} };

} // namespace tabwise
