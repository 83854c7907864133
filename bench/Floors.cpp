#include "Floors.h"

#include "BenchSupport.h"
#include "ui/common/Artwork.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>

namespace bench {

namespace {
QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
} // namespace

void writeBare(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.commit();
}

BareTabs::BareTabs(QWidget* pageWidget)
{
    tabs.resize(352, 417);
    tabs.setTabPosition(QTabWidget::South);
    tabs.addTab(new QWidget, QStringLiteral("Other"));
    tabs.addTab(pageWidget, QStringLiteral("Page"));
    pageWidget->resize(346, 369);
    tabs.show();
    settleWindow();
}

void BareTabs::show(const std::function<void()>& fill)
{
    tabs.setCurrentIndex(1);
    fill();
    settleWindow();
}

void BareTabs::leave()
{
    tabs.setCurrentIndex(0);
    settleWindow();
}

BareText::BareText()
    : BareTabs(new QPlainTextEdit)
    , box(static_cast<QPlainTextEdit*>(tabs.widget(1)))
{
}

void BareText::show(const QString& path)
{
    BareTabs::show([&] { load(path); });
}

void BareText::load(const QString& path)
{
    box->setPlainText(readText(path));
    settleWindow();
}

void BareText::save(const QString& path)
{
    writeBare(path, box->toPlainText().toUtf8());
}

BareList::BareList()
    : BareTabs(new tabwise::ListBox)
    , list(static_cast<tabwise::ListBox*>(tabs.widget(1)))
{
}

void BareList::show(const QString& path)
{
    BareTabs::show([&] { load(path); });
}

void BareList::load(const QString& path)
{
    list->clear();
    list->appendFileText(readText(path), std::nullopt);
    settleWindow();
}

BareWindow::BareWindow()
{
    resize(346, 417);
    setWindowIcon(tabwise::programIcon());
    auto* tabs = new QTabWidget(this);
    tabs->setGeometry(0, 0, 352, 417);
    tabs->setTabPosition(QTabWidget::South);
    for (int i = 0; i < 5; ++i) {
        auto* page = new QWidget;
        new QPlainTextEdit(page);
        if (i == 2 || i == 3)
            new tabwise::ListBox(page);
        for (const char* caption : { "&Print", "&Edit", "&Save" })
            new QLabel(QString::fromLatin1(caption), page);
        tabs->addTab(page, QStringLiteral("Page %1").arg(i + 1));
    }
    const auto picture = [](QWidget* parent, const char* name, QSize size) {
        auto* label = new QLabel(parent);
        label->resize(size);
        label->setPixmap(tabwise::artwork(QString::fromLatin1(name), size, label->devicePixelRatioF()));
    };
    picture(this, "options", QSize(16, 16));
    auto* options = new QGroupBox(this);
    for (int i = 0; i < 7; ++i)
        new QCheckBox(options);
    for (int i = 0; i < 5; ++i)
        new QLineEdit(options);
    for (int i = 0; i < 4; ++i)
        new QPushButton(options);
    new QComboBox(options);
    new QListWidget(options);
    picture(options, "backup", QSize(32, 32));
    options->hide();
    auto* about = new QGroupBox(this);
    for (int i = 0; i < 4; ++i)
        new QLabel(about);
    picture(about, "logo", QSize(150, 77));
    new QPushButton(about);
    about->hide();
    auto* menu = new QMenu(this);
    for (const char* caption : { "&Help", "&About", "&Restore", "&Options", "E&xit" })
        menu->addAction(QString::fromLatin1(caption));
}

} // namespace bench
