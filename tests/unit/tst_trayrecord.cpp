// The notification-area record the window hands to the platform.
#include "core/TrayMessages.h"

#include <QTest>

#include <cstddef>

using namespace tabwise;

class TrayRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields();
    void tipField_data();
    void tipField();
};

void TrayRecordTest::fields()
{
    const TrayIconRecord record = makeTrayRecord(0x1234567u, 0x89u, QStringLiteral("Tabwise"));
    QCOMPARE(sizeof record, std::size_t(88));
    QCOMPARE(offsetof(TrayIconRecord, tip), std::size_t(24));
    QCOMPARE(record.size, 88u);
    QCOMPARE(record.window, 0x1234567u);
    QCOMPARE(record.iconId, 1u);
    QCOMPARE(record.flags, 7u);
    QCOMPARE(record.callbackMessage, 513u);
    QCOMPARE(record.icon, 0x89u);
}

void TrayRecordTest::tipField_data()
{
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("shown");

    const QString tip63(63, QLatin1Char('a'));
    const QString tip64 = QString(63, QLatin1Char('b')) + QLatin1Char('c');
    const QString tip70 = QString(64, QLatin1Char('d')) + QStringLiteral("efghij");
    QTest::newRow("Tabwise") << QStringLiteral("Tabwise") << QByteArray("Tabwise") + '\0' + QByteArray(56, ' ')
                             << QStringLiteral("Tabwise");
    QTest::newRow("empty") << QString() << QByteArray(1, '\0') + QByteArray(63, ' ') << QString();
    QTest::newRow("63 characters: the NUL ends the field") << tip63 << tip63.toLatin1() + '\0' << tip63;
    QTest::newRow("64 characters: the NUL is cut") << tip64 << tip64.toLatin1() << tip64;
    QTest::newRow("70 characters: cut at 64") << tip70 << QByteArray(64, 'd') << QString(64, QLatin1Char('d'));
    QTest::newRow("outside Latin-1") << QStringLiteral("T\u20acb") << QByteArray("T?b") + '\0' + QByteArray(60, ' ')
                                     << QStringLiteral("T?b");
}

void TrayRecordTest::tipField()
{
    QFETCH(QString, tip);
    QFETCH(QByteArray, field);
    QFETCH(QString, shown);
    const TrayIconRecord record = makeTrayRecord(1, 1, tip);
    QCOMPARE(QByteArray(record.tip, sizeof record.tip), field);
    QCOMPARE(trayTipText(record), shown);
}

QTEST_APPLESS_MAIN(TrayRecordTest)
#include "tst_trayrecord.moc"
