// Help over the options, four tiled viewers and a Shift-JIS module, grabbed
// from the real windows.
#include "app/screenshots_desktop.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

#include "app/frm_main.h"
#include "project/source_mgt.h"
#include "settings/frm_options.h"
#include "ui/mdi_windows.h"
#include "ui/text_encoding.h"
#include "viewers/frm_view_single.h"

namespace plumora {

namespace {

constexpr int kTitleHeight = 22;

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QWidget* HelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmHelp" && w->isVisible()) return w;
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == "frmHelp" && w->isVisible()) return w;
    return nullptr;
}

// A window as the window system frames it: a title bar with its caption
// over its contents.
void PaintFramed(QPainter& painter, QWidget* window, QPoint at, bool active) {
    const QPixmap contents = window->grab();
    const QRect title(at, QSize(contents.width(), kTitleHeight));
    painter.fillRect(title, active ? QColor(0, 0, 128) : QColor(128, 128, 128));
    painter.setPen(Qt::white);
    painter.drawText(title.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    painter.drawPixmap(at + QPoint(0, kTitleHeight), contents);
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(QRect(at, QSize(contents.width(), contents.height() + kTitleHeight)).adjusted(0, 0, -1, -1));
}

// The options dialog shown modally with its help page opened by its Help
// button, painted as the screen shows them: the help in front.
bool ShootOptionsWithHelp(TfrmMain& frmMain, const TGrabWindow& grab) {
    TfrmOptions* options = frmMain.OptionsDialog();
    options->setWindowModality(Qt::ApplicationModal);
    options->show();
    options->SelectPage("Comments");
    options->SelectCommentTab("Subroutines");
    Settle();
    options->findChild<QPushButton*>("btnHelp")->click();
    Settle();
    QWidget* help = HelpWindow();
    bool ok = true;
    if (help) {
        // The offscreen screen is small; as on a desktop, the help stands
        // beside the dialog's page list, over the rest of it.
        help->resize(560, 420);
        help->move(options->pos() + QPoint(options->width() / 3, 60));
        const QRect dialogPlace(options->pos(), options->size() + QSize(0, kTitleHeight));
        const QRect helpPlace(help->pos(), help->size() + QSize(0, kTitleHeight));
        const QRect all = dialogPlace.united(helpPlace).adjusted(-10, -10, 10, 10);
        QPixmap picture(all.size());
        picture.fill(QColor(0, 96, 112));
        QPainter painter(&picture);
        PaintFramed(painter, options, dialogPlace.topLeft() - all.topLeft(), false);
        PaintFramed(painter, help, helpPlace.topLeft() - all.topLeft(), true);
        painter.end();
        QLabel shot;
        shot.setPixmap(picture);
        shot.resize(picture.size());
        ok = grab(&shot, "28-options-with-help-in-front");
        help->close();
    }
    options->hide();
    options->setWindowModality(Qt::NonModal);
    return ok;
}

bool ShootFourTiledViewers(TfrmMain& frmMain, const TGrabWindow& grab) {
    // Viewers only: the project file and the files of the project, styled
    // ones side by side with their source.
    QMdiArea* mdi = frmMain.Mdi();
    for (QMdiSubWindow* child : mdi->subWindowList()) child->close();
    Settle();
    frmMain.ViewProjectFile();
    QTreeWidget* tree = frmMain.Tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; mdi->subWindowList().size() < 4 && root && i < root->childCount(); ++i) {
        tree->setCurrentItem(root->child(root->childCount() - 1 - i));
        frmMain.ViewSelectedFile();
    }
    TileChildren(mdi);
    return grab(&frmMain, "29-four-tiled-viewers");
}

bool ShootShiftJisViewer(TfrmMain& frmMain, const TGrabWindow& grab, const QString& file) {
    for (QMdiSubWindow* child : frmMain.Mdi()->subWindowList()) child->close();
    Settle();
    const int before = TTextEncoding::Instance().CodePage();
    TTextEncoding::Instance().SetCodePage(932);
    RFile entry;
    entry.FullPath = file.toStdString();
    TfrmViewSingleMDI::ShowSourceFile(frmMain.Mdi(), frmMain.Host(), entry);
    bool ok = true;
    if (QMdiSubWindow* child = frmMain.Mdi()->activeSubWindow()) {
        child->resize(640, 460);
        ok = grab(child, "30-shift-jis-viewer-code-page-932");
        child->close();
    }
    TTextEncoding::Instance().SetCodePage(before);
    return ok;
}

}  // namespace

bool ShootDesktopArrangement(TfrmMain& frmMain, const TGrabWindow& grab, const QString& shiftJisFile) {
    if (!ShootOptionsWithHelp(frmMain, grab)) return false;
    if (!ShootFourTiledViewers(frmMain, grab)) return false;
    if (!shiftJisFile.isEmpty() && !ShootShiftJisViewer(frmMain, grab, shiftJisFile)) return false;
    return true;
}

}  // namespace plumora
