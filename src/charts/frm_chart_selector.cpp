// The selector: the list of charts, the sample chart with its footer, the
// description, and "C&reate".
#include "charts/frm_chart_selector.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPieSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QSplineSeries>
#include <QVBoxLayout>

#include "charts/create_chart.h"
#include "charts/frm_chart.h"
#include "host/command_host.h"
#include "ui/chart_drawing.h"
#include "ui/help_window.h"

namespace plumora {

namespace {

constexpr int kSampleValues = 10;

QVector<qreal> RandomValues() {
    QVector<qreal> values;
    for (int i = 0; i < kSampleValues; ++i)
        values.append(QRandomGenerator::global()->bounded(10, 100));
    return values;
}

QLineSeries* LineOf(QLineSeries* line, const QVector<qreal>& values) {
    for (int i = 0; i < values.size(); ++i) line->append(i, values[i]);
    return line;
}

}  // namespace

TfrmChartSelector::TfrmChartSelector(ICommandHost& host, QMdiArea* mdi, QWidget* parent)
    : QDialog(parent), host_(host), mdi_(mdi) {
    setObjectName("frmChartSelector");
    setWindowTitle("Chart Selector");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* lblChoices = new QLabel("Available Charts:");
    lbxChoices_ = new QListWidget;
    lbxChoices_->setObjectName("lbxChoices");
    for (const TChartItem& item : ChartItems())
        lbxChoices_->addItem(QString::fromStdString(item.ListText));
    lbxChoices_->setMinimumWidth(lbxChoices_->sizeHintForColumn(0) + 12);
    lblChoices->setBuddy(lbxChoices_);

    sampleChart_ = new QChart;
    sampleChart_->setTitle("Chart Sample");
    QFont sampleTitle = ChartTitleFont();
    sampleTitle.setPointSize(9);
    sampleChart_->setTitleFont(sampleTitle);
    sampleChart_->legend()->hide();
    sampleChart_->setMargins(QMargins(4, 2, 4, 0));
    sampleChart_->setBackgroundRoundness(0);
    chartSample_ = new QChartView(sampleChart_);
    chartSample_->setObjectName("chartSample");
    chartSample_->setRenderHint(QPainter::Antialiasing);
    chartSample_->setFrameShape(QFrame::NoFrame);
    chartSample_->setInteractive(false);
    footer_ = new QLabel("Plumora/VB");
    footer_->setObjectName("lblSampleFooter");
    footer_->setAlignment(Qt::AlignCenter);
    QFont footerFont = footer_->font();
    footerFont.setItalic(true);
    footer_->setFont(footerFont);
    footer_->setStyleSheet("color: red; background: white;");
    auto* sampleFrame = new QFrame;
    sampleFrame->setFrameShape(QFrame::StyledPanel);
    sampleFrame->setStyleSheet("QFrame { background: white; }");
    auto* sampleLayout = new QVBoxLayout(sampleFrame);
    sampleLayout->setContentsMargins(1, 1, 1, 4);
    sampleLayout->setSpacing(0);
    sampleLayout->addWidget(chartSample_, 1);
    sampleLayout->addWidget(footer_);
    sampleFrame->setMinimumSize(240, 180);

    auto* lblDescription = new QLabel("Description:");
    memoDescription_ = new QPlainTextEdit;
    memoDescription_->setObjectName("memoDescription");
    memoDescription_->setReadOnly(true);
    memoDescription_->setFixedHeight(memoDescription_->fontMetrics().lineSpacing() * 4 + 12);

    btnCreateChart_ = new QPushButton("C&reate");
    btnCreateChart_->setObjectName("btnCreateChart");
    btnCreateChart_->setDefault(true);
    btnClose_ = new QPushButton("&Close");
    btnClose_->setObjectName("btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCreateChart_);
    buttons->addWidget(btnClose_);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblChoices, 0, 0);
    layout->addWidget(lbxChoices_, 1, 0);
    layout->addWidget(sampleFrame, 0, 1, 2, 1);
    layout->addWidget(lblDescription, 2, 0, 1, 2);
    layout->addWidget(memoDescription_, 3, 0, 1, 2);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    CreateSamples();

    connect(lbxChoices_, &QListWidget::currentRowChanged, this, &TfrmChartSelector::lbxChoicesClick);
    connect(lbxChoices_, &QListWidget::itemDoubleClicked, this,
            &TfrmChartSelector::btnCreateChartClick);
    connect(btnCreateChart_, &QPushButton::clicked, this, &TfrmChartSelector::btnCreateChartClick);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmChartSelector::CreateSamples() {
    auto* bar = new QBarSeries(this);
    const QVector<qreal> barValues = RandomValues();
    for (int i = 0; i < barValues.size(); ++i) {
        auto* set = new QBarSet(QString());
        set->append(barValues[i]);
        set->setColor(ChartPointColour(i));
        set->setBorderColor(ChartPointColour(i).darker(150));
        bar->append(set);
    }
    bar->setBarWidth(0.9);
    auto* areaLine = LineOf(new QLineSeries, RandomValues());
    auto* area = new QAreaSeries(areaLine);
    areaLine->setParent(area);
    area->setParent(this);
    auto* pie = new QPieSeries(this);
    const QVector<qreal> pieValues = RandomValues();
    for (int i = 0; i < pieValues.size(); ++i)
        pie->append(QString(), pieValues[i])->setBrush(ChartPointColour(i));
    pie->setPieSize(0.8);
    // Qt Charts draws neither surfaces nor volume bars: a smooth curve and a
    // line stand in for them.
    auto* surface = LineOf(new QSplineSeries(this), RandomValues());
    auto* volume = LineOf(new QLineSeries(this), RandomValues());
    samples_ = {bar, area, pie, surface, volume};
}

TfrmChartSelector::TSample TfrmChartSelector::ShownSample() const {
    for (int s = 0; s < kSampleCount; ++s)
        if (sampleChart_->series().contains(samples_[s])) return static_cast<TSample>(s);
    return kSampleCount;
}

void TfrmChartSelector::lbxChoicesClick() {
    for (QAbstractSeries* series : samples_) {
        if (sampleChart_->series().contains(series)) {
            sampleChart_->removeSeries(series);
            series->setParent(this);
        }
    }
    memoDescription_->clear();
    const int row = lbxChoices_->currentRow();
    if (row < 0 || row >= static_cast<int>(ChartItems().size())) return;
    const TChartItem& item = ChartItems()[static_cast<std::size_t>(row)];
    sampleChart_->addSeries(samples_[item.Sample == TSeriesKind::skPie ? sPie : sBar]);
    QStringList lines;
    for (const std::string& line : item.Description) lines << QString::fromStdString(line);
    memoDescription_->setPlainText(lines.join('\n'));
    memoDescription_->moveCursor(QTextCursor::Start);
    memoDescription_->ensureCursorVisible();
}

void TfrmChartSelector::btnCreateChartClick() {
    const int selected = lbxChoices_->selectedItems().isEmpty() ? -1 : lbxChoices_->currentRow();
    const std::optional<TChartTable> table = CreateChartTable(project_, selected, host_);
    if (!table) return;
    const TScopedHourglass hourglass(host_);
    TfrmChart::ShowChart(mdi_, host_, *table);
}

void TfrmChartSelector::ShowFor(TSourceMgt* project) {
    project_ = project;
    exec();
}

void TfrmChartSelector::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    {
        const QSignalBlocker block(lbxChoices_);
        lbxChoices_->setCurrentRow(0);
    }
    lbxChoicesClick();
    lbxChoices_->setFocus();
}

void TfrmChartSelector::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpContext(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace plumora
