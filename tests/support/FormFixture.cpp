#include "FormFixture.h"

#include "ui/ListBox.h"
#include "core/FirstStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace tabwise {

QStringList listEntries(const ListBox* list)
{
    QStringList all;
    for (qsizetype i = 0; i < list->ListCount(); ++i)
        all << list->List(i);
    return all;
}

FormFixture::FormFixture()
    : FormFixture(QString())
{
}

FormFixture::FormFixture(const QString& appFolder)
    : m_appFolder(appFolder.isEmpty() ? m_dir.path() + QStringLiteral("/app") : appFolder)
{
    QDir().mkpath(m_appFolder);
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    m_settings = std::make_unique<SettingsStore>(iniPath());
}

FormFixture::~FormFixture() = default;

void FormFixture::writePage(const char* fileName, const QByteArray& bytes) const
{
    QFile file(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FormFixture::pageBytes(const char* fileName) const
{
    QFile file(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool FormFixture::pageExists(const char* fileName) const
{
    return QFile::exists(appFolder() + QLatin1Char('/') + QLatin1String(fileName));
}

void FormFixture::seedDesignSettings() { seedFirstStart(*m_settings); }

Form1& FormFixture::form()
{
    if (!m_form)
        m_form = std::make_unique<Form1>(platform, appFolder(), *m_settings);
    return *m_form;
}

Form1& FormFixture::load()
{
    Form1& window = form();
    window.Form_Load();
    settle();
    return window;
}

void FormFixture::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace tabwise
