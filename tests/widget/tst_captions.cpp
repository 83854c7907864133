// Tab captions carry the stored names exactly; the Edit, Save and Print captions are the verb,
// one space and the page's name exactly as typed.
#include "FormFixture.h"
#include "ui/CommandLabel.h"
#include "ui/TabControl.h"

#include <QLineEdit>
#include <QTest>

using namespace tabwise;

class tst_Captions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpCaptions_data();
    void startUpCaptions();
    void newNameInBox_data();
    void newNameInBox();
};

void tst_Captions::startUpCaptions_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name"); // null: the key is absent
    QTest::newRow("design name") << 1 << "Phone Numbers";
    QTest::newRow("renamed") << 0 << "Diary";
    QTest::newRow("space-padded") << 3 << "  Links ";
    QTest::newRow("empty") << 4 << "";
    QTest::newRow("absent") << 2 << QString();
}

void tst_Captions::startUpCaptions()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    FormFixture f;
    f.settings().write(Key::Value, QStringLiteral("0"));
    const QStringList design { "Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other" };
    for (int t = 0; t < pageCount; ++t) {
        if (t != tab)
            f.settings().write(tabNameKey(t), design[t]);
        else if (!name.isNull())
            f.settings().write(tabNameKey(t), name);
    }
    Form1& w = f.load();

    for (int t = 0; t < pageCount; ++t) {
        const QString expected = t == tab ? name : design[t];
        QCOMPARE(w.SSTab1->TabCaption(t), expected);
        const Form1::PageControls page = w.page(t);
        QCOMPARE(page.edit->caption(), "&Edit " + expected);
        QCOMPARE(page.save->caption(), "&Save " + expected);
        QCOMPARE(page.print->caption(), "&Print " + expected);
    }
}

void tst_Captions::newNameInBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("longer") << "Things to remember this week";
    QTest::newRow("space-padded") << " To do  ";
    QTest::newRow("empty") << "";
}

void tst_Captions::newNameInBox()
{
    QFETCH(QString, name);
    FormFixture f;
    f.seedDesignSettings();
    Form1& w = f.load();
    const int widthBefore = w.lbleditnotes->width();
    w.Text1->setText(name);
    w.SetLabelCaptions();
    QCOMPARE(w.lbleditnotes->caption(), "&Edit " + name);
    QCOMPARE(w.lblsavenotes->caption(), "&Save " + name);
    QCOMPARE(w.lblprintnotes->caption(), "&Print " + name);
    // The labels fit their captions: a longer name makes them wider, a shorter one narrower.
    QCOMPARE(w.lbleditnotes->width() > widthBefore, name.size() > 5);
    // The other pages and every tab caption stay as they were.
    QCOMPARE(w.lbleditphone->caption(), QStringLiteral("&Edit Phone Numbers"));
    QCOMPARE(w.SSTab1->TabCaption(0), QStringLiteral("Notes"));
}

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
