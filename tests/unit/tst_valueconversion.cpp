#include "core/ValueConversion.h"

#include <QTest>

using namespace tabwise;

class ValueConversionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("boxState"); // -1: not a box state

        QTest::newRow("one") << "1" << true << 1.0 << 1;
        QTest::newRow("zero") << "0" << true << 0.0 << 0;
        QTest::newRow("empty") << "" << false << 0.0 << -1;
        QTest::newRow("spaces only") << "   " << false << 0.0 << -1;
        QTest::newRow("letters") << "abc" << false << 0.0 << -1;
        QTest::newRow("two") << "2" << true << 2.0 << -1;
        QTest::newRow("minus one") << "-1" << true << -1.0 << -1;
        QTest::newRow("one point zero") << "1.0" << true << 1.0 << 1;
        QTest::newRow("padded") << " 1 " << true << 1.0 << 1;
        QTest::newRow("exponent") << "1e0" << true << 1.0 << 1;
        QTest::newRow("huge") << "99999999999999999999999" << true << 1e23 << -1;
        QTest::newRow("overflow") << "1e400" << false << 0.0 << -1;
        QTest::newRow("infinity") << "inf" << false << 0.0 << -1;
        QTest::newRow("not a number") << "nan" << false << 0.0 << -1;
        QTest::newRow("hex") << "0x1" << false << 0.0 << -1;
        QTest::newRow("half rounds to even zero") << "0.5" << true << 0.5 << 0;
        QTest::newRow("one and a half rounds to two") << "1.5" << true << 1.5 << -1;
        QTest::newRow("trailing garbage") << "1abc" << false << 0.0 << -1;
        QTest::newRow("comma decimal") << "1,0" << false << 0.0 << -1;
    }
    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, number);
        QFETCH(int, boxState);
        const std::optional<double> n = toNumber(text);
        QCOMPARE(n.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*n, number);
        const std::optional<int> state = toBoxState(text);
        QCOMPARE(state.value_or(-1), boxState);
    }

    void boxStateText_() { QCOMPARE(boxStateText(true), QStringLiteral("1")); QCOMPARE(boxStateText(false), QStringLiteral("0")); }
};

QTEST_GUILESS_MAIN(ValueConversionTest)
#include "tst_valueconversion.moc"
