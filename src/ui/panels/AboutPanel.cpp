#include "ui/panels/AboutPanel.h"

#include "core/captions/VersionText.h"
#include "core/entries/EntryAddress.h"
#include "platform/Platform.h"
#include "ui/common/Artwork.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Measures.h"
#include "version.h"

#include <QPainter>
#include <QPushButton>
#include <QUrl>

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

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    return label;
}
} // namespace

AboutPanel::AboutPanel(Platform& platform, QWidget* parent)
    : OverlayPanel(tr("About Tabwise"), parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("aboutPanel"));
}

// Made when the panel first opens: the start does not draw a logo nobody sees yet.
void AboutPanel::build()
{
    QLabel* logo = makeLabel(this, "logo", {}, twipsRect(this, measure::windowWidth, 120, 240, 2250, 1155));
    logo->setPixmap(onLightBacking(artwork(QStringLiteral("logo"), logo->size(), devicePixelRatioF())));
    //: The About panel's heading: the program's name
    QLabel* heading
        = makeLabel(this, "heading", tr("Tabwise"), twipsRect(this, measure::windowWidth, 2400, 240, 2565, 480));
    QFont bold = heading->font();
    bold.setPointSize(12);
    bold.setBold(true);
    heading->setFont(bold);
    // Their texts are set as the panel opens.
    m_version = makeLabel(this, "versionLabel", {}, twipsRect(this, measure::windowWidth, 2400, 720, 2325, 225));
    m_productName
        = makeLabel(this, "productNameLabel", {}, twipsRect(this, measure::windowWidth, 2400, 1080, 2445, 330));

    m_webAddress = new ClickableLabel(QString::fromLatin1(makerAddress), this);
    m_webAddress->setObjectName(QStringLiteral("webAddressLabel"));

    // The scheme's link colour: blue in a light scheme, a light blue in a dark one.
    m_webAddress->setForegroundRole(QPalette::Link);
    m_webAddress->setCursor(QCursor(artwork(QStringLiteral("globe"), QSize(32, 32), devicePixelRatioF()), 16, 16));
    m_webAddress->adjustSize();
    m_webAddress->setGeometry(
        mirrored(this, px(measure::windowWidth), QRect(QPoint(px(360), px(1440)), m_webAddress->size())));
    connect(m_webAddress, &ClickableLabel::clicked, this, &AboutPanel::openWebAddress);

    //: The About panel's button that closes it
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setGeometry(twipsRect(this, measure::windowWidth, 3960, 2760, 1095, 255));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    keepFocusInside();
}

void AboutPanel::open()
{
    if (!m_ok)
        build();
    show();
    m_version->setText(buildVersionText());
    m_productName->setText(QString::fromLatin1(version::productName));
}

void AboutPanel::openWebAddress()
{
    if (!m_platform.openTarget().open(QUrl(m_webAddress->text())))
        m_platform.messages().show(this, notOpenedText(m_webAddress->text()), msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
