#pragma once

#include <QGroupBox>
#include <QLine>
#include <QList>

namespace tabwise {

// A frame with a caption that rules its content as a table with the given lines.
class RuledFrame : public QGroupBox {
    Q_OBJECT
public:
    RuledFrame(const QString& caption, QList<QLine> rules, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QLine> m_rules;
};

} // namespace tabwise
