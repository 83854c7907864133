#pragma once

#include "ui/page/ListBox.h"

#include <functional>

#include <QPlainTextEdit>
#include <QString>
#include <QTabWidget>

// The toolkit's floor: the same widgets doing the same work with no program logic around them.
namespace bench {

// A bare tab control whose second page holds one widget of the type a page shows.
class BareTabs {
public:
    BareTabs(QWidget* pageWidget);
    // Selects the second page and runs `fill` until it is shown and laid out.
    void show(const std::function<void()>& fill);
    void leave();
    QTabWidget tabs;
};

// A bare text box on a bare tab: a file read into it, its text written to a file.
class BareText : public BareTabs {
public:
    BareText();
    void show(const QString& path);
    void load(const QString& path);
    void save(const QString& path);
    QPlainTextEdit* box;
};

// A bare list box of the same kind as the program's on a bare tab.
class BareList : public BareTabs {
public:
    BareList();
    void show(const QString& path);
    void load(const QString& path);
    tabwise::ListBox* list;
};

// A bare window holding the same kinds and numbers of widgets and pictures as the main window.
class BareWindow : public QWidget {
public:
    BareWindow();
};

void writeBare(const QString& path, const QByteArray& bytes);

} // namespace bench
