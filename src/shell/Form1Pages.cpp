// The tab control and the five pages of the main window.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "pages/PageColours.h"
#include "shell/AccessibleNames.h"
#include "shell/Artwork.h"
#include "shell/ClickableImage.h"
#include "shell/CommandLabel.h"
#include "shell/TabControl.h"
#include "shell/Twips.h"

#include <QPlainTextEdit>

namespace tabwise {

namespace {

QPlainTextEdit* makeTextBox(QWidget* page, const char* name, bool visible)
{
    auto* box = new QPlainTextEdit(page);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twipsRect(0, 0, 5200, 5535));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setViewingColour(box);
    box->setVisible(visible);
    return box;
}

ListBox* makeListBox(QWidget* page, const char* name)
{
    auto* list = new ListBox(page);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(twipsRect(0, 0, 5205, 5490));
    setViewingColour(list);
    return list;
}

CommandLabel* makeCommand(QWidget* page, const char* name, const char* caption, int left)
{
    auto* label = new CommandLabel(page);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(left, 5640, 0, 195));
    label->setCaption(QString::fromLatin1(caption));
    return label;
}

// The largest size, at most the window's own, at which the default captions of a row of command
// labels fit the design's slots without running into each other.
QFont commandFont(const QFont& base)
{
    const int slot = px(3480 - 1800) - 6;
    QFont font = base;
    for (qreal size = base.pointSizeF(); size >= 6.5; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const PageInfo& info : pageTable) {
            for (const char* verb : {"&Print ", "&Edit ", "&Save "})
                widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, QLatin1String(verb) + QLatin1String(info.defaultCaption)).width());
        }
        if (widest <= slot)
            break;
    }
    return font;
}

} // namespace

void Form1::buildPages()
{
    SSTab1 = new TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(0, 0, 5280, 6255));
    // Five equal tabs of about 20 pixels along the bottom; the options picture keeps the right end.
    SSTab1->strip()->setTabHeight(px(295));
    SSTab1->strip()->setStripWidth(px(4940) - 4);

    const std::array<QWidget*, pageCount> pages{new QWidget, new QWidget, new QWidget, new QWidget, new QWidget};
    for (const PageInfo& info : pageTable) {
        QWidget* pageWidget = pages[std::size_t(info.tabIndex)];
        pageWidget->setObjectName(QStringLiteral("page%1").arg(info.tabIndex + 1));
        SSTab1->addTab(pageWidget, QString::fromLatin1(info.defaultCaption));
        SSTab1->setTabCaption(info.tabIndex, QString::fromLatin1(info.defaultCaption));
    }

    txtNotes = makeTextBox(pages[0], "txtNotes", true);
    txtPhone = makeTextBox(pages[1], "txtPhone", true);
    txtEmail = makeTextBox(pages[2], "txtEmail", false);
    List1 = makeListBox(pages[2], "List1");
    txtWebSites = makeTextBox(pages[3], "txtWebSites", false);
    List2 = makeListBox(pages[3], "List2");
    txtOther = makeTextBox(pages[4], "txtOther", true);

    lblprintnotes = makeCommand(pages[0], "lblprintnotes", "&Print Notes", 120);
    lbleditnotes = makeCommand(pages[0], "lbleditnotes", "&Edit Notes", 1800);
    lblsavenotes = makeCommand(pages[0], "lblsavenotes", "&Save Notes", 3480);
    lblprintphone = makeCommand(pages[1], "lblprintphone", "&Print Phone", 120);
    lbleditphone = makeCommand(pages[1], "lbleditphone", "&Edit Phone", 1800);
    lblsavephone = makeCommand(pages[1], "lblsavephone", "&Save Phone", 3480);
    lblprintemail = makeCommand(pages[2], "lblprintemail", "&Print Email", 120);
    lbleditemail = makeCommand(pages[2], "lbleditemail", "&Edit Email", 1800);
    lblsaveemail = makeCommand(pages[2], "lblsaveemail", "&Save Email", 3480);
    lblprintwebsites = makeCommand(pages[3], "lblprintwebsites", "&Print Websites", 120);
    lbleditwebsites = makeCommand(pages[3], "lbleditwebsites", "&Edit Websites", 1800);
    lblsavewebsites = makeCommand(pages[3], "lblsavewebsites", "&Save Websites", 3480);
    lblprintother = makeCommand(pages[4], "lblprintother", "&Print Other", 120);
    lbleditother = makeCommand(pages[4], "lbleditother", "&Edit Other", 1800);
    lblsaveother = makeCommand(pages[4], "lblsaveother", "&Save Other", 3480);

    const QFont labelFont = commandFont(font());
    for (int tab = 0; tab < pageCount; ++tab) {
        for (CommandLabel* label : {page(tab).print, page(tab).edit, page(tab).save})
            label->setFont(labelFont);
    }

    // The options picture sits in the lower right corner, level with the tab strip, and belongs to
    // the first page: it shows only while that page is current.
    Image1 = new ClickableImage(SSTab1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(4940, 5970, 240, 240));
    Image1->setPixmap(artwork(QStringLiteral("options"), Image1->size(), devicePixelRatioF()));
    Image1->setScaledContents(true);
    Image1->setToolTip(QStringLiteral("Options"));
    Image1->setAccessibleName(QStringLiteral("Options"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->raise();
    connect(SSTab1, &QTabWidget::currentChanged, Image1, [this](int index) { Image1->setVisible(index == 0); });

    // A screen reader names a page's text box and list after its tab, whatever the tab is called.
    connect(SSTab1, &TabControl::captionChanged, this,
            [this](int tab, const QString& caption) { namePageControls(page(tab), tab, caption); });
    for (int tab = 0; tab < pageCount; ++tab)
        namePageControls(page(tab), tab, SSTab1->TabCaption(tab));
}

} // namespace tabwise
