#include "WindowFixture.h"

#include "core/settings/FirstStart.h"
#include "ui/common/Translations.h"

namespace tabwise {

QStringList listEntries(const ListBox* list)
{
    QStringList all;
    for (qsizetype i = 0; i < list->entryCount(); ++i)
        all << list->entry(i);
    return all;
}

void typeOn(PageView* page, const QString& text)
{
    QTest::mouseClick(page->editButton(), Qt::LeftButton);
    page->textBox()->moveCursor(QTextCursor::End);
    QTest::keyClicks(page->textBox(), text);
}

WindowFixture::WindowFixture(const QString& appFolder)
    : m_appFolder(appFolder.isEmpty() ? tempPath("app") : appFolder)
{
    QDir().mkpath(m_appFolder);
    QDir(m_dir.path()).mkpath("config");
    m_settings = std::make_unique<SettingsStore>(iniPath());
    seedDesignSettings();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(
        QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
        qPrintable(path));
}

void WindowFixture::writePage(const char* fileName, const QByteArray& bytes) const
{
    writeFile(m_appFolder + '/' + fileName, bytes);
}

QByteArray WindowFixture::pageBytes(const char* fileName) const
{
    QFile file(m_appFolder + '/' + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WindowFixture::seedDesignSettings()
{
    seedFirstStart(*m_settings);
}

void WindowFixture::spoilSettings() const
{
    QVERIFY(QDir(tempPath("config")).removeRecursively() && QFile(tempPath("config")).open(QIODevice::WriteOnly));
}

MainWindow& WindowFixture::load()
{
    m_window = std::make_unique<MainWindow>(platform, appFolder(), *m_settings);
    m_window->load();
    settle();
    return *m_window;
}

void WindowFixture::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace tabwise

namespace {
// The widget tests see the program in English, as a desktop in English does: with its plural forms
// ("2 page files"). A test of another language installs its own.
void installEnglish()
{
    tabwise::installTranslations({ "en" });
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(installEnglish)
