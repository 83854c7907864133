#pragma once

#include <QAbstractButton>

namespace tabwise {

// A plain label used as a clickable command ("&Edit Notes"): it looks like text, sizes itself to
// its caption, underlines its access key and answers Alt+key, a click, and Space from the keyboard.
class CommandLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit CommandLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    QSize sizeHint() const override;

    // The largest size, at most BASE's own, at which the default captions of every page's row of
    // commands fit the row's slots without running into each other.
    static QFont rowFont(const QFont& base);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitCaption();

    bool m_fitted = true; // whether the width is that of the caption
};

} // namespace tabwise
