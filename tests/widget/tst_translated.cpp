// Every text the program shows goes through the translation: under a pseudo-translation that marks
// the words of each translated text ⟦so⟧ and makes it a third longer, the window, its panels, its
// menus and the messages it gives show no word unmarked but the user's own (page text, entries,
// file and folder names). Where a lengthened text no longer fits its place is told, not failed;
// the languages shipped must fit.
// Where the layout runs right to left, the window and its panels are mirrored.
#include "WindowFixture.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/Translations.h"
#include "ui/panels/HistoryOptions.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>

using namespace tabwise;

namespace {

// Found the first time it is read, in any language but the program's own.
const QRegularExpression translated(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
const QRegularExpression letter(QStringLiteral("\\p{L}"));
const QRegularExpression markup(QStringLiteral("<[^>]*>")); // of a tooltip

class Texts {
public:
    explicit Texts(QStringList userData)
        : m_userData(std::move(userData))
    {
    }

    // A text with a word neither marked nor the user's.
    void check(const QString& where, QString text)
    {
        text.remove(markup).remove(translated);
        for (const QString& word : m_userData)
            text.remove(word);
        if (text.contains(letter))
            m_untranslated << where + ": " + text;
    }

    void checkWidgets(const QWidget* top)
    {
        QList<const QWidget*> widgets { top };
        for (const QWidget* child : top->findChildren<QWidget*>())
            widgets << child;
        for (const QWidget* widget : widgets) {
            // Qt's own widgets inside ours speak Qt's translation; a folder list holds folder names, the
            // product name is the version's.
            if (!widget->isVisible() || qobject_cast<QKeySequenceEdit*>(widget->parentWidget())
                || widget->objectName() == "folderList" || widget->objectName() == "productNameLabel")
                continue;
            const QString where = QString::fromLatin1(widget->metaObject()->className()) + ' '
                + (widget->objectName().isEmpty() ? textsOf(widget).join(QString()).left(40) : widget->objectName());
            for (const QString& text : textsOf(widget))
                check(where, text);
            for (const QAction* action : widget->actions())
                check(where + " action", action->text());
            reportFit(widget, where);
        }
    }

    QStringList unfit() const { return m_unfit; }

    QStringList untranslated() const
    {
        QStringList once = m_untranslated;
        once.removeDuplicates();
        return once;
    }

private:
    static QStringList textsOf(const QWidget* widget)
    {
        QStringList texts { widget->toolTip(), widget->accessibleName(), widget->accessibleDescription() };
        if (widget->isWindow())
            texts << widget->windowTitle();
        if (auto* label = qobject_cast<const QLabel*>(widget); label && !qobject_cast<const ClickableLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        if (auto* field = qobject_cast<const QLineEdit*>(widget))
            texts << field->placeholderText();
        if (auto* box = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        }
        if (auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i) << bar->tabToolTip(i);
        }
        if (auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            for (int column = 0; column < tree->columnCount(); ++column) {
                texts << tree->headerItem()->text(column);
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    texts << tree->topLevelItem(i)->text(column);
            }
        }
        return texts;
    }

    // A text wider than its place, or a control that leaves its parent; told once.
    void reportFit(const QWidget* widget, const QString& where)
    {
        const QWidget* parent = widget->parentWidget();
        if (!parent || widget->isWindow())
            return;
        QString problem;
        // The tab control stands out over the window's right edge by design.
        if (!parent->rect().contains(widget->geometry()) && widget->objectName() != "tabs")
            problem = QStringLiteral("leaves its parent");
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool wraps = label && label->wordWrap();
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const bool hasText = (label && !label->text().isEmpty()) || (button && !button->text().isEmpty());
        // A push button's size hint is never under the style's least width, which a short text needs
        // not: its text, clear of the frame, is what must fit.
        const int needed = qobject_cast<const QPushButton*>(widget)
            ? widget->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8
            : widget->sizeHint().width();
        if (hasText && !wraps && needed > widget->width())
            problem = QStringLiteral("needs %1 pixels, has %2").arg(needed).arg(widget->width());
        if (wraps && label->heightForWidth(label->width()) > label->height())
            problem = QStringLiteral("needs %1 pixels high, has %2")
                          .arg(label->heightForWidth(label->width()))
                          .arg(label->height());
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (hasText && sibling != widget && sibling->isVisible() && qobject_cast<const QAbstractButton*>(sibling)
                && sibling->geometry().intersected(widget->geometry()).height() > 1)
                problem = QStringLiteral("overlaps ") + sibling->objectName();
        }
        if (auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->fontMetrics().horizontalAdvance(bar->tabText(i)) > bar->tabRect(i).width())
                    problem += QStringLiteral(" tab %1 cut short").arg(i + 1);
            }
        }
        if (!problem.isEmpty() && !m_told.contains(where)) {
            m_told.insert(where);
            qInfo("Does not fit: %s %s", qPrintable(where), qPrintable(problem));
            m_unfit << where + ' ' + problem;
        }
    }

    QStringList m_userData;
    QStringList m_unfit;
    QStringList m_untranslated;
    QSet<QString> m_told;
};

// Closes the options panel, then checks the About panel and the History panel in turn.
void checkAboutAndHistory(MainWindow& w, Texts& texts)
{
    w.optionsPanel()->cancelButton()->click();
    w.openAbout();
    texts.checkWidgets(&w);
    w.aboutPanel()->hide();
    w.openHistory();
    texts.checkWidgets(&w);
}

} // namespace

