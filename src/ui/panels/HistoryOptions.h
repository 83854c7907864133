#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

namespace tabwise {

class Platform;

// The row of the options panel that says how long the history of the pages is kept (forever, one
// year, 90 days, 30 days) and clears it, after a question that says what is lost.
class HistoryOptions : public QWidget {
    Q_OBJECT
public:
    HistoryOptions(Platform& platform, QWidget* parent = nullptr);

    QComboBox* keepList() const { return m_keep; }
    QPushButton* clearButton() const { return m_clear; }

    // Days as stored ([History] KeepDays): 0 keeps everything. A number the list does not offer
    // (set by hand) is offered as it is; anything else counts as forever, which drops nothing.
    static int keepDaysFrom(const QString& stored);
    void setKeepDays(int days);
    int keepDays() const;

Q_SIGNALS:
    // The user confirmed that every version of every page is to go.
    void clearConfirmed();

private:
    static QString daysText(int days);
    void askToClear();

    Platform& m_platform;
    QComboBox* m_keep;
    QPushButton* m_clear;
};

} // namespace tabwise
