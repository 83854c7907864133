// The options panel: start options, the backup frame and the tab table.
#include "shell/Form1.h"

#include "backup/DriveList.h"
#include "backup/FolderList.h"
#include "platform/Platform.h"
#include "settings/RuledFrame.h"
#include "shell/Artwork.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace tabwise {

namespace {

template <typename Widget>
Widget* place(Widget* widget, const char* name, QRect rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int left, int top)
{
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QLatin1String(name));
    l->move(px(left), px(top));
    l->adjustSize();
    return l;
}

QLine twipsLine(int x1, int y1, int x2, int y2) { return QLine(px(x1), px(y1), px(x2), px(y2)); }

} // namespace

void Form1::buildOptionsPanel()
{
    frameoptions = place(new QGroupBox(QStringLiteral("Program Options"), this), "frameoptions", twipsRect(0, 0, 5190, 5895));
    frameoptions->setAutoFillBackground(true);
    frameoptions->hide();

    Check1 = place(new QCheckBox(QStringLiteral("Start Program Minimized"), frameoptions), "Check1", twipsRect(240, 240, 2295, 375));
    Check8 = place(new QCheckBox(QStringLiteral("Start at Log-on"), frameoptions), "Check8", twipsRect(240, 600, 2055, 315));
    Check2 = place(new QCheckBox(QStringLiteral("Stay on top"), frameoptions), "Check2", twipsRect(240, 960, 2055, 255));
    // The design's widths were made for a narrower font: a caption never gets cut short.
    for (QCheckBox* box : {Check1, Check8, Check2})
        box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    cmdok = place(new QPushButton(QStringLiteral("&Ok"), frameoptions), "cmdok", twipsRect(3720, 480, 1215, 255));
    cmdcancel = place(new QPushButton(QStringLiteral("&Cancel"), frameoptions), "cmdcancel", twipsRect(3720, 840, 1215, 255));

    Frame2 = place(new QGroupBox(QStringLiteral("Backup your Notes"), frameoptions), "Frame2", twipsRect(0, 1200, 5190, 1815));
    Drive1 = place(new DriveList(m_platform.volumes(), Frame2), "Drive1", twipsRect(120, 360, 3375, 315));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Dir1 = place(new FolderList(Frame2), "Dir1", twipsRect(120, 720, 3375, 990));
    Dir1->setAccessibleName(QStringLiteral("Folder"));
    cmdbackup = place(new QPushButton(QStringLiteral("&Backup Now"), Frame2), "cmdbackup", twipsRect(3720, 960, 1215, 255));
    cmdrestore = place(new QPushButton(QStringLiteral("Restore &Now"), Frame2), "cmdrestore", twipsRect(3720, 1320, 1215, 255));
    Image6 = place(new QLabel(Frame2), "Image6", twipsRect(4200, 240, 480, 480));
    Image6->setPixmap(artwork(QStringLiteral("backup"), Image6->size(), devicePixelRatioF()));

    const QList<QLine> rules{
        twipsLine(120, 360, 120, 2640),  twipsLine(675, 360, 675, 2640),   twipsLine(3480, 360, 3480, 2640),
        twipsLine(5040, 360, 5040, 2640), twipsLine(5040, 360, 120, 360), twipsLine(5040, 720, 105, 720),
        twipsLine(120, 2640, 5040, 2640),
    };
    frameTabOptions = place(new RuledFrame(QStringLiteral("Tab Options"), rules, frameoptions), "frameTabOptions",
                            twipsRect(0, 3000, 5190, 2895));
    label(frameTabOptions, "Label6", "Show", 180, 480);
    label(frameTabOptions, "Label7", "Tab Description", 1440, 480);
    label(frameTabOptions, "Label8", "Current Tab", 3840, 480);

    const std::array<const char*, pageCount> textNames{"Text1", "Text2", "Text3", "Text4", "Text5"};
    const std::array<const char*, pageCount> labelNames{"Label1", "Label2", "Label3", "Label4", "Label5"};
    const std::array<const char*, pageCount> checkNames{nullptr, "Check4", "Check5", "Check6", "Check7"};
    std::array<QLineEdit*, pageCount> texts{};
    std::array<QCheckBox*, pageCount> checks{};
    for (const PageInfo& info : pageTable) {
        const auto row = std::size_t(info.tabIndex);
        const int top = 840 + 360 * info.tabIndex;
        texts[row] = place(new QLineEdit(QString::fromLatin1(info.defaultCaption), frameTabOptions), textNames[row],
                           twipsRect(720, top, 2655, 285));
        texts[row]->setMaxLength(std::numeric_limits<int>::max()); // a stored name comes back whole
        texts[row]->setAccessibleName(QStringLiteral("Name of tab %1").arg(info.tabIndex + 1));
        label(frameTabOptions, labelNames[row], QStringLiteral("(Tab #%1)").arg(info.tabIndex + 1).toLatin1().constData(),
              3960, top + 45);
        if (info.tabIndex > 0) {
            checks[row] = place(new QCheckBox(frameTabOptions), checkNames[row], twipsRect(300, top + 15, 255, 255));
            checks[row]->setAccessibleName(QStringLiteral("Show tab %1").arg(info.tabIndex + 1));
        }
    }
    Text1 = texts[0];
    Text2 = texts[1];
    Text3 = texts[2];
    Text4 = texts[3];
    Text5 = texts[4];
    Check4 = checks[1];
    Check5 = checks[2];
    Check6 = checks[3];
    Check7 = checks[4];
    for (QCheckBox* box : {Check4, Check5, Check6, Check7})
        box->setChecked(true);
}

} // namespace tabwise
