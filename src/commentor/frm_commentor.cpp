// The commentor window: tool bar, information panel, comment editor and the
// module's source view, drawn from the TCommentor that holds the logic.
#include "commentor/frm_commentor.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"
#include "settings/qt_ansi_text.h"
#include "ui/big_text.h"
#include "ui/help_key.h"
#include "viewers/qt_viewer_parts.h"
#include "viewers/windows_1252.h"

namespace plumora {

namespace {

constexpr const char* kUnstorableText =
    "The comment editor held characters that the module's code page (Windows-1252) cannot "
    "store.  They are shown as \"?\" now; check the comments and choose the command again.";

// The editor's font: the source view's fixed-pitch font, a little larger.
QFont EditorFont(const QFont& viewFont) {
    QFont font = viewFont;
    font.setPointSize(std::max(viewFont.pointSize(), 9));
    return font;
}

QString EditorText(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += AnsiToQString(lines[i]);
    }
    return text;
}

}  // namespace

class TfrmCommentor::TView : public ILineSink {
public:
    explicit TView(TfrmCommentor& owner) : owner_(owner) {}
    void Clear() override { owner_.memoSource_->Clear(); }
    void AppendLine(const std::string& text, TColor font, TColor back) override {
        owner_.memoSource_->AppendLine(text, font, back);
    }
    void Refresh() override {
        owner_.memoSource_->Refresh();
        owner_.ShowState();
    }

private:
    TfrmCommentor& owner_;
};

TfrmCommentor::TfrmCommentor(ICommandHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("frmCommentor");

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnPriorRoutine", "Prior Routine", QStyle::SP_ArrowBack),
            &QAction::triggered, this, &TfrmCommentor::btnPriorRoutineClick);
    connect(AddViewerButton(bar, "btnNextRoutine", "Next Routine", QStyle::SP_ArrowForward),
            &QAction::triggered, this, &TfrmCommentor::btnNextRoutineClick);
    connect(AddViewerButton(bar, "btnSaveChanges", "Save changes", QStyle::SP_DialogSaveButton),
            &QAction::triggered, this, &TfrmCommentor::btnSaveChangesClick);

    auto* panel = new QWidget;
    panel->setObjectName("pnlInformation");
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(6, 4, 6, 4);
    form->setVerticalSpacing(2);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    edtModuleName_ = NewField("edtModuleName");
    QFont bold = edtModuleName_->font();
    bold.setBold(true);
    edtModuleName_->setFont(bold);
    edtParameters_ = NewField("edtParameters");
    edtAuthor_ = NewField("edtAuthor");
    edtReturns_ = NewField("edtReturns");
    form->addRow("Module Name:", edtModuleName_);
    form->addRow("Parameters:", edtParameters_);
    form->addRow("Author:", edtAuthor_);
    form->addRow("Returns:", edtReturns_);

    memoSource_ = new TBigText;
    memoSource_->setObjectName("memoSource");

    memoComment_ = new QPlainTextEdit;
    memoComment_->setObjectName("memoComment");
    memoComment_->setFont(EditorFont(memoSource_->font()));
    memoComment_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoComment_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoComment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoComment_->setTabChangesFocus(false);

    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->setObjectName("splitCommentor");
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(memoComment_);
    splitter_->addWidget(memoSource_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 2);
    splitter_->setSizes({120, 240});  // taken as proportions of the height

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(panel);
    layout->addWidget(splitter_, 1);

    // The editor is where the user works; the fields are only read.
    setFocusProxy(memoComment_);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));

    view_ = std::make_unique<TView>(*this);
    commentor_ = std::make_unique<TCommentor>(host_, view_.get());
    InstallHelpKey(this, kHelpContext);
    SetTabWidth(4);
    ShowState();
}

TfrmCommentor::~TfrmCommentor() = default;

QLineEdit* TfrmCommentor::NewField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

void TfrmCommentor::SetTabWidth(int width) {
    memoSource_->SetTabWidth(width);
    const QFontMetricsF metrics(memoComment_->font());
    memoComment_->setTabStopDistance(metrics.horizontalAdvance(' ') * std::max(width, 1));
}

TfrmCommentor* TfrmCommentor::ShowCommentor(QMdiArea* mdi, ICommandHost& host, const RFile& entry,
                                            const TOptionSet& options, int tabWidth) {
    auto* window = new TfrmCommentor(host);
    window->SetTabWidth(tabWidth);
    ShowInMdi(mdi, window);
    window->memoComment_->setFocus();
    window->OpenModule(entry, options);
    return window;
}

bool TfrmCommentor::OpenModule(const RFile& entry, const TOptionSet& options) {
    const bool opened = commentor_->Open(entry, options);
    ShowState();
    return opened;
}

bool TfrmCommentor::OpenModule(const std::string& fileName, const std::string& fullPath,
                               const std::string& outputSetting) {
    const bool opened = commentor_->Open(fileName, fullPath, outputSetting);
    ShowState();
    return opened;
}

void TfrmCommentor::ShowState() {
    setWindowTitle(ToQ(commentor_->Caption()));
    edtModuleName_->setText(AnsiToQString(commentor_->ModuleName()));
    edtParameters_->setText(AnsiToQString(commentor_->Parameters()));
    edtAuthor_->setText(AnsiToQString(commentor_->Author()));
    edtReturns_->setText(AnsiToQString(commentor_->Returns()));
    for (QLineEdit* field : {edtModuleName_, edtParameters_, edtAuthor_, edtReturns_})
        field->setCursorPosition(0);

    // Text that is already there stays, with the user's cursor and undo
    // steps, when a command leaves the block as it was (Cancel, no routine).
    const QString text = EditorText(commentor_->EditorLines());
    if (memoComment_->toPlainText() != text) memoComment_->setPlainText(text);
    memoComment_->document()->setModified(commentor_->Modified());
    // Without a routine on show there is no block for typed text to go into.
    memoComment_->setReadOnly(!commentor_->Block());
    memoSource_->SetTopLine(static_cast<int>(commentor_->TopLine()));
}

bool TfrmCommentor::TakeEditorText() {
    if (!memoComment_->document()->isModified()) return true;
    const QString text = memoComment_->toPlainText();
    std::string bytes;
    if (!Utf16ToWindows1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                static_cast<std::size_t>(text.size())),
                            bytes)) {
        bytes = QStringToAnsi(text);
        memoComment_->setPlainText(AnsiToQString(bytes));
        memoComment_->document()->setModified(true);  // still to be handed over
        ShowWarning(host_, kUnstorableText);
        return false;
    }
    // One editor line per line of the editor as the user sees it, an empty
    // last one included.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    lines.push_back(bytes.substr(start));
    commentor_->SetEditorLines(lines);
    return true;
}

void TfrmCommentor::btnPriorRoutineClick() {
    if (!TakeEditorText()) return;
    commentor_->PriorRoutine();
    ShowState();
}

void TfrmCommentor::btnNextRoutineClick() {
    if (!TakeEditorText()) return;
    commentor_->NextRoutine();
    ShowState();
}

void TfrmCommentor::btnSaveChangesClick() {
    if (!TakeEditorText()) return;
    commentor_->SaveChanges();
    ShowState();
}

void TfrmCommentor::closeEvent(QCloseEvent* event) {
    if (!TakeEditorText() || !commentor_->CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace plumora
