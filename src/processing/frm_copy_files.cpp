// The busy window of the backup step.
#include "processing/frm_copy_files.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "processing/qt_busy_window.h"

namespace plumora {

TfrmCopyFiles::TfrmCopyFiles(QWidget* parent) : QDialog(parent) {
    const TBusyParts parts = BuildBusyWindow(*this, "frmCopyFiles", "Backing up files...");
    lblProcessingFile_ = parts.Label;
    guageProcessing_ = parts.Gauge;
    setFixedSize(sizeHint());
}

void TfrmCopyFiles::Start(int maximum) {
    // An empty range would turn the gauge into a busy indicator.
    guageProcessing_->setRange(0, std::max(maximum, 1));
    guageProcessing_->setValue(0);
    fileLabel_.clear();
    lblProcessingFile_->clear();
    show();
    raise();
}

void TfrmCopyFiles::Step(int position, const QString& label) {
    guageProcessing_->setValue(
        std::clamp(position, guageProcessing_->minimum(), guageProcessing_->maximum()));
    fileLabel_ = label;
    SetFittedText(*lblProcessingFile_, label);
    if (isVisible()) lblProcessingFile_->repaint();
}

void TfrmCopyFiles::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    QDialog::showEvent(event);
}

void TfrmCopyFiles::closeEvent(QCloseEvent* event) {
    // The backup step hides this window when its copies are done.
    event->ignore();
}

}  // namespace plumora
