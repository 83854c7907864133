// The page colours, the About panel's link and a colour scheme change while the program runs, in a
// light and a dark colour scheme.
#include "FormFixture.h"
#include "ui/ListBox.h"
#include "ui/PageColours.h"
#include "ui/CommandLabel.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace tabwise;

namespace {

QPalette darkScheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Link, QColor(100, 170, 255));
    return dark;
}

QPalette lightScheme()
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Button, QColor(224, 224, 224));
    light.setColor(QPalette::ButtonText, Qt::black);
    light.setColor(QPalette::Link, QColor(0, 0, 255));
    return light;
}

// The first page that shows a list box, and the first with a plain text box.
int firstPage(const Form1& w, bool withList)
{
    for (int tab = 0; tab < pageCount; ++tab)
        if ((w.page(tab).list != nullptr) == withList)
            return tab;
    return -1;
}

QColor base(const QWidget* box)
{
    return box->palette().color(QPalette::Base);
}
QColor text(const QWidget* box)
{
    return box->palette().color(QPalette::Text);
}
QColor linkColour(const QLabel* label)
{
    return label->palette().color(label->foregroundRole());
}

} // namespace

class tst_ColourScheme : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QApplication::setPalette(QPalette()); }
    void coloursKeepTheirMeaning_data();
    void coloursKeepTheirMeaning();
    void schemeChangeIsFollowed();
};

void tst_ColourScheme::coloursKeepTheirMeaning_data()
{
    QTest::addColumn<QPalette>("scheme");
    QTest::newRow("light") << lightScheme();
    QTest::newRow("dark") << darkScheme();
}

void tst_ColourScheme::coloursKeepTheirMeaning()
{
    QFETCH(QPalette, scheme);
    QApplication::setPalette(scheme);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();

    const int textTab = firstPage(w, false);
    const int listTab = firstPage(w, true);
    QVERIFY(textTab >= 0 && listTab >= 0);
    // Viewing: the scheme's button face with its button text, list boxes too.
    for (const QWidget* box :
        { static_cast<QWidget*>(w.page(textTab).text), static_cast<QWidget*>(w.page(listTab).list) }) {
        QCOMPARE(base(box), scheme.color(QPalette::Button));
        QCOMPARE(text(box), scheme.color(QPalette::ButtonText));
    }
    // Editing: black on white whatever the scheme.
    w.page(textTab).edit->click();
    QVERIFY(hasEditingColour(w.page(textTab).text));
    QCOMPARE(base(w.page(textTab).text), QColor(Qt::white));
    QCOMPARE(text(w.page(textTab).text), QColor(Qt::black));
    // The web address in the scheme's link colour.
    QCOMPARE(linkColour(w.Label15), scheme.color(QPalette::Link));
}

void tst_ColourScheme::schemeChangeIsFollowed()
{
    QApplication::setPalette(lightScheme());
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    const int edited = firstPage(w, false);
    const int listTab = firstPage(w, true);
    int viewed = -1;
    for (int tab = 0; tab < pageCount; ++tab)
        if (tab != edited && !w.page(tab).list)
            viewed = tab;
    QVERIFY(edited >= 0 && viewed >= 0 && listTab >= 0);
    w.page(edited).edit->click();

    const QPalette dark = darkScheme();
    QApplication::setPalette(dark);

    // The edited page stays white, the viewed ones take on the new button face.
    QVERIFY(hasEditingColour(w.page(edited).text));
    QCOMPARE(base(w.page(edited).text), QColor(Qt::white));
    QCOMPARE(text(w.page(edited).text), QColor(Qt::black));
    for (const QWidget* box :
        { static_cast<QWidget*>(w.page(viewed).text), static_cast<QWidget*>(w.page(listTab).list) }) {
        QVERIFY(!hasEditingColour(box));
        QCOMPARE(base(box), dark.color(QPalette::Button));
        QCOMPARE(text(box), dark.color(QPalette::ButtonText));
    }
    // The label takes on the new scheme once the change has spread through the window.
    QTRY_COMPARE(linkColour(w.Label15), dark.color(QPalette::Link));

    // Saving returns the edited page to the new scheme's viewing colour.
    w.page(edited).save->click();
    QVERIFY(!hasEditingColour(w.page(edited).text));
    QCOMPARE(base(w.page(edited).text), dark.color(QPalette::Button));
}

QTEST_MAIN(tst_ColourScheme)
#include "tst_colourscheme.moc"
