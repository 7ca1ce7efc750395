// The options dialog's layout: the page list, the pages with their groups,
// and the buttons. The controls themselves exist already; this only places
// them and adds the labels and buttons that hold no option.
#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "settings/frm_options.h"
#include "settings/option_set.h"
#include "settings/qt_ini_controls.h"

namespace plumora {

namespace {

QLabel* Label(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QVBoxLayout* Column(QWidget* owner, int margin = 6) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(4);
    return layout;
}

QGroupBox* Group(const QString& caption) {
    auto* box = new QGroupBox(caption);
    return box;
}

QToolButton* FileButton(const QString& name) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setToolTip("Select Directory");
    button->setFixedSize(24, 22);
    return button;
}

}  // namespace

void TfrmOptions::BuildLayout() {
    lstPages_ = new QListWidget;
    lstPages_->setObjectName("lstOptions");
    lstPages_->setViewMode(QListView::IconMode);
    lstPages_->setFlow(QListView::TopToBottom);
    lstPages_->setWrapping(false);
    lstPages_->setMovement(QListView::Static);
    lstPages_->setIconSize(QSize(24, 24));
    lstPages_->setGridSize(QSize(84, 46));
    lstPages_->setFixedWidth(92);
    lstPages_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPages_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_ComputerIcon,        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogInfoView,  QStyle::SP_FileDialogListView,
        QStyle::SP_DialogApplyButton,   QStyle::SP_DialogSaveButton,
        QStyle::SP_DirHomeIcon};
    for (std::size_t i = 0; i < PageCaptions().size(); ++i)
        new QListWidgetItem(style()->standardIcon(icons[i]), PageCaptions()[i], lstPages_);

    pages_ = new QStackedWidget;
    pages_->setObjectName("nbkOptions");
    for (QWidget* page : {BuildGeneralPage(), BuildIndentsPage(), BuildCommentsPage(),
                          BuildBlankLinesPage(), BuildSpellCheckPage(), BuildSavePage(),
                          BuildUserPage()})
        pages_->addWidget(page);
    connect(lstPages_, &QListWidget::currentRowChanged, this, [this](int row) { PageSelected(row); });

    auto* ok = new QPushButton("&OK");
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("btnCancel");
    auto* help = new QPushButton("&Help");
    help->setObjectName("btnHelp");
    connect(ok, &QPushButton::clicked, this, &TfrmOptions::accept);
    connect(cancel, &QPushButton::clicked, this, &TfrmOptions::reject);
    connect(help, &QPushButton::clicked, this, [this] { HelpClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {ok, cancel, help}) {
        b->setFixedSize(75, 25);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    ok->setDefault(true);

    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    body->addWidget(lstPages_);
    body->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

QWidget* TfrmOptions::BuildGeneralPage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    col->addWidget(Control(Opt::PreviewBeforeSaving));

    QGroupBox* general = Group("General Options");
    QVBoxLayout* g = Column(general, 8);
    g->setContentsMargins(8, 2, 8, 2);
    g->setSpacing(0);
    for (Opt id : {Opt::OptionExplicitInsert, Opt::MultiConstSplit, Opt::MultiVarSplit,
                   Opt::CorrectAsProblem}) {
        g->addWidget(Control(id));
    }
    // The second line of the check box above.
    QLabel* asProblem = Label(OptionInfo(Opt::CorrectAsProblem).Label);
    asProblem->setContentsMargins(20, 0, 0, 0);
    g->addWidget(asProblem);
    g->addWidget(Control(Opt::IfThenSplit));
    g->addWidget(Control(Opt::MultiStatementSplit));
    col->addWidget(general);

    // One row: the two long captions do not fit side by side in two groups.
    QGroupBox* declare = Group("Declare As Options");
    auto* d = new QHBoxLayout(declare);
    d->setContentsMargins(6, 4, 6, 4);
    d->setSpacing(4);
    d->addWidget(Control(Opt::AlignMultiDimAs));
    d->addWidget(Label(OptionInfo(Opt::AlignDimAsGroupQty).Caption, Control(Opt::AlignDimAsGroupQty)));
    d->addWidget(Control(Opt::AlignDimAsGroupQty));
    d->addStretch(1);
    col->addWidget(declare);
    col->addWidget(Control(Opt::GrpForNextProcessing));
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::BuildIndentsPage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    col->addWidget(Control(Opt::CodeIndentPerform));
    QGroupBox* box = Group("Indent options");
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 24);
    const Opt rows[] = {Opt::DefaultLineIndent, Opt::LineContinueIndent, Opt::IfThenElseIndent,
                        Opt::SelectCaseIndent,  Opt::CaseCodeIndent,     Opt::DoLoopIndent,
                        Opt::WhileWendIndent,   Opt::ForNextIndent,      Opt::TypeEndIndent,
                        Opt::WithEndIndent};
    for (int i = 0; i < 10; ++i) {
        const int r = i % 5, c = (i / 5) * 3;
        grid->addWidget(Label(OptionInfo(rows[i]).Caption, Control(rows[i])), r, c);
        grid->addWidget(Control(rows[i]), r, c + 1);
    }
    grid->setColumnStretch(5, 1);
    col->addWidget(box);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::BuildCommentsPage() {
    tabComments_ = new QTabWidget;
    tabComments_->setObjectName("tabComments");
    tabComments_->addTab(BuildSingleLineTab(), CommentTabCaptions()[0]);
    tabComments_->addTab(BuildInLineTab(), CommentTabCaptions()[1]);
    tabComments_->addTab(BuildTemplateTab(Opt::SubLevelCommentsPerform, Opt::GrpSubLevelComments,
                                          Opt::SubLevelCommentsBeforeProcedure,
                                          Opt::SubLevelCommentsAfterProcedure,
                                          Opt::SubLevelCommentsFile, memoSubLevelComments_,
                                          btnSubFile_),
                         CommentTabCaptions()[2]);
    tabComments_->addTab(BuildTemplateTab(Opt::FunctionLevelCommentsPerform,
                                          Opt::GrpFunctionLevelComments,
                                          Opt::FunctionLevelCommentsBeforeProcedure,
                                          Opt::FunctionLevelCommentsAfterProcedure,
                                          Opt::FunctionLevelCommentsFile,
                                          memoFunctionLevelComments_, btnFunctionFile_),
                         CommentTabCaptions()[3]);
    tabComments_->addTab(BuildSpecialTab(), CommentTabCaptions()[4]);
    memoSubLevelComments_->setObjectName("memoSubLevelComments");
    memoFunctionLevelComments_->setObjectName("memoFunctionLevelComments");
    btnSubFile_->setObjectName("btnSubLevelCommentsFile");
    btnFunctionFile_->setObjectName("btnFunctionLevelCommentsFile");
    connect(memoSubLevelComments_, &QPlainTextEdit::textChanged, this,
            [this] { TemplateEdited(memoSubLevelComments_, options_.SubHeaderTemplate); });
    connect(memoFunctionLevelComments_, &QPlainTextEdit::textChanged, this, [this] {
        TemplateEdited(memoFunctionLevelComments_, options_.FunctionHeaderTemplate);
    });
    connect(btnSubFile_, &QToolButton::clicked, this, [this] { SubTemplateFileClick(); });
    connect(btnFunctionFile_, &QToolButton::clicked, this, [this] { FunctionTemplateFileClick(); });
    connect(tabComments_, &QTabWidget::currentChanged, this, [this](int i) { TabSelected(i); });

    auto* page = new QWidget;
    QVBoxLayout* col = Column(page, 0);
    col->addWidget(tabComments_);
    return page;
}

QWidget* TfrmOptions::BuildSingleLineTab() {
    auto* tab = new QWidget;
    QVBoxLayout* col = Column(tab);
    auto* choice = Bound<TINIRadioGroup>(Opt::GrpSingleLineComments);
    choice->SetBeside(1, Control(Opt::SingleLineCommentColumn));
    col->addWidget(choice);

    QGroupBox* box = Group("Blocking options");
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(3);
    grid->addWidget(Control(Opt::SingleLineCommentBlocks), 0, 0, 1, 2);
    int row = 1;
    for (Opt id : {Opt::SingleLineCommentGroupQty, Opt::SingleLineCommentBlockCharacters,
                   Opt::SingleLineCommentBlockCharacterTotal}) {
        grid->addWidget(Label(OptionInfo(id).Caption, Control(id)), row, 0);
        grid->addWidget(Control(id), row++, 1, Qt::AlignLeft);
    }
    Control(Opt::SingleLineCommentBlockCharacters)->setFixedWidth(46);
    grid->setColumnStretch(2, 1);
    col->addWidget(box);
    col->addStretch(1);
    return tab;
}

QWidget* TfrmOptions::BuildInLineTab() {
    auto* tab = new QWidget;
    QVBoxLayout* col = Column(tab);
    auto* choice = Bound<TINIRadioGroup>(Opt::GrpInLineComments);
    choice->SetBeside(1, Control(Opt::InLineCommentsFixedColumn));
    choice->SetBeside(2, Control(Opt::InLineCommentsIndent));
    col->addWidget(choice);
    auto* fallback = Bound<TINIRadioGroup>(Opt::GrpInLineCommentsFixedColUnavail);
    fallback->SetBeside(0, Control(Opt::InLineCommentsUnavailColIndent));
    col->addWidget(fallback);
    col->addStretch(1);
    return tab;
}

QWidget* TfrmOptions::BuildTemplateTab(Opt perform, Opt group, Opt before, Opt after, Opt file,
                                       QPlainTextEdit*& memo, QToolButton*& button) {
    auto* tab = new QWidget;
    QVBoxLayout* col = Column(tab, 4);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(Control(perform));
    left->addWidget(Control(group));
    QGroupBox* positioning = Group("Comment positioning");
    QVBoxLayout* p = Column(positioning, 6);
    p->addWidget(Control(before));
    p->addWidget(Control(after));
    p->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(positioning, 0, Qt::AlignBottom);
    col->addLayout(top);

    memo = new QPlainTextEdit;
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    col->addWidget(memo, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(Label(OptionInfo(file).Caption, Control(file)));
    row->addWidget(Control(file), 1);
    button = FileButton(QString());
    row->addWidget(button);
    col->addLayout(row);
    return tab;
}

QWidget* TfrmOptions::BuildSpecialTab() {
    auto* tab = new QWidget;
    QVBoxLayout* col = Column(tab);
    auto* row = new QHBoxLayout;
    row->addWidget(Control(Opt::SpecialRemoveComments));
    Control(Opt::SpecialRemoveCommentCharacters)->setFixedWidth(46);
    row->addWidget(Control(Opt::SpecialRemoveCommentCharacters));
    row->addStretch(1);
    col->addLayout(row);
    col->addStretch(1);
    return tab;
}

QWidget* TfrmOptions::BuildBlankLinesPage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    col->addWidget(Control(Opt::GrpBlankLines));

    QGroupBox* box = Group("Blank lines");
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(3);
    grid->setColumnMinimumWidth(3, 16);
    for (int half = 0; half < 2; ++half) {
        const int c = half * 4;
        grid->addWidget(Label("Lines before"), 0, c + 1, Qt::AlignCenter);
        grid->addWidget(Label("Lines after"), 0, c + 2, Qt::AlignCenter);
    }
    // Options come in before/after pairs, the left half's six rows first.
    const int first = static_cast<int>(Opt::BlankLinesIfThenBefore);
    for (int i = 0; i < 12; ++i) {
        const Opt beforeId = static_cast<Opt>(first + 2 * i);
        const Opt afterId = static_cast<Opt>(first + 2 * i + 1);
        const int r = 1 + i % 6, c = (i / 6) * 4;
        grid->addWidget(Label(OptionInfo(beforeId).Caption, Control(beforeId)), r, c);
        grid->addWidget(Control(beforeId), r, c + 1, Qt::AlignCenter);
        grid->addWidget(Control(afterId), r, c + 2, Qt::AlignCenter);
    }
    grid->setColumnStretch(7, 1);
    col->addWidget(box);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::BuildSpellCheckPage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    col->addWidget(Control(Opt::SpellingPerform));
    QGroupBox* box = Group("Spell check");
    QVBoxLayout* b = Column(box, 8);
    b->addWidget(Control(Opt::SpellingLiterals));
    b->addWidget(Control(Opt::SpellingComments));
    col->addWidget(box);
    btnSpellOptions_ = new QPushButton("Configure &Spell Checker");
    btnSpellOptions_->setObjectName("btnSpellOptions");
    btnSpellOptions_->setAutoDefault(false);
    btnSpellOptions_->setEnabled(false);  // until the speller is attached
    connect(btnSpellOptions_, &QPushButton::clicked, this, [this] { SpellOptionsClick(); });
    auto* row = new QHBoxLayout;
    row->addWidget(btnSpellOptions_);
    row->addStretch(1);
    col->addLayout(row);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::BuildSavePage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    QGroupBox* box = Group("Save styled code");
    QVBoxLayout* b = Column(box, 8);
    QWidget* dir = Control(Opt::BackupNewCodeDirectory);
    dir->installEventFilter(this);
    b->addWidget(Label(OptionInfo(Opt::BackupNewCodeDirectory).Caption, dir));
    auto* row = new QHBoxLayout;
    row->addWidget(dir, 1);
    btnSelectDirectory_ = FileButton("btnSelectDirectory");
    connect(btnSelectDirectory_, &QToolButton::clicked, this, [this] { BrowseDirectoryClick(); });
    row->addWidget(btnSelectDirectory_);
    b->addLayout(row);
    b->addSpacing(6);
    for (Opt id : {Opt::BackupOnlyNewFiles, Opt::BackupMAKFiles, Opt::BackupAllFiles})
        b->addWidget(Control(id));
    b->addSpacing(6);
    b->addWidget(Control(Opt::CreateLog));
    col->addWidget(box);
    col->addStretch(1);
    return page;
}

QWidget* TfrmOptions::BuildUserPage() {
    auto* page = new QWidget;
    QVBoxLayout* col = Column(page);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const Opt id = i == 0 ? Opt::UserName : Opt::UserCompany;
        grid->addWidget(Label(OptionInfo(id).Caption, Control(id)), i, 0);
        grid->addWidget(Control(id), i, 1);
    }
    col->addLayout(grid);
    col->addStretch(1);
    return page;
}

}  // namespace plumora
