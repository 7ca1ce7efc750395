// TfrmCopyFiles: the busy window shown while the backup step copies the
// project into the output directory. It has no Cancel: the copies are short
// and the run decides when the window goes.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;

namespace plumora {

class TfrmCopyFiles : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCopyFiles(QWidget* parent = nullptr);

    // Prepares the gauge from 0 to `maximum` and shows the window.
    void Start(int maximum);
    // One copy: gauge position and label ("Backing Up File: <name>"), shown at once.
    void Step(int position, const QString& label);
    const QString& FileLabel() const { return fileLabel_; }

    QLabel* lblProcessingFile() const { return lblProcessingFile_; }
    QProgressBar* guageProcessing() const { return guageProcessing_; }

public slots:
    // Escape does nothing: there is nothing to cancel.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString fileLabel_;
    QLabel* lblProcessingFile_ = nullptr;
    QProgressBar* guageProcessing_ = nullptr;
};

}  // namespace plumora
