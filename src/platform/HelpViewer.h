#pragma once

#include <QString>

class QWidget;

namespace tabwise {

// Opens a compiled help file at its default topic in a window of its own, without blocking.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(QWidget* owner, const QString& helpFilePath) = 0;
};

} // namespace tabwise
