// TfrmChartSelector: "Chart Selector", the modal window from which the user
// picks one of the seven statistics and creates its chart window. One
// instance serves the program; it is hidden, not destroyed, when closed.
#pragma once

#include <array>

#include <QDialog>

#include "charts/chart_items.h"

class QAbstractSeries;
class QChart;
class QChartView;
class QLabel;
class QListWidget;
class QMdiArea;
class QPlainTextEdit;
class QPushButton;

namespace plumora {

class ICommandHost;
class TSourceMgt;

class TfrmChartSelector : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 80;

    // Chart windows open in `mdi`; the host shows the messages. Both must
    // outlive the selector.
    TfrmChartSelector(ICommandHost& host, QMdiArea* mdi, QWidget* parent = nullptr);

    // Shows the selector modally for the open project (null when none is).
    void ShowFor(TSourceMgt* project);
    // The project that "C&reate" charts, as ShowFor set it.
    void SetProject(TSourceMgt* project) { project_ = project; }

    QListWidget* lbxChoices() const { return lbxChoices_; }
    QChartView* chartSample() const { return chartSample_; }
    QPlainTextEdit* memoDescription() const { return memoDescription_; }
    QPushButton* btnCreateChart() const { return btnCreateChart_; }
    QPushButton* btnClose() const { return btnClose_; }
    QLabel* SampleFooter() const { return footer_; }

    // The five sample series of the sample chart, in the order bar, area,
    // pie, surface, volume; at most one is attached at a time.
    enum TSample { sBar, sArea, sPie, sSurface, sVolume, kSampleCount };
    QAbstractSeries* SampleSeries(TSample sample) const { return samples_[sample]; }
    // The sample attached now, or kSampleCount when none is.
    TSample ShownSample() const;

    // Shows the sample and the description of the list's current item.
    void lbxChoicesClick();
    // Creates the chart of the selected item; the selector stays open.
    void btnCreateChartClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateSamples();

    ICommandHost& host_;
    QMdiArea* mdi_;
    TSourceMgt* project_ = nullptr;
    QListWidget* lbxChoices_ = nullptr;
    QChart* sampleChart_ = nullptr;
    QChartView* chartSample_ = nullptr;
    QLabel* footer_ = nullptr;
    QPlainTextEdit* memoDescription_ = nullptr;
    QPushButton* btnCreateChart_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    std::array<QAbstractSeries*, kSampleCount> samples_{};
};

}  // namespace plumora
