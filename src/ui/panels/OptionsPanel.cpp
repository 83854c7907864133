#include "ui/panels/OptionsPanel.h"

#include "core/spelling/PageSpelling.h"

#include "core/captions/Titles.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/ValueConversion.h"
#include "platform/Platform.h"
#include "ui/common/Measures.h"
#include "ui/panels/BackupPanel.h"
#include "ui/panels/DriveList.h"
#include "ui/panels/FolderList.h"
#include "ui/panels/HistoryOptions.h"
#include "ui/panels/KeyField.h"
#include "ui/panels/RuledFrame.h"
#include "ui/panels/SpellingChoice.h"
#include "ui/panels/WindowSystemNote.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace tabwise {

namespace {

template <typename Widget> Widget* place(Widget* widget, const char* name, QRect rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

// A caption placed among its parent's controls just before BEFORE (in reading order).
void addLabel(QWidget* before, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, before->parentWidget());
    label->adjustSize();
    label->setGeometry(mirrored(label, px(measure::windowWidth), QRect(QPoint(px(left), px(top)), label->size())));
    label->stackUnder(before);
}

// The top of a tab's row in the tab table; the rows stand a little closer than the design's,
// leaving the foot of the panel to the history.
constexpr int rowTop(int tabIndex)
{
    return 840 + 330 * tabIndex;
}

// A rule of the tab table, mirrored as the table's controls are.
QLine twipsLine(const QWidget* table, int x1, int y1, int x2, int y2)
{
    const auto x
        = [table](int twips) { return mirrored(table, px(measure::windowWidth), QRect(px(twips), 0, 1, 1)).x(); };
    return QLine(x(x1), px(y1), x(x2), px(y2));
}

} // namespace

