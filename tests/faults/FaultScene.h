#pragma once

#include "FormFixture.h"

#include <QMap>
#include <QString>

#include <memory>

// One window over an application folder and a backup folder below a given folder, ready for one
// of the actions that write files, so that a test can make the writing fail (a full disk, a folder
// that cannot be written) and check that nothing is lost.
namespace tabwise {

enum class WriteAction { SaveTextPage, SaveListPage, EditListPage, Backup, Restore };

class FaultScene {
public:
    // Puts the pages into base/app and older copies into base/backup, loads the window, and gets
    // the action ready: typing on the page to be saved, unsaved typing on the notes page for the
    // others, the backup folder open in the folder list.
    FaultScene(const QString& base, WriteAction action);

    QString appFolder() const { return m_base + QStringLiteral("/app"); }
    QString backupFolder() const { return m_base + QStringLiteral("/backup"); }

    // Clicks what runs the action, answering Yes to a question.
    void act();
    // Checks that the action failed with a message, that both folders hold what they held and
    // that the text on screen is what it was.
    void verifyNothingLost();

    FormFixture& fixture() { return *m_f; }

private:
    QString m_base;
    WriteAction m_action;
    std::unique_ptr<FormFixture> m_f;
    QMap<QString, QByteArray> m_appBefore, m_backupBefore;
    QString m_shownBefore;
    qsizetype m_messagesBefore = 0;
};

// The file names and contents of a folder's files.
QMap<QString, QByteArray> folderSnapshot(const QString& folder);

} // namespace tabwise
