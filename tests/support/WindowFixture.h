#pragma once

#include "FakePlatform.h"
#include "core/page/PageTable.h"
#include "core/settings/SettingsStore.h"
#include "ui/page/CommandLabel.h"
#include "ui/page/ListBox.h"
#include "ui/page/PageView.h"
#include "ui/page/TabControl.h"
#include "ui/panels/AboutPanel.h"
#include "ui/panels/BackupPanel.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/tray/TrayIcon.h"
#include "ui/window/MainWindow.h"
#include "ui/window/WindowActions.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tabwise {

// A list's entries, in order.
QStringList listEntries(const ListBox* list);
// The page file of the tab at index 0..4.
inline const char* pageFileName(int tab)
{
    return pageTable[std::size_t(tab)].fileName;
}
// Edit on the page, then typing at the end of its text.
void typeOn(PageView* page, const QString& text);
// Writes a whole file, making its folder when missing.
void writeFile(const QString& path, const QByteArray& bytes);

// A complete main window over a temporary application folder, a temporary settings file holding the
// design's values (a test sets only what it is about) and the fake platform. Write page files and
// settings first, then call load(). Its header brings what the tests of the window use.
class WindowFixture {
public:
    // A given application folder (made when missing) is for a test that needs it on a particular file
    // system; the settings stay in a temporary folder.
    explicit WindowFixture(const QString& appFolder = {});

    QString appFolder() const { return m_appFolder; }
    QString iniPath() const { return tempPath("config/Tabwise.ini"); }
    QString tempPath(const QString& name) const { return m_dir.filePath(name); }

    void writePage(const char* fileName, const QByteArray& bytes) const;
    QByteArray pageBytes(const char* fileName) const;

    SettingsStore& settings() { return *m_settings; }
    void seedDesignSettings();
    // From now on the settings file cannot be written, not even by the superuser.
    void spoilSettings() const;

    // Builds the window and runs its start-up and the activation after it.
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
