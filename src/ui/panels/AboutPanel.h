#pragma once

#include "ui/panels/OverlayPanel.h"

class QLabel;
class QPushButton;

namespace tabwise {

class ClickableLabel;
class Platform;

// The About panel laid over the pages (and over the options panel when that is open): the
// product's name and version, the maker's logo and web address, which opens in the browser when
// clicked. Its controls are made when it first opens, its texts refreshed each time it opens; Ok
// (or Escape) hides it.
class AboutPanel : public OverlayPanel {
    Q_OBJECT
public:
    explicit AboutPanel(Platform& platform, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }
    QLabel* productNameLabel() const { return m_productName; }
    ClickableLabel* webAddressLabel() const { return m_webAddress; }
    QPushButton* okButton() const { return m_ok; }

    void open();
    void dismiss() override { hide(); }

private:
    void build();
    void openWebAddress();

    Platform& m_platform;
    QLabel* m_version = nullptr;
    QLabel* m_productName = nullptr;
    ClickableLabel* m_webAddress = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tabwise
