// The tray event's mouse message, read back from the X coordinate of the window's mouse-down.
#include "core/TrayMessages.h"
#include "ui/Twips.h"

#include <QTest>

#include <limits>

using namespace tabwise;

Q_DECLARE_METATYPE(tabwise::TrayAction)

class TrayDecodeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyMouseMessage_data();
    void everyMouseMessage();
    void rounding_data();
    void rounding();
};

void TrayDecodeTest::everyMouseMessage_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<TrayAction>("action");
    QTest::newRow("mouse move") << 512 << TrayAction::None;
    QTest::newRow("left press") << 513 << TrayAction::None;
    QTest::newRow("left release") << 514 << TrayAction::None;
    QTest::newRow("left double-click") << 515 << TrayAction::ShowWindow;
    QTest::newRow("right press") << 516 << TrayAction::None;
    QTest::newRow("right release") << 517 << TrayAction::PopUpMenu;
    QTest::newRow("right double-click") << 518 << TrayAction::None;
    QTest::newRow("middle press") << 519 << TrayAction::None;
    QTest::newRow("middle release") << 520 << TrayAction::None;
    QTest::newRow("middle double-click") << 521 << TrayAction::None;
    QTest::newRow("zero") << 0 << TrayAction::None;
}

// Each message goes in as X in twips at 15 twips per pixel and comes out unchanged.
void TrayDecodeTest::everyMouseMessage()
{
    QFETCH(int, message);
    QFETCH(TrayAction, action);
    const auto x = float(message * twipsPerPixel);
    QCOMPARE(trayMouseMessage(x, float(twipsPerPixel)), std::optional<int>(message));
    QCOMPARE(trayAction(x, float(twipsPerPixel)), action);
}

void TrayDecodeTest::rounding_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("twipsPerPixel");
    QTest::addColumn<std::optional<int>>("message");
    QTest::addColumn<TrayAction>("action");
    QTest::newRow("just below 515") << 7724.0f << 15.0f << std::optional<int>(515) << TrayAction::ShowWindow;
    QTest::newRow("just above 515") << 7732.0f << 15.0f << std::optional<int>(515) << TrayAction::ShowWindow;
    QTest::newRow("514.5 to even 514") << 7717.5f << 15.0f << std::optional<int>(514) << TrayAction::None;
    QTest::newRow("515.5 to even 516") << 7732.5f << 15.0f << std::optional<int>(516) << TrayAction::None;
    QTest::newRow("516.5 to even 516") << 7747.5f << 15.0f << std::optional<int>(516) << TrayAction::None;
    QTest::newRow("517.5 to even 518") << 7762.5f << 15.0f << std::optional<int>(518) << TrayAction::None;
    QTest::newRow("12 twips per pixel") << 6204.0f << 12.0f << std::optional<int>(517) << TrayAction::PopUpMenu;
    QTest::newRow("-0.5 to 0") << -7.5f << 15.0f << std::optional<int>(0) << TrayAction::None;
    QTest::newRow("largest 16-bit") << 32767.0f * 15.0f << 15.0f << std::optional<int>(32767) << TrayAction::None;
    QTest::newRow("smallest 16-bit") << -32768.0f * 15.0f << 15.0f << std::optional<int>(-32768) << TrayAction::None;
    QTest::newRow("32767.5 overflows") << 32767.5f * 2.0f << 2.0f << std::optional<int>() << TrayAction::None;
    QTest::newRow("beyond 16 bits") << 40000.0f * 15.0f << 15.0f << std::optional<int>() << TrayAction::None;
    QTest::newRow("65536 + 515 does not wrap")
        << (65536.0f + 515.0f) * 15.0f << 15.0f << std::optional<int>() << TrayAction::None;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 15.0f << std::optional<int>()
                                  << TrayAction::None;
    QTest::newRow("no twips per pixel") << 7725.0f << 0.0f << std::optional<int>() << TrayAction::None;
}

void TrayDecodeTest::rounding()
{
    QFETCH(float, x);
    QFETCH(float, twipsPerPixel);
    QFETCH(std::optional<int>, message);
    QFETCH(TrayAction, action);
    QCOMPARE(trayMouseMessage(x, twipsPerPixel), message);
    QCOMPARE(trayAction(x, twipsPerPixel), action);
}

QTEST_APPLESS_MAIN(TrayDecodeTest)
#include "tst_traydecode.moc"
