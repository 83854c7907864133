// The toolkit's floor for a whole process: a program of nothing but a window with the kinds of
// widgets the notebook's window holds (tabs along the bottom, five text boxes, two of them lists),
// linked with Qt Widgets alone.
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.setTabPosition(QTabWidget::South);
    for (int i = 1; i <= 5; ++i) {
        auto* text = new QPlainTextEdit;
        if (i == 1)
            text->setPlainText(QStringLiteral("hello from the first page\n"));
        tabs.addTab(text, QStringLiteral("Text %1").arg(i));
    }
    for (int i = 1; i <= 2; ++i) {
        auto* list = new QListWidget;
        list->setUniformItemSizes(true);
        tabs.addTab(list, QStringLiteral("List %1").arg(i));
    }
    tabs.setWindowTitle(QStringLiteral("bare"));
    tabs.resize(352, 417);
    tabs.show();
    return QApplication::exec();
}