class tst_Translated : public QObject {
    Q_OBJECT
    QTranslator m_pseudo;
private Q_SLOTS:
    void initTestCase()
    {
        for (QTranslator* other : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(other);
        QVERIFY(m_pseudo.load(TABWISE_PSEUDO_TRANSLATION) && QCoreApplication::installTranslator(&m_pseudo));
    }

    void everyTextIsTranslated()
    {
        WindowFixture f;
        f.writePage("notes.ntr", "Anna Smith\r\n");
        f.writePage("email.ntr", "ann@example.org\r\n12345\r\n");
        MainWindow& w = f.load();
        // The user's own words, and the keys, months and sizes as Qt names them in its own translation.
        QStringList userData { f.appFolder(), QDir::homePath(), "Anna Smith", "ann@example.org", "12345", "bytes" };
        for (int month = 1; month <= 12; ++month)
            userData << QLocale().monthName(month, QLocale::ShortFormat);
        for (const QKeySequence key : { Qt::SHIFT | Qt::Key_F3, QKeyCombination(Qt::Key_F3),
                 QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_H })
            userData << key.toString(QKeySequence::NativeText);
        Texts texts(userData);

        // The pages, a list entry that is refused, the text menu, the find bar.
        texts.checkWidgets(&w);
        w.showPage(2);
        w.page(2)->entryList()->selectEntry(1);
        Q_EMIT w.page(2)->entryList()->entryActivated();
        w.showPage(0);
        w.actions()->find->trigger();
        QTest::keyClicks(w.findChild<QLineEdit*>("findField"), "Anna");
        f.settle();
        texts.checkWidgets(&w);
        QTest::keyClick(w.findChild<QLineEdit*>("findField"), Qt::Key_Escape);
        typeOn(w.page(0), "!");
        Q_EMIT w.page(0)->textBox()->customContextMenuRequested({ 1, 1 });
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (!action->objectName().startsWith("edit-") && action->objectName() != "select-all")
                texts.check("text menu", action->text());
        }
        menu->actions().constLast()->trigger(); // discard the typing: asks first
        menu->close();

        // The panels, and the questions and reports they give.
        w.actions()->findInAllPages->trigger();
        QTest::keyClicks(w.findChild<QLineEdit*>("findAllField"), "ann");
        QTRY_VERIFY(!w.findChild<QLabel*>("findAllStatus")->text().isEmpty());
        texts.checkWidgets(&w);
        QTest::keyClick(w.findChild<QLineEdit*>("findAllField"), Qt::Key_Escape);
        w.openOptions();
        f.settle();
        texts.checkWidgets(&w);
        f.platform.answers = { msgbox::No, msgbox::No, 1 };
        w.optionsPanel()->backupPanel()->backupButton()->click();
        w.optionsPanel()->backupPanel()->restoreButton()->click();
        w.optionsPanel()->historyOptions()->clearButton()->click();
        checkAboutAndHistory(w, texts);
        w.page(4)->print(); // no printer to print on

        for (const QAction* action : f.platform.trayMenu->actions())
            texts.check("tray menu", action->text());
        texts.check("tray tip", f.platform.trayTip);
        QVERIFY(f.platform.messagesShown.size() >= 6);
        for (const FakePlatform::Message& message : f.platform.messagesShown)
            texts.check("message", message.prompt + '\n' + message.title);
        // Not marked: not through tr(), or translations/*.ts not brought up to date (make translations).
        QVERIFY2(texts.untranslated().isEmpty(), qPrintable(texts.untranslated().join("\n")));
    }

    void translationsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }

    void translationsFit()
    {
        // Every text of the languages shipped fits its place in the window and its panels.
        QFETCH(QString, language);
        QCoreApplication::removeTranslator(&m_pseudo);
        QCOMPARE(installTranslations({ language }), language);
        WindowFixture f;
        MainWindow& w = f.load();
        Texts texts({});
        texts.checkWidgets(&w);
        w.actions()->find->trigger();
        texts.checkWidgets(&w);
        w.actions()->findInAllPages->trigger();
        texts.checkWidgets(&w);
        w.openOptions();
        f.settle();
        texts.checkWidgets(&w);
        checkAboutAndHistory(w, texts);
        installTranslations({ "en" });
        QCoreApplication::installTranslator(&m_pseudo);
        QVERIFY2(texts.unfit().isEmpty(), qPrintable(texts.unfit().join('\n')));
    }

    void windowMirrorsRightToLeft()
    {
        // Where the layout runs right to left, every control of the window stands where its mirror
        // image stands in a window laid out left to right (in English, where every text fits).
        QCoreApplication::removeTranslator(&m_pseudo);
        QHash<QString, QRect> leftToRight;
        for (const Qt::LayoutDirection direction : { Qt::LeftToRight, Qt::RightToLeft }) {
            QApplication::setLayoutDirection(direction);
            WindowFixture f;
            MainWindow& w = f.load();
            w.openOptions();
            w.openAbout();
            f.settle();
            // The window's own controls, its first page's and its panels', named by their path; Qt's
            // own parts (qt_...) are placed by Qt.
            for (const QWidget* widget : w.findChildren<QWidget*>()) {
                QString name = widget->objectName();
                for (const QWidget* up = widget->parentWidget(); up != &w; up = up->parentWidget())
                    name = up->objectName() + '/' + name;
                if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_") || !widget->isVisible())
                    continue;
                const QRect place = widget->geometry();
                if (direction == Qt::LeftToRight) {
                    leftToRight.insert(name, place);
                    continue;
                }
                const QRect left = leftToRight.value(name);
                const int mirror = widget->parentWidget()->width() - left.x() - left.width();
                QVERIFY2(place == QRect(mirror, left.y(), left.width(), left.height()), qPrintable(name));
            }
        }
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCoreApplication::installTranslator(&m_pseudo);
    }
};

QTEST_MAIN(tst_Translated)
#include "tst_translated.moc"
