// The About panel: product name, version, the maker's logo and web address.
#include "shell/Form1.h"

#include "shell/Artwork.h"
#include "shell/Twips.h"

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tabwise {

namespace {
constexpr const char* makerAddress = "https://tabwise.example.org/";
}

void Form1::buildAboutPanel()
{
    frameAbout = new QGroupBox(QStringLiteral("About Tabwise"), this);
    frameAbout->setObjectName(QStringLiteral("frameAbout"));
    frameAbout->setGeometry(twipsRect(0, 0, 5190, 5895));
    frameAbout->setAutoFillBackground(true);
    frameAbout->hide();

    Image2 = new QLabel(frameAbout);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twipsRect(120, 240, 2250, 1155));
    Image2->setPixmap(artwork(QStringLiteral("logo"), Image2->size(), devicePixelRatioF()));

    Label17 = new QLabel(QStringLiteral("Tabwise"), frameAbout);
    Label17->setObjectName(QStringLiteral("Label17"));
    Label17->setGeometry(twipsRect(2400, 240, 2565, 480));
    QFont heading = Label17->font();
    heading.setPointSize(12);
    heading.setBold(true);
    Label17->setFont(heading);

    lblversion = new QLabel(QStringLiteral("Version 1.01"), frameAbout);
    lblversion->setObjectName(QStringLiteral("lblversion"));
    lblversion->setGeometry(twipsRect(2400, 720, 2325, 225));

    lblproductname = new QLabel(QStringLiteral("Tabwise."), frameAbout);
    lblproductname->setObjectName(QStringLiteral("lblproductname"));
    lblproductname->setGeometry(twipsRect(2400, 1080, 2445, 330));

    Label15 = new QLabel(QString::fromLatin1(makerAddress), frameAbout);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->move(px(360), px(1440));
    QPalette link = Label15->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label15->setPalette(link);
    Label15->setCursor(QCursor(artwork(QStringLiteral("globe"), QSize(32, 32), devicePixelRatioF()), 16, 16));
    Label15->adjustSize();

    Command4 = new QPushButton(QStringLiteral("&Ok"), frameAbout);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(twipsRect(3960, 2760, 1095, 255));
}

} // namespace tabwise
