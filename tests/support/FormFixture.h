#pragma once

#include "FakePlatform.h"
#include "core/PageTable.h"
#include "core/SettingsStore.h"
#include "shell/Form1.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace tabwise {

class ListBox;

// A list box's entries, in order.
QStringList listEntries(const ListBox* list);
// The page file of the tab at index 0..4.
inline const char* pageFileName(int tab) { return pageTable[std::size_t(tab)].fileName; }

// A complete main window over a temporary application folder, a temporary settings file and the
// fake platform. Write page files and settings first, then call load().
class FormFixture {
public:
    FormFixture();
    // The application folder is the given one (made when missing), for a test that needs it on a
    // particular file system; the settings stay in a temporary folder.
    explicit FormFixture(const QString& appFolder);
    ~FormFixture();

    QString appFolder() const { return m_appFolder; }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/config/Tabwise.ini"); }
    QString tempPath(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    void writePage(const char* fileName, const QByteArray& bytes) const;
    QByteArray pageBytes(const char* fileName) const;
    bool pageExists(const char* fileName) const;

    // The settings as the program stores them; a second store on the same file, as another process
    // would see it.
    SettingsStore& settings() { return *m_settings; }
    // Seeds the design values, so that a test changes only what it is about.
    void seedDesignSettings();

    // Builds the window (once) and runs its load handler, then lets the activation that follows a
    // show happen.
    Form1& load();
    Form1& form();
    // Lets queued events (activation after a show) run.
    static void settle();

    FakePlatform platform;

private:
    QTemporaryDir m_dir;
    QString m_appFolder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Form1> m_form;
};

} // namespace tabwise
