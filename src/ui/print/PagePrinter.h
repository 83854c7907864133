#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

namespace tabwise {

class NoteBar;
class Platform;
class PrintJob;
class PrintSpool;
struct PrintResult;

// Prints a page: the printer dialog, then the page's lines a slice at a time while a note at the
// foot of the page tells how far it has got and offers to cancel. Only a complete document reaches
// the printer or the file; a failure is reported to the user.
class PagePrinter : public QObject {
    Q_OBJECT
public:
    explicit PagePrinter(QWidget* page, Platform& platform);
    ~PagePrinter() override;

    // One document at a time: while one is printing, its note is shown again instead.
    void print(const QString& name, const QStringList& lines);
    bool isPrinting() const { return m_job != nullptr; }
    void cancel();
    NoteBar* note() const { return m_note; } // nullptr until a print takes long enough to need one

Q_SIGNALS:
    // The document was delivered, cancelled or failed.
    void finished();

private:
    void showProgress(int percent, int page);
    void finish(const PrintResult& result);

    QWidget* m_page;
    Platform& m_platform;
    NoteBar* m_note = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PrintSpool> m_spool;
    PrintJob* m_job = nullptr;
    QString m_name;
};

} // namespace tabwise
