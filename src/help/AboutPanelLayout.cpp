// The About panel: product name, version, the maker's logo and web address.
#include "shell/Form1.h"

#include "shell/Artwork.h"
#include "shell/Twips.h"

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tabwise {

namespace {
constexpr const char* makerAddress = "https://tabwise.example.org/";

// The logo's lettering is dark navy: a white card with rounded corners behind it keeps it readable
// in a dark colour scheme as in a light one.
QPixmap onLightBacking(const QPixmap& logo)
{
    QPixmap backed(logo.size());
    backed.setDevicePixelRatio(logo.devicePixelRatio());
    backed.fill(Qt::transparent);
    QPainter painter(&backed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QRectF card(QPointF(0, 0), logo.deviceIndependentSize());
    painter.drawRoundedRect(card, card.height() / 10, card.height() / 10);
    painter.drawPixmap(0, 0, logo);
    return backed;
}
} // namespace

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
    Image2->setPixmap(onLightBacking(artwork(QStringLiteral("logo"), Image2->size(), devicePixelRatioF())));

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
    // The scheme's link colour: blue in a light scheme, a light blue in a dark one.
    Label15->setForegroundRole(QPalette::Link);
    Label15->setCursor(QCursor(artwork(QStringLiteral("globe"), QSize(32, 32), devicePixelRatioF()), 16, 16));
    Label15->adjustSize();

    Command4 = new QPushButton(QStringLiteral("&Ok"), frameAbout);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(twipsRect(3960, 2760, 1095, 255));
}

} // namespace tabwise
