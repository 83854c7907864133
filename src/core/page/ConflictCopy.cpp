#include "core/page/ConflictCopy.h"

#include <QFileInfo>

namespace tabwise {

QString conflictCopyPath(const QString& folder, const QString& pageFile, const QDateTime& when)
{
    const QFileInfo page(pageFile);
    const QString stem = folder + QLatin1Char('/') + page.completeBaseName() + QStringLiteral(" (changed on disk ")
        + when.toString(QStringLiteral("yyyy-MM-dd HHmm"));
    const QString suffix = QStringLiteral(").") + page.suffix();
    QString path = stem + suffix;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = stem + QStringLiteral(" %1").arg(n) + suffix;
    return path;
}

} // namespace tabwise
