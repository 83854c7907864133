#include "WindowFixture.h"

#include "core/FirstStart.h"
#include "ui/ListBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace tabwise {

QStringList listEntries(const ListBox* list)
{
    QStringList all;
    for (qsizetype i = 0; i < list->entryCount(); ++i)
        all << list->entry(i);
    return all;
}

WindowFixture::WindowFixture()
    : WindowFixture(QString())
{
}

WindowFixture::WindowFixture(const QString& appFolder)
    : m_appFolder(appFolder.isEmpty() ? m_dir.path() + QStringLiteral("/app") : appFolder)
{
    QDir().mkpath(m_appFolder);
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    m_settings = std::make_unique<SettingsStore>(iniPath());
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::writePage(const char* fileName, const QByteArray& bytes) const
{
    QFile file(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray WindowFixture::pageBytes(const char* fileName) const
{
    QFile file(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WindowFixture::pageExists(const char* fileName) const
{
    return QFile::exists(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
}

void WindowFixture::seedDesignSettings() { seedFirstStart(*m_settings); }

MainWindow& WindowFixture::window()
{
    if (!m_window)
        m_window = std::make_unique<MainWindow>(platform, appFolder(), *m_settings);
    return *m_window;
}

MainWindow& WindowFixture::load()
{
    MainWindow& w = window();
    w.load();
    settle();
    return w;
}

void WindowFixture::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace tabwise
