#include "FaultScene.h"

#include "ui/FolderList.h"
#include "ui/ListBox.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tabwise {

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool isListAction(WriteAction action)
{
    return action == WriteAction::SaveListPage || action == WriteAction::EditListPage;
}

} // namespace

QMap<QString, QByteArray> folderSnapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(dir.filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

FaultScene::FaultScene(const QString& base, WriteAction action)
    : m_base(base)
    , m_action(action)
{
    QVERIFY(QDir().mkpath(appFolder()));
    QVERIFY(QDir().mkpath(backupFolder()));
    writeFile(appFolder() + QStringLiteral("/notes.ntr"), "old notes\r\n");
    writeFile(appFolder() + QStringLiteral("/email.ntr"), "a\r\nb\r\n");
    writeFile(appFolder() + QStringLiteral("/web.ntr"), "w\r\n");
    writeFile(backupFolder() + QStringLiteral("/notes.ntr"), "backed-up notes\r\n");
    writeFile(backupFolder() + QStringLiteral("/email.ntr"), "c\r\n");

    m_f = std::make_unique<FormFixture>(appFolder());
    m_f->seedDesignSettings();
    Form1& w = m_f->load();
    const int tab = isListAction(action) ? 2 : 0;
    w.SSTab1->setTab(tab);
    const Form1::PageControls page = w.page(tab);
    if (action != WriteAction::EditListPage) {
        page.edit->click();
        page.text->moveCursor(QTextCursor::End);
        QTest::keyClicks(page.text, "typed");
        QVERIFY(w.hasUnsavedText(tab));
    }
    if (action == WriteAction::Backup || action == WriteAction::Restore) {
        w.frameoptions->show();
        QVERIFY(!w.Dir1->setPath(backupFolder()));
    }
    m_appBefore = folderSnapshot(appFolder());
    m_backupBefore = folderSnapshot(backupFolder());
    m_shownBefore = page.text->toPlainText();
    m_messagesBefore = m_f->platform.messagesShown.size();
}

void FaultScene::act()
{
    Form1& w = m_f->form();
    m_f->platform.answers = { msgbox::Yes };
    switch (m_action) {
    case WriteAction::SaveTextPage: w.lblsavenotes->click(); break;
    case WriteAction::SaveListPage: w.lblsaveemail->click(); break;
    case WriteAction::EditListPage: w.lbleditemail->click(); break;
    case WriteAction::Backup: w.cmdbackup->click(); break;
    case WriteAction::Restore: w.cmdrestore->click(); break;
    }
}

void FaultScene::verifyNothingLost()
{
    Form1& w = m_f->form();
    const QList<FakePlatform::Message>& shown = m_f->platform.messagesShown;
    const bool asked = m_action == WriteAction::Backup || m_action == WriteAction::Restore;
    QCOMPARE(shown.size(), m_messagesBefore + (asked ? 2 : 1));
    QVERIFY(!shown.last().prompt.isEmpty());
    qInfo("message: %s", qPrintable(QString(shown.last().prompt).replace(QLatin1Char('\n'), QLatin1Char(' '))));

    QCOMPARE(folderSnapshot(appFolder()), m_appBefore);
    QCOMPARE(folderSnapshot(backupFolder()), m_backupBefore);

    const int tab = isListAction(m_action) ? 2 : 0;
    const Form1::PageControls page = w.page(tab);
    QVERIFY(!page.text->isHidden());
    if (m_action == WriteAction::EditListPage) {
        // The Edit could not store the entries: the box shows the file, which still holds them.
        QCOMPARE(page.text->toPlainText(), QStringLiteral("a\nb\n"));
    } else {
        QCOMPARE(page.text->toPlainText(), m_shownBefore);
        QVERIFY(page.text->toPlainText().endsWith(QLatin1String("typed")));
        QVERIFY(w.hasUnsavedText(tab));
    }
}

} // namespace tabwise