OptionsPanel::OptionsPanel(Platform& platform, SettingsStore& settings, const QString& appFolder, QWidget* parent)
    : OverlayPanel(tr("Program Options"), parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_appFolder(appFolder)
{
    setObjectName(QStringLiteral("optionsPanel"));

    buildStartOptions();
    buildTabTable();

    connect(m_ok, &QPushButton::clicked, this, &OptionsPanel::accept);
    connect(m_cancel, &QPushButton::clicked, this, &OptionsPanel::cancel);
    // Acting on the state change, not the click: setting a box from code acts as a click does.
    connect(m_startAtLogon, &QCheckBox::stateChanged, this, &OptionsPanel::changeStartAtLogon);
    connect(m_stayOnTop, &QCheckBox::stateChanged, this, [this] { Q_EMIT stayOnTopChanged(m_stayOnTop->isChecked()); });
}

void OptionsPanel::buildStartOptions()
{
    m_startMinimized = place(new QCheckBox(tr("Start Program Minimized"), this), "startMinimizedBox",
        twipsRect(this, measure::windowWidth, 240, 240, 2295, 375));
    m_startAtLogon = place(new QCheckBox(tr("Start at Log-on"), this), "startAtLogonBox",
        twipsRect(this, measure::windowWidth, 240, 600, 2055, 315));
    m_stayOnTop = place(new QCheckBox(tr("Stay on top"), this), "stayOnTopBox",
        twipsRect(this, measure::windowWidth, 240, 960, 2055, 255));
    // The right-hand column: the show/hide key (made later) above the two buttons.
    //: The options panel's button that stores the options and closes the panel
    m_ok = place(
        new QPushButton(tr("&Ok"), this), "okButton", twipsRect(this, measure::windowWidth, 3060, 900, 900, 270));
    //: The options panel's button that closes it without storing anything
    m_cancel = place(new QPushButton(tr("&Cancel"), this), "cancelButton",
        twipsRect(this, measure::windowWidth, 4035, 900, 900, 270));
}

void OptionsPanel::buildTabTable()
{
    const QList<QLine> rules {
        twipsLine(this, 120, 360, 120, 2490),
        twipsLine(this, 675, 360, 675, 2490),
        twipsLine(this, 3480, 360, 3480, 2490),
        twipsLine(this, 5040, 360, 5040, 2490),
        twipsLine(this, 5040, 360, 120, 360),
        twipsLine(this, 5040, 720, 105, 720),
        twipsLine(this, 120, 2490, 5040, 2490),
    };
    auto* table = place(new RuledFrame(tr("Tab Options"), rules, this), "tabTable",
        twipsRect(this, measure::windowWidth, 0, 3000, 5190, 2550));
    for (const PageInfo& info : pageTable) {
        const auto row = std::size_t(info.tabIndex);
        const int top = rowTop(info.tabIndex);
        const QString number = QString::number(info.tabIndex + 1);
        auto* name = new QLineEdit(defaultTabCaption(info.tabIndex), table);
        name->setObjectName(QStringLiteral("nameBox") + number);
        name->setGeometry(twipsRect(this, measure::windowWidth, 720, top, 2655, 285));
        name->setMaxLength(std::numeric_limits<int>::max()); // a stored name comes back whole
        name->setAccessibleName(tr("Name of tab %1").arg(number));
        m_names[row] = name;
        if (info.tabIndex == 0)
            continue; // the first tab cannot be hidden
        auto* show = new QCheckBox(table);
        show->setObjectName(QStringLiteral("showBox") + number);
        show->setGeometry(twipsRect(this, measure::windowWidth, 300, top + 15, 255, 255));
        show->setAccessibleName(tr("Show tab %1").arg(number));
        show->setChecked(true);
        m_shows[row] = show;
    }
}

void OptionsPanel::fitCaptions()
{
    // Measured when the panel first opens: the first window does not show them.
    if (m_captionsFitted)
        return;
    m_captionsFitted = true;
    // The design's widths were made for a narrower font: a caption never gets cut short.
    for (QCheckBox* box : { m_startMinimized, m_startAtLogon, m_stayOnTop })
        widenFromStart(box, std::max(box->width(), box->sizeHint().width()));
    // OK moves over as far as Cancel grows, toward the boxes.
    const int growth = widenToCaption(m_cancel);
    m_ok->move(m_ok->x() + (isRightToLeft() ? growth : -growth), m_ok->y());
    widenToCaption(m_ok);
    // Staying on top also places the window; Wayland allows neither.
    addWindowSystemNote(m_stayOnTop, m_ok);
    //: The heading of the tab table's column of boxes that show or hide each tab
    addLabel(nameBox(0), tr("Show"), 180, 480);
    //: The heading of the tab table's column of the tabs' names
    addLabel(nameBox(0), tr("Tab Description"), 1440, 480);
    //: The heading of the tab table's column that numbers the tabs, "(Tab #1)" to "(Tab #5)"
    addLabel(nameBox(0), tr("Current Tab"), 3840, 480);
    for (int tab = 0; tab < pageCount; ++tab) {
        QWidget* next = tab == 0 ? static_cast<QWidget*>(nameBox(1)) : showBox(tab); // the rest of the row
        //: A row of the tab table: the number of the tab it names
        addLabel(next, tr("(Tab #%1)").arg(tab + 1), 3960, rowTop(tab) + 45);
    }
}

KeyField* OptionsPanel::showHideKeyField()
{
    if (m_showHideKey)
        return m_showHideKey;
    // Above the two buttons, clear of the captions and of the note beside Stay on top (the note
    // that takes the place of the field runs to the edge); among the panel's controls in the place
    // it would have had from the start.
    const bool keysSupported = m_platform.globalKey().supported();
    m_showHideKey = place(new KeyField(keysSupported, this), "showHideKeyField",
        keysSupported ? twipsRect(this, measure::windowWidth, 3060, 225, 1875, 630)
                      : twipsRect(this, measure::windowWidth, 3000, 225, 2160, 630));
    m_showHideKey->stackUnder(m_ok);
    if (isVisible())
        m_showHideKey->show();
    return m_showHideKey;
}

void OptionsPanel::setSpelling(PageSpelling* spelling)
{
    // On the tab table's title line, over its last two columns.
    m_spelling = spelling;
    m_spellingChoice = place(new SpellingChoice(*spelling, this), "spellingChoice",
        twipsRect(this, measure::windowWidth, 1800, 3000, 3240, 330));
    if (m_backup)
        setTabOrder();
}

HistoryOptions* OptionsPanel::historyOptions()
{
    // At the foot of the panel, made when it is first needed like the key field.
    if (!m_history) {
        m_history = place(new HistoryOptions(m_platform, this), "historyOptions",
            twipsRect(this, measure::windowWidth, 240, 5565, 4695, 315));
        connect(m_history, &HistoryOptions::clearConfirmed, this, &OptionsPanel::clearHistoryRequested);
        if (isVisible())
            m_history->show();
    }
    return m_history;
}

BackupPanel* OptionsPanel::backupPanel()
{
    // Made on first use: reading the drives and listing a folder is work the start does not need.
    if (!m_backup) {
        showHideKeyField(); // comes before the backup frame in the tab order
        historyOptions();
        m_backup = place(new BackupPanel(m_platform, m_settings, m_appFolder, this), "backupPanel",
            twipsRect(this, measure::windowWidth, 0, 1200, 5190, 1815));
        connect(m_backup, &BackupPanel::aboutToRestore, this, &OptionsPanel::aboutToRestore);
        connect(m_backup, &BackupPanel::restored, this, &OptionsPanel::restored);
        setTabOrder();
    }
    return m_backup;
}

void OptionsPanel::setTabOrder()
{
    // Reading order: the start options and their buttons, the backup frame, the tab table row by
    // row (the Show box stands left of the name; the first tab has none), then the history row.
    QList<QWidget*> order { m_startMinimized, m_startAtLogon, m_stayOnTop };
    if (QWidget* key = m_showHideKey->edit())
        order << key;
    order << m_ok << m_cancel << m_backup->driveList() << m_backup->newFolderButton() << m_backup->folderList()
          << m_backup->backupButton() << m_backup->restoreButton();
    for (int tab = 0; tab < pageCount; ++tab) {
        if (QCheckBox* show = showBox(tab))
            order << show;
        order << nameBox(tab);
    }
    if (m_spellingChoice)
        order << m_spellingChoice->list();
    order << historyOptions()->keepList() << historyOptions()->clearButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    keepFocusInside();
}

QString OptionsPanel::titleWord() const
{
    //: The window's title while the options panel is open: "Tabwise (Options)"
    return tr("Options");
}

QString OptionsPanel::tabName(int tabIndex) const
{
    return nameBox(tabIndex)->text();
}

void OptionsPanel::open()
{
    if (isVisible()) {
        show(); // what the user has changed in it stays
        return;
    }
    backupPanel();
    fitCaptions();
    show();
    showHideKeyField()->setKeyText(m_settings.read(Key::ShowHide));
    historyOptions()->setKeepDays(HistoryOptions::keepDaysFrom(m_settings.read(Key::KeepDays)));
    m_backup->showStoredFolder();
    if (m_spellingChoice)
        m_spellingChoice->fill();
}

void OptionsPanel::fillNameBoxes()
{
    for (int tab = 0; tab < pageCount; ++tab)
        nameBox(tab)->setText(m_settings.read(tabNameKey(tab)));
}

void OptionsPanel::accept()
{
    // A refused write leaves the panel open with everything the user chose, after saying why.
    if (!store()) {
        showError(m_settings.lastError());
        return;
    }
    Q_EMIT tabNamesChanged();
    applyStoredVisibility(1.0, true);
    applyStoredVisibility(0.0, false);
    Q_EMIT accepted();
    hide();
}

void OptionsPanel::cancel()
{
    hide();
    Q_EMIT cancelled();
}

bool OptionsPanel::store()
{
    for (int tab = 0; tab < pageCount; ++tab) {
        if (!m_settings.write(tabNameKey(tab), tabName(tab)))
            return false;
    }
    if (!m_settings.write(Key::StartMinimized, boxStateText(m_startMinimized->isChecked()))
        || !m_settings.write(Key::StayOnTop, boxStateText(m_stayOnTop->isChecked())))
        return false;
    for (int tab = 1; tab < pageCount; ++tab) {
        if (!m_settings.write(showKey(tab), boxStateText(showBox(tab)->isChecked())))
            return false;
    }
    const QString key = showHideKeyField()->keyText();
    if (key != m_settings.read(Key::ShowHide) && !m_settings.write(Key::ShowHide, key))
        return false;
    if (m_spellingChoice && m_spellingChoice->isChanged()) {
        if (!m_settings.write(Key::SpellingLanguage, m_spellingChoice->setting()))
            return false;
        m_spelling->applyLanguage();
    }
    const int days = historyOptions()->keepDays();
    if (days == HistoryOptions::keepDaysFrom(m_settings.read(Key::KeepDays)))
        return true;
    if (!m_settings.write(Key::KeepDays, QString::number(days)))
        return false;
    Q_EMIT historyKeepDaysChanged(days);
    return true;
}

// One pass: every tab whose stored value equals the acting value gets the pass's visibility; the
// first tab is always shown and has no show box.
void OptionsPanel::applyStoredVisibility(double acting, bool visible)
{
    std::array<QString, pageCount> stored;
    for (int tab = 1; tab < pageCount; ++tab)
        stored[std::size_t(tab)] = m_settings.read(showKey(tab));

    for (int tab = 1; tab < pageCount; ++tab)
        showBox(tab)->setChecked(true);
    for (int tab = 1; tab < pageCount; ++tab) {
        if (toNumber(stored[std::size_t(tab)]) == acting) {
            Q_EMIT tabVisibilityChanged(tab, visible);
            showBox(tab)->setChecked(visible);
        }
    }
    // A value that is no box state (another program rewrote it meanwhile) leaves its box alone.
    for (int tab = 1; tab < pageCount; ++tab) {
        if (const std::optional<int> state = toBoxState(stored[std::size_t(tab)]))
            showBox(tab)->setChecked(*state == 1);
    }
}

void OptionsPanel::applyStoredStates()
{
    std::array<QString, pageCount> shown;
    for (int tab = 1; tab < pageCount; ++tab)
        shown[std::size_t(tab)] = m_settings.read(showKey(tab));
    const QString startAtLogon = m_settings.read(Key::StartAtLogon);

    for (int tab = 1; tab < pageCount; ++tab)
        showBox(tab)->setChecked(true);

    // The first value that is not a box state ends the handling here; what was done stays.
    const std::optional<int> logon = toBoxState(startAtLogon);
    if (!logon)
        return;
    m_startAtLogon->setChecked(*logon == 1);
    for (int tab = 1; tab < pageCount; ++tab) {
        const std::optional<double> flag = toNumber(shown[std::size_t(tab)]);
        if (!flag)
            return;
        if (*flag == 0.0) {
            Q_EMIT tabVisibilityChanged(tab, false);
            showBox(tab)->setChecked(false);
        }
    }
    for (int tab = 1; tab < pageCount; ++tab) {
        const std::optional<int> state = toBoxState(shown[std::size_t(tab)]);
        if (!state)
            return;
        showBox(tab)->setChecked(*state == 1);
    }
}

void OptionsPanel::changeStartAtLogon()
{
    // The stored value follows the box in any case; an entry that cannot be written or removed is
    // reported.
    const bool on = m_startAtLogon->isChecked();
    const FileWrite done = on ? m_platform.autostart().add() : m_platform.autostart().remove();
    if (!done.ok)
        showError((on ? tr("Tabwise could not be set to start at log-on:\n\n%1")
                      : tr("Tabwise could not be kept from starting at log-on:\n\n%1"))
                      .arg(done.error));
    m_settings.write(Key::StartAtLogon, boxStateText(on));
}

void OptionsPanel::showError(const QString& text)
{
    m_platform.messages().show(this, text, msgbox::OkOnly | msgbox::Critical);
}

} // namespace tabwise
