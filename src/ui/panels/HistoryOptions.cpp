#include "ui/panels/HistoryOptions.h"

#include "platform/Platform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tabwise {

HistoryOptions::HistoryOptions(Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_keep(new QComboBox(this))
    , m_clear(new QPushButton(tr("Clear &History..."), this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    //: Before the list of how long earlier versions of the pages are kept (Forever, One year, 90 days, ...)
    auto* caption = new QLabel(tr("Keep his&tory:"), this);
    caption->setBuddy(m_keep);
    m_keep->setObjectName(QStringLiteral("historyKeepList"));
    m_keep->setAccessibleName(tr("Keep history"));
    //: How long earlier versions of the pages are kept
    m_keep->addItem(tr("Forever"), 0);
    //: How long earlier versions of the pages are kept
    m_keep->addItem(tr("One year"), 365);
    for (const int days : { 90, 30 })
        m_keep->addItem(daysText(days), days);
    m_clear->setObjectName(QStringLiteral("clearHistoryButton"));
    m_clear->setToolTip(tr("Deletes every earlier version of every page"));
    row->addWidget(caption);
    row->addWidget(m_keep);
    row->addStretch(1);
    row->addWidget(m_clear);
    connect(m_clear, &QPushButton::clicked, this, &HistoryOptions::askToClear);
}

QString HistoryOptions::daysText(int days)
{
    //: How long earlier versions of the pages are kept: "90 days"
    return tr("%n day(s)", nullptr, days);
}

int HistoryOptions::keepDaysFrom(const QString& stored)
{
    bool number = false;
    const int days = stored.trimmed().toInt(&number);
    return number && days > 0 ? days : 0;
}

void HistoryOptions::setKeepDays(int days)
{
    int at = m_keep->findData(days);
    if (at < 0) {
        m_keep->addItem(daysText(days), days);
        at = m_keep->count() - 1;
    }
    m_keep->setCurrentIndex(at);
}

int HistoryOptions::keepDays() const
{
    return m_keep->currentData().toInt();
}

void HistoryOptions::askToClear()
{
    // Keeping it is the default and what Escape does.
    const int answer = m_platform.messages().choose(window(),
        { tr("Clear the history of all pages?\n\nEvery earlier version of every page is deleted for good, "
             "including any text you have since removed from a page, such as a password typed by mistake. This "
             "cannot be undone. The pages themselves stay as they are."),
            //: The answers to "Clear the history of all pages?"
            { tr("&Clear History"), tr("&Keep It") }, 1, 1 });
    if (answer == 0)
        Q_EMIT clearConfirmed();
}

} // namespace tabwise
