#include "ui/window/SplashScreen.h"

#include "core/captions/VersionText.h"
#include "ui/common/Artwork.h"
#include "ui/common/Measures.h"
#include "version.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace tabwise {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, qreal points, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->adjustSize(); // the label sizes itself to its text
    label->setGeometry(mirrored(parent, parent->width(), QRect(QPoint(px(left), px(top)), label->size())));
    return label;
}

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("splashScreen"));
    // No window icon: a splash has neither a frame nor a taskbar entry to show one, and drawing the
    // program's icon in its eight sizes would only hold up the first window.
    m_timer = new QTimer(this);
    m_timer->setInterval(displayMilliseconds);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashScreen::handOver);
    m_timer->start();
    buildLayout();
}

void SplashScreen::buildLayout()
{
    setFixedSize(px(7380), px(4245));
    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(twipsRect(this, 7380, 150, 60, 7080, 4050));

    auto* logoPanel = new QFrame(frame);
    logoPanel->setGeometry(twipsRect(frame, 7080, 120, 240, 1870, 2450));
    logoPanel->setAutoFillBackground(true);
    QPalette black = logoPanel->palette();
    black.setColor(QPalette::Window, Qt::black);
    logoPanel->setPalette(black);

    auto* logo = new QLabel(logoPanel);
    logo->setGeometry(twipsRect(logoPanel, 1870, 30, 30, 1815, 2385));
    logo->setPixmap(artwork(QStringLiteral("splash"), logo->size(), devicePixelRatioF()));

    auto* title = new QLabel(QStringLiteral("Tabwise"), logoPanel);
    title->setGeometry(twipsRect(logoPanel, 1870, 30, 600, 1725, 1455));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setAutoFillBackground(true);
    QPalette paper = title->palette();
    paper.setColor(QPalette::Window, QColor(0xEB, 0xED, 0xBB));
    paper.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(paper);
    QFont titleFont = title->font();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);

    m_productName
        = makeLabel(frame, "productNameLabel", QString::fromLatin1(version::productName), 2160, 480, 20.25, true);
    //: %1 is the operating system's name
    makeLabel(frame, "platformLabel", tr("Platform: %1").arg(QStringLiteral("Linux")), 2160, 1200, 15.75, true);
    m_version = makeLabel(frame, "versionLabel", buildVersionText(), 2160, 1680, 12, true);
    // One sentence for the translator; the maker's name stands in a label of its own.
    //: The splash's notice line; %1 is the maker's name ("Tabwise team")
    const QString notice = tr("Made by the %1");
    const qsizetype name = notice.contains(QLatin1String("%1")) ? notice.indexOf(QLatin1String("%1")) : notice.size();
    QLabel* before = makeLabel(frame, "noticeLabel", notice.left(name).trimmed(), 4440, 3060, 8.25, false);
    QLabel* maker = makeLabel(frame, "makerLabel", tr("Tabwise team") + notice.mid(name + 2), 5640, 3060, 8.25, false);
    // The notice runs on into the maker's name, whatever width the desktop's font gives it.
    maker->move(isRightToLeft() ? before->x() - 4 - maker->width() : before->geometry().right() + 4, maker->y());
}

void SplashScreen::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // Queued: after this paint has reached the screen.
    QMetaObject::invokeMethod(this, &SplashScreen::painted, Qt::QueuedConnection);
}

void SplashScreen::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    Q_EMIT finished();
    close();
}

} // namespace tabwise
