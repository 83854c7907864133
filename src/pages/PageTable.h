#pragma once

#include <array>

// The five pages, fixed, in tab order. Renaming a tab never changes its file.
namespace tabwise {

enum class PageKind { Text, List };

struct PageInfo {
    int tabIndex;
    const char* defaultCaption;
    PageKind kind;
    const char* fileName;
};

inline constexpr int pageCount = 5;

inline constexpr std::array<PageInfo, pageCount> pageTable{{
    {0, "Notes", PageKind::Text, "notes.ntr"},
    {1, "Phone Numbers", PageKind::Text, "phone.ntr"},
    {2, "Email Addresses", PageKind::List, "email.ntr"},
    {3, "Web Sites", PageKind::List, "web.ntr"},
    {4, "Other", PageKind::Text, "other.ntr"},
}};

} // namespace tabwise
