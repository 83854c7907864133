#pragma once

#include <QTextBrowser>

#include <memory>

namespace tabwise {

class ChmFile;

// A text browser whose pages, pictures and style sheets come out of one compiled help file. Links
// inside the file are followed here; links to the web open in the user's browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    ~HelpBrowser() override;

    // Shows the file at its default topic; a file that cannot be shown gives a message instead.
    void openFile(const QString& path);
    QString fileTitle() const;

    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::unique_ptr<ChmFile> m_file;
};

} // namespace tabwise
