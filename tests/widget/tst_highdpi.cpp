#include "FormFixture.h"

#include "ui/ClickableImage.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QTest>

using namespace tabwise;

// At twice the pixel density the window keeps its proportions and its pictures are drawn from the
// vector artwork at the full density, not enlarged from small bitmaps.
class HighDpiTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private Q_SLOTS:
    void windowKeepsItsLogicalSize()
    {
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        QCOMPARE(w.devicePixelRatioF(), 2.0);
        QCOMPARE(w.size(), QSize(px(5190), px(6255)));
    }

    void picturesAreSharp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("options picture") << QStringLiteral("Image1");
        QTest::newRow("backup picture") << QStringLiteral("Image6");
        QTest::newRow("logo") << QStringLiteral("Image2");
    }
    void picturesAreSharp()
    {
        QFETCH(QString, name);
        FormFixture f;
        f.seedDesignSettings();
        Form1& w = f.load();
        auto* picture = w.findChild<QLabel*>(name);
        QVERIFY(picture);
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), picture->size() * 2);
        // Drawn, not blank.
        const QImage image = pixmap.toImage();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                painted += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
        }
        QVERIFY(painted > image.width() * image.height() / 10);
    }

    void windowIconHasPixelsForEverySize()
    {
        FormFixture f;
        Form1& w = f.form();
        for (int side : { 16, 32, 64 }) {
            const QPixmap pixmap = w.windowIcon().pixmap(QSize(side, side), 2.0);
            QCOMPARE(pixmap.width(), side * 2);
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
