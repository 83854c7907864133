#pragma once

#include "platform/MessageBoxes.h"

namespace tabwise {

class QtMessageBoxes : public MessageBoxes {
public:
    int show(QWidget* owner, const QString& prompt, int style, const QString& title) override;
    int choose(QWidget* owner, const Question& question) override;
};

} // namespace tabwise
