#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tabwise {

// The splash screen: logo, title, platform and version. When its time is up it hands over to the
// main window (finished(), once) and closes; it takes no input.
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
    // Time to load the main window.
    void finished();

private:
    void buildLayout();
    void handOver();

    QLabel* m_productName = nullptr;
    QLabel* m_version = nullptr;
    QTimer* m_timer = nullptr;
    bool m_handedOver = false;
};

} // namespace tabwise
