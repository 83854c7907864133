// Printing pages and opening list entries.
#include "shell/Form1.h"

#include "pages/ListBox.h"
#include "shell/CommandLabel.h"

#include <QShortcut>

namespace tabwise {

void Form1::connectPrintAndOpenHandlers()
{
    connect(lblprintnotes, &CommandLabel::clicked, this, &Form1::lblprintnotes_Click);
    connect(lblprintphone, &CommandLabel::clicked, this, &Form1::lblprintphone_Click);
    connect(lblprintemail, &CommandLabel::clicked, this, &Form1::lblprintemail_Click);
    connect(lblprintwebsites, &CommandLabel::clicked, this, &Form1::lblprintwebsites_Click);
    connect(lblprintother, &CommandLabel::clicked, this, &Form1::lblprintother_Click);
    auto* printShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    printShortcut->setObjectName(QStringLiteral("printShortcut"));
    connect(printShortcut, &QShortcut::activated, this, &Form1::printShortcut_Activated);

    connect(List1, &ListBox::DblClick, this, &Form1::List1_DblClick);
    connect(List2, &ListBox::DblClick, this, &Form1::List2_DblClick);
}

} // namespace tabwise
