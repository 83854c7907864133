#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tabwise {

// The splash screen: logo, title, platform and version. It says when it is first on the screen
// (painted(), once), so that the rest of the program is made behind it; when its time is up it
// hands over to the main window (finished(), once) and closes. It takes no input.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // How long the splash stays on the screen before it hands over to the main window.
    static constexpr int displayMilliseconds = 1500;

    explicit SplashScreen(QWidget* parent = nullptr);

    QLabel* productNameLabel() const { return m_productName; }
    QLabel* versionLabel() const { return m_version; }
    QTimer* timer() const { return m_timer; }

Q_SIGNALS:
    // The splash has been painted for the first time: it is what the user sees now.
    void painted();
    // Time to load the main window.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildLayout();
    void handOver();

    QLabel* m_productName = nullptr;
    QLabel* m_version = nullptr;
    QTimer* m_timer = nullptr;
    bool m_painted = false;
    bool m_handedOver = false;
};

} // namespace tabwise
