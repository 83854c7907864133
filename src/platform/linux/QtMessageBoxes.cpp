#include "platform/linux/QtMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tabwise {

namespace {

QString programTitle()
{
    //: The title of the program's message boxes: the program's name
    return QCoreApplication::translate("MessageBoxes", "Tabwise");
}

} // namespace

int QtMessageBoxes::show(QWidget* owner, const QString& prompt, int style, const QString& title)
{
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
    // Prompts carry tab names, file names and entries: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    switch (style & 0x70) {
    case msgbox::Critical: box.setIcon(QMessageBox::Critical); break;
    case msgbox::Question: box.setIcon(QMessageBox::Question); break;
    case msgbox::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case msgbox::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (style & 0x7) {
    case msgbox::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        box.setDefaultButton(style & msgbox::DefaultButton2 ? QMessageBox::No : QMessageBox::Yes);
        break;
    case msgbox::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.setDefaultButton(style & msgbox::DefaultButton2 ? QMessageBox::No : QMessageBox::Yes);
        break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return msgbox::Yes;
    case QMessageBox::No: return msgbox::No;
    case QMessageBox::Cancel: return msgbox::Cancel;
    default: return msgbox::Ok;
    }
}

int QtMessageBoxes::choose(QWidget* owner, const Question& question)
{
    QMessageBox box(owner);
    box.setWindowTitle(programTitle());
    box.setTextFormat(Qt::PlainText);
    box.setText(question.prompt);
    box.setIcon(QMessageBox::Question);
    QList<QPushButton*> pushed;
    for (const QString& caption : question.buttons)
        pushed << box.addButton(caption, QMessageBox::ActionRole);
    if (!pushed.isEmpty()) {
        box.setEscapeButton(pushed.value(question.dismissButton, pushed.last()));
        box.setDefaultButton(pushed.value(question.defaultButton, pushed.first()));
    }
    box.exec();
    const qsizetype index = pushed.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return index < 0 ? question.dismissButton : int(index);
}

} // namespace tabwise
