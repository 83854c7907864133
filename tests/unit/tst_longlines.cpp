#include "core/LongLines.h"

#include <QTest>

using namespace tabwise;

class LongLinesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longestLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("longer");
        const QString limit(10, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("exactly the limit") << limit << false;
        QTest::newRow("one over") << limit + QLatin1Char('x') << true;
        QTest::newRow("broken by CR LF") << limit + QStringLiteral("\r\n") + limit << false;
        QTest::newRow("broken by a lone CR") << limit + QLatin1Char('\r') + limit << false;
        QTest::newRow("broken by a lone LF") << limit + QLatin1Char('\n') + limit << false;
        QTest::newRow("broken by a paragraph separator") << limit + QChar(QChar::ParagraphSeparator) + limit << false;
        QTest::newRow("long last line") << QStringLiteral("a\r\n") + limit + limit << true;
    }
    void longestLine()
    {
        QFETCH(QString, text);
        QFETCH(bool, longer);
        QCOMPARE(hasLineLongerThan(text, 10), longer);
    }
};

QTEST_GUILESS_MAIN(LongLinesTest)
#include "tst_longlines.moc"
