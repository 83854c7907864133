#include "ui/common/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace tabwise {

namespace {

// The program's compiled translations are embedded here, one tabwise_<language>.qm each.
const QString translationFolder = QStringLiteral(":/i18n");
const QString translatorName = QStringLiteral("tabwiseTranslator");

// The translation for a language named as the desktop names it ("de-AT", "de_AT.UTF-8"): the most
// special one there is ("de_AT", else "de"), "en" for English, empty for none.
QString translationFor(const QString& language)
{
    QString name = language.section(u'.', 0, 0).section(u'@', 0, 0);
    name.replace(u'-', u'_');
    while (!name.isEmpty()) {
        if (name == u"en")
            return name;
        if (QFile::exists(translationFolder + QStringLiteral("/tabwise_") + name + QStringLiteral(".qm")))
            return name;
        name.truncate(std::max<qsizetype>(name.lastIndexOf(u'_'), 0));
    }
    return {};
}

void install(const QString& fileName, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(translatorName);
    if (translator->load(fileName, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString installTranslations(const QStringList& languages)
{
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* earlier : app->findChildren<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    QString chosen;
    for (const QString& language : languages) {
        chosen = translationFor(language);
        if (!chosen.isEmpty())
            break;
    }
    if (chosen.isEmpty())
        chosen = QStringLiteral("en");
    install(QStringLiteral("tabwise_") + chosen, translationFolder);
    // Qt's own texts are English already.
    if (chosen != u"en")
        install(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return chosen;
}

} // namespace tabwise
