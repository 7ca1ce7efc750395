// TfrmProcessing: the progress window of a processing run. It names the file
// and pass being styled, moves its gauge line by line, and its Cancel button
// (or Escape) asks the run to stop. It never closes on its own: the run shows
// and hides it, and one window serves every run of the program.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

namespace plumora {

class TfrmProcessing : public QDialog {
    Q_OBJECT

public:
    // `onCancel` runs each time the user presses Cancel or Escape; it sets
    // the process-wide cancel flag, which the run reads while it pumps.
    explicit TfrmProcessing(std::function<void()> onCancel, QWidget* parent = nullptr);

    // The label line, e.g. "frmMain.frm (Pass 1)"; shown at once.
    void SetFileLabel(const QString& text);
    const QString& FileLabel() const { return fileLabel_; }
    void SetRange(int minimum, int maximum);
    void SetPosition(int position);

    QLabel* lblProcessingFile() const { return lblProcessingFile_; }
    QProgressBar* guageProcessing() const { return guageProcessing_; }
    QPushButton* btnCancel() const { return btnCancel_; }

signals:
    void fileLabelChanged(const QString& text);

public slots:
    // Escape: the same as the Cancel button; the window stays.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void btnCancelClick();

    std::function<void()> onCancel_;
    QString fileLabel_;
    QLabel* lblProcessingFile_ = nullptr;
    QProgressBar* guageProcessing_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace plumora
