#include "ui/panels/DriveList.h"

#include <QSignalBlocker>

#include <algorithm>

namespace tabwise {

namespace {

bool holds(const QString& rootPath, const QString& folder)
{
    if (rootPath == QLatin1String("/") || folder == rootPath)
        return true;
    return folder.startsWith(rootPath.endsWith(QLatin1Char('/')) ? rootPath : rootPath + QLatin1Char('/'));
}

} // namespace

DriveList::DriveList(const Volumes& volumes, QWidget* parent)
    : QComboBox(parent)
    , m_volumes(volumes)
{
    refresh();
    // Start in the home folder when there is one: that is where a person keeps their files.
    const auto home = std::find_if(
        m_listed.cbegin(), m_listed.cend(), [](const Volume& v) { return v.kind == Volume::Kind::Home; });
    if (home != m_listed.cend()) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(int(home - m_listed.cbegin()));
    }
}

Volume DriveList::volume() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_listed.size() ? m_listed[index] : Volume {};
}

QString DriveList::rootDrive() const
{
    for (const Volume& v : m_listed) {
        if (v.kind == Volume::Kind::Root)
            return v.rootPath;
    }
    return m_listed.isEmpty() ? QString() : m_listed.first().rootPath;
}

void DriveList::setDrive(const QString& rootPath)
{
    for (qsizetype i = 0; i < m_listed.size(); ++i) {
        if (m_listed[i].rootPath == rootPath) {
            setCurrentIndex(int(i));
            return;
        }
    }
}

void DriveList::selectDriveOf(const QString& folder)
{
    int best = -1;
    for (qsizetype i = 0; i < m_listed.size(); ++i) {
        if (holds(m_listed[i].rootPath, folder)
            && (best < 0 || m_listed[i].rootPath.size() > m_listed[best].rootPath.size()))
            best = int(i);
    }
    if (best >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(best);
    }
}

void DriveList::refresh()
{
    const Volume selected = volume();
    QList<Volume> fresh = m_volumes.mountedVolumes();
    int index = -1;
    for (qsizetype i = 0; i < fresh.size(); ++i) {
        if (fresh[i].rootPath == selected.rootPath)
            index = int(i);
    }
    if (index < 0 && !selected.rootPath.isEmpty()) {
        fresh.append(selected);
        index = int(fresh.size() - 1);
    }

    const QSignalBlocker quiet(this);
    m_listed = fresh;
    clear();
    for (const Volume& v : m_listed)
        addItem(v.name);
    setCurrentIndex(index < 0 ? 0 : index);
}

void DriveList::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

} // namespace tabwise
