#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace tabwise {

class Form1;

// The splash screen: logo, title, platforms and version. When its timer fires it loads the main
// window and closes itself (the hand-over); it takes no input.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    // How long the splash stays on the screen before it hands over to the main window.
    static constexpr int displayMilliseconds = 1500;

    explicit frmSplash(Form1& form, QWidget* parent = nullptr);

    void Form_Load();
    void Timer1_Timer();

    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblNotice = nullptr;
    QTimer* Timer1 = nullptr;

private:
    void buildLayout();
    void handOver();

    Form1& m_form;
    bool m_handedOver = false;
};

} // namespace tabwise
