#include "ui/print/PrintSpool.h"

#include "core/page/AtomicFile.h"
#include "platform/Printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace tabwise {

namespace {

// Why a file cannot be written, found by opening it the same way without changing it; empty when
// it can be.
QString writeProblem(const QString& path)
{
    const bool existed = QFileInfo::exists(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return probe.errorString();
    probe.close();
    if (!existed)
        probe.remove();
    return {};
}

QString fileError(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Printing", "The file could not be written:\n\n%1")
        .arg(fileErrorText(path, reason));
}

// The printer writes its document and says nothing when the disk cuts it short: a whole document
// ends with the PDF's end-of-file mark.
bool wholeDocument(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.seek(std::max<qint64>(0, file.size() - 8))
        && file.readAll().contains("%%EOF");
}

// A new file gets the mode the user's file-creation mask allows; a replaced one keeps its own.
void takeModeFor(const QString& spool, const QString& target)
{
    struct stat existing { };
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(spool).constData(), mode);
}

} // namespace

QString printerError(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString file = printer.outputFileName();
        if (file.isEmpty())
            return QCoreApplication::translate("Printing", "No file was chosen to print to.");
        const QString problem = writeProblem(file);
        return fileError(file,
            problem.isEmpty() ? QCoreApplication::translate("Printing", "The printer did not accept the document.")
                              : problem);
    }
    if (printer.printerName().isEmpty())
        return QCoreApplication::translate("Printing", "No printer is installed.");
    return QCoreApplication::translate("Printing", "The printer \"%1\" is not available.").arg(printer.printerName());
}

PrintSpool::PrintSpool(QPrinter& printer)
    : m_printer(printer)
{
    QString pattern;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        m_target = printer.outputFileName();
        // A file that cannot be written is not replaced either.
        if (m_target.isEmpty() || !writeProblem(m_target).isEmpty()) {
            m_error = printerError(printer);
            return;
        }
        const QFileInfo target(m_target);
        pattern = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX");
    } else {
        if (!printer.isValid() || printer.printerName().isEmpty()) {
            m_error = printerError(printer);
            return;
        }
        pattern = QDir::tempPath() + QStringLiteral("/tabwise-print-XXXXXX");
    }
    m_file = std::make_unique<QTemporaryFile>(pattern);
    if (!m_file->open()) {
        m_error = m_target.isEmpty() ? fileError(pattern, m_file->errorString())
                                     : fileError(m_target, m_file->errorString());
        m_file.reset();
        return;
    }
    m_file->close();
    // No ".pdf" at its end: the printer keeps the output format the dialog chose.
    printer.setOutputFileName(m_file->fileName());
}

PrintSpool::~PrintSpool() = default;

QString PrintSpool::deliver(Printing& printing)
{
    if (!m_file)
        return m_error;
    const QString spool = m_file->fileName();
    if (!wholeDocument(spool)) {
        const QString reason = writeFailureReason(spool, 64 * 1024);
        return fileError(m_target.isEmpty() ? spool : m_target,
            reason.isEmpty() ? QCoreApplication::translate("Printing", "The printer did not accept the document.")
                             : reason);
    }
    if (m_target.isEmpty())
        return printing.send(m_printer, spool);
    takeModeFor(spool, m_target);
    if (std::rename(QFile::encodeName(spool).constData(), QFile::encodeName(m_target).constData()) != 0)
        return fileError(m_target, qt_error_string(errno));
    m_file->setAutoRemove(false);
    return {};
}

} // namespace tabwise
