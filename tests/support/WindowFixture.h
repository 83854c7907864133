#pragma once

#include "FakePlatform.h"
#include "core/PageTable.h"
#include "core/SettingsStore.h"
#include "ui/MainWindow.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace tabwise {

class ListBox;

// A list's entries, in order.
QStringList listEntries(const ListBox* list);
// The page file of the tab at index 0..4.
inline const char* pageFileName(int tab) { return pageTable[std::size_t(tab)].fileName; }

// A complete main window over a temporary application folder, a temporary settings file and the
// fake platform. Write page files and settings first, then call load().
class WindowFixture {
public:
    WindowFixture();
    // The application folder is the given one (made when missing), for a test that needs it on a
    // particular file system; the settings stay in a temporary folder.
    explicit WindowFixture(const QString& appFolder);
    ~WindowFixture();

    QString appFolder() const { return m_appFolder; }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/config/Tabwise.ini"); }
    QString tempPath(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    void writePage(const char* fileName, const QByteArray& bytes) const;
    QByteArray pageBytes(const char* fileName) const;
    bool pageExists(const char* fileName) const;

    SettingsStore& settings() { return *m_settings; }
    // Seeds the design values, so that a test changes only what it is about.
    void seedDesignSettings();

    // The window, built on first use; load() also runs its start-up and lets the activation that
    // follows a show happen.
    MainWindow& window();
    MainWindow& load();
    // Lets queued events (activation after a show) run.
    static void settle();

    FakePlatform platform;

private:
    QTemporaryDir m_dir;
    QString m_appFolder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace tabwise
