// The progress window of the processing run.
#include "processing/frm_processing.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "processing/qt_busy_window.h"

namespace plumora {

TfrmProcessing::TfrmProcessing(std::function<void()> onCancel, QWidget* parent)
    : QDialog(parent), onCancel_(std::move(onCancel)) {
    const TBusyParts parts = BuildBusyWindow(*this, "frmProcessing", "Processing...");
    lblProcessingFile_ = parts.Label;
    guageProcessing_ = parts.Gauge;
    btnCancel_ = new QPushButton("&Cancel");
    btnCancel_->setObjectName("btnCancel");
    btnCancel_->setAutoDefault(false);
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel_);
    buttons->addStretch(1);
    parts.Layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TfrmProcessing::SetFileLabel(const QString& text) {
    fileLabel_ = text;
    SetFittedText(*lblProcessingFile_, text);
    // The pass that follows keeps the event loop busy; paint the new name now.
    if (isVisible()) lblProcessingFile_->repaint();
    emit fileLabelChanged(text);
}

void TfrmProcessing::SetRange(int minimum, int maximum) {
    // An empty range would turn the gauge into a busy indicator.
    guageProcessing_->setRange(minimum, std::max(maximum, minimum + 1));
}

void TfrmProcessing::SetPosition(int position) {
    guageProcessing_->setValue(
        std::clamp(position, guageProcessing_->minimum(), guageProcessing_->maximum()));
}

void TfrmProcessing::reject() { btnCancelClick(); }

void TfrmProcessing::btnCancelClick() {
    if (onCancel_) onCancel_();
}

void TfrmProcessing::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    QDialog::showEvent(event);
}

void TfrmProcessing::closeEvent(QCloseEvent* event) {
    // Only the run hides this window; Cancel is the way to stop it.
    event->ignore();
}

}  // namespace plumora
