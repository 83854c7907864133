// The history panel driven from the keyboard over a history of three versions, read by the
// history's worker.
#include "ui/history/HistoryPanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace tabwise;

class tst_HistoryPanel : public QObject {
    Q_OBJECT
private slots:
    void movesCopiesRestoresAndCloses()
    {
        QTemporaryDir dir;
        qputenv("XDG_STATE_HOME", dir.path().toUtf8());
        HistoryStore store(dir.filePath(QStringLiteral("app")));
        const QDateTime start = QDateTime::currentDateTime();
        for (const char* text : { "one\r\ntwo\r\n", "one\r\n2\r\n", "one\r\n2\r\nthree\r\n" })
            QCOMPARE(store.record(QStringLiteral("notes.ntr"), text, QStringLiteral("Saved"), start),
                HistoryStore::Recorded::New);
        HistoryRecorder history(dir.filePath(QStringLiteral("app")));
        QWidget window;
        HistoryPanel panel(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy restored(&panel, &HistoryPanel::restoreRequested);
        QSignalSpy closed(&panel, &HistoryPanel::openChanged);
        panel.open(history, 0, QStringLiteral("notes.ntr"), QStringLiteral("Notes"), QStringLiteral("one\n2\nthree"));

        QTreeWidget* list = panel.versionList();
        QVERIFY(!panel.restoreButton()->isEnabled() && !panel.copyButton()->isEnabled()); // nothing read yet
        QTRY_COMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QCOMPARE(list->topLevelItem(0)->text(1) + list->topLevelItem(0)->text(3), QStringLiteral("Saved+1 -0 lines"));
        QCOMPARE(list->topLevelItem(1)->text(3), QStringLiteral("+1 -1 lines"));
        QTRY_COMPARE(panel.versionText()->toPlainText(), QStringLiteral("one\n2\nthree\n"));
        QCOMPARE(panel.markedLines(), QList<int> {});

        QTest::keyClick(list, Qt::Key_End);
        QTRY_COMPARE(panel.versionText()->toPlainText(), QStringLiteral("one\ntwo\n"));
        QCOMPARE(panel.markedLines(), QList<int> { 1 });
        QTest::keyClick(list, Qt::Key_Up);
        QTRY_COMPARE(panel.versionText()->toPlainText(), QStringLiteral("one\n2\n"));
        // Moved on before a version has come: only the one chosen last is shown, and nothing can be
        // restored or copied until it has come.
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(!panel.restoreButton()->isEnabled());
        QTRY_COMPARE(panel.versionText()->toPlainText(), QStringLiteral("one\n2\n"));

        QTest::mouseClick(panel.copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\n2\n"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(restored.size(), 1);
        QCOMPARE(restored.first().last().toString(), QStringLiteral("one\n2\n"));
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(panel.isHidden());
        QCOMPARE(closed.size(), 2); // opened, closed
        QCOMPARE(closed.last().first().toBool(), false);
    }
};

QTEST_MAIN(tst_HistoryPanel)
#include "tst_historypanel.moc"
