#include "shell/frmSplash.h"

#include "shell/Artwork.h"
#include "shell/Form1.h"
#include "shell/Twips.h"
#include "shell/VersionText.h"
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
    label->move(px(left), px(top));
    label->adjustSize(); // the label sizes itself to its text
    return label;
}

} // namespace

frmSplash::frmSplash(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_form(form)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowIcon(programIcon());
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(displayMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();

    buildLayout();
    Form_Load();
}

void frmSplash::buildLayout()
{
    setFixedSize(px(7380), px(4245));
    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(twipsRect(150, 60, 7080, 4050));

    Frame2 = new QFrame(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twipsRect(120, 240, 1870, 2450));
    Frame2->setAutoFillBackground(true);
    QPalette black = Frame2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Frame2->setPalette(black);

    imgLogo = new QLabel(Frame2);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(twipsRect(30, 30, 1815, 2385));
    imgLogo->setPixmap(artwork(QStringLiteral("splash"), imgLogo->size(), devicePixelRatioF()));

    Label1 = new QLabel(QStringLiteral("Tabwise"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(30, 600, 1725, 1455));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setAutoFillBackground(true);
    QPalette paper = Label1->palette();
    paper.setColor(QPalette::Window, QColor(0xEB, 0xED, 0xBB));
    paper.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(paper);
    QFont title = Label1->font();
    title.setPointSize(12);
    title.setBold(true);
    Label1->setFont(title);

    lblProductName = makeLabel(Frame1, "lblProductName", QString(), 2160, 480, 20.25, true);
    lblPlatform = makeLabel(Frame1, "lblPlatform", QStringLiteral("Platform: Linux"), 2160, 1200, 15.75, true);
    lblVersion = makeLabel(Frame1, "lblVersion", QString(), 2160, 1680, 12, true);
    lblNotice = makeLabel(Frame1, "lblNotice", QStringLiteral("Made by the"), 4440, 3060, 8.25, false);
    lblCompany = makeLabel(Frame1, "lblCompany", QStringLiteral("Tabwise team"), 5640, 3060, 8.25, false);
    // The notice runs on into the maker's name, whatever width the desktop's font gives it.
    lblCompany->move(lblNotice->geometry().right() + 4, lblCompany->y());
}

void frmSplash::Form_Load()
{
    lblVersion->setText(buildVersionText());
    lblVersion->adjustSize();
    lblProductName->setText(QString::fromLatin1(version::productName));
    lblProductName->adjustSize();
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    handOver();
}

void frmSplash::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_form.Form_Load();
    close();
}

} // namespace tabwise
