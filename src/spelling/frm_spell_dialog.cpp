// The spelling dialog: its controls, the check loop over the speller and
// the buttons.
#include "spelling/frm_spell_dialog.h"

#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "settings/config_dir.h"
#include "settings/option_set.h"
#include "settings/qt_ansi_text.h"
#include "spelling/frm_spell_options.h"
#include "spelling/project_words.h"
#include "ui/big_text.h"

namespace plumora {

namespace {

// The check text gets this many blanks behind it; they are taken off again
// when the corrected text comes back.
constexpr std::size_t kPadding = 60;
constexpr const char* kNoSuggestions = "[No suggestions]";
constexpr const char* kNotInDictionary = "NOTE: Replacement word not in dictionary.  Continue?";
constexpr TColor kCheckedBack = TColor::FromRgb(192, 192, 192);
constexpr TColor kBlack = TColor::FromRgb(0, 0, 0);

std::string WithoutPadding(std::string text) {
    const std::string pad(kPadding, ' ');
    if (text.size() >= kPadding && text.compare(text.size() - kPadding, kPadding, pad) == 0)
        text.resize(text.size() - kPadding);
    return text;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(const char* name, const char* caption, QWidget* buddy = nullptr) {
    auto* l = new QLabel(caption);
    l->setObjectName(name);
    if (buddy) l->setBuddy(buddy);
    return l;
}

}  // namespace

TfrmSpellDialog::TfrmSpellDialog(ICommandHost& host, QWidget* parent)
    : QDialog(parent), host_(host), speller_(ConfigDir()) {
    setObjectName("frmSpellDialog");
    setWindowTitle("Word Not Found in Dictionary");
    // On top of the preview and the progress window; only the buttons
    // below lead out of it.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setModal(true);
    BuildControls();
    speller_.SetOptionsHost(this);
    runModal_ = [](TfrmSpellDialog& d) { d.exec(); };
    runOptions_ = [](QDialog& d) { d.exec(); };
}

TfrmSpellDialog::~TfrmSpellDialog() = default;

void TfrmSpellDialog::BuildControls() {
    txtDisplay_ = new TBigText;
    txtDisplay_->setObjectName("txtDisplay");
    txtDisplay_->setFont(QFont("Arial", 9));
    txtDisplay_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisplay_->setFocusPolicy(Qt::NoFocus);
    // Two lines and the scroll bar below them.
    const int lineHeight = QFontMetrics(txtDisplay_->font()).lineSpacing();
    txtDisplay_->setFixedHeight(2 * lineHeight + txtDisplay_->horizontalScrollBar()->sizeHint().height() +
                                2 * txtDisplay_->frameWidth() + 2);
    lblContext_ = Label("lblContext", "Context of spelling error:");

    misspell_ = new QLineEdit;
    misspell_->setObjectName("Misspell");
    lblNotInDictionary_ = Label("lblNotInDictionary", "Not in Dictionary:", misspell_);
    suggestionsButton1_ = Button("SuggestionsButton1", "&Suggestions");
    replaceWith_ = new QLineEdit;
    replaceWith_->setObjectName("ReplaceWith");
    lblReplaceWith_ = Label("lblReplaceWith", "Replace With:", replaceWith_);
    suggestionsButton2_ = Button("SuggestionsButton2", "S&uggestions");

    suggestList_ = new QListWidget;
    suggestList_->setObjectName("SuggestList");
    ignoreButton_ = Button("IgnoreButton", "&Ignore");
    ignoreAllButton_ = Button("IgnoreAllButton", "I&gnore All");
    replaceButton_ = Button("ReplaceButton", "&Replace");
    replaceAllButton_ = Button("ReplaceAllButton", "R&eplace All");
    optionsButton_ = Button("OptionsButton", "&Options");
    cancelSpellcheckButton_ = Button("CancelSpellcheckButton", "&Cancel Spellcheck");
    addCustomButton_ = Button("AddCustomButton", "&Add To Custom");
    customs_ = new QComboBox;
    customs_->setObjectName("Customs");
    // Enter in the replacement field replaces.
    replaceButton_->setDefault(true);

    connect(suggestionsButton1_, &QPushButton::clicked, this, [this] { SuggestionsButton1Click(); });
    connect(suggestionsButton2_, &QPushButton::clicked, this, [this] { SuggestionsButton2Click(); });
    // A click, also on the entry already selected, and the arrow keys.
    connect(suggestList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SuggestListClick(suggestList_->row(item)); });
    connect(suggestList_, &QListWidget::currentRowChanged, this, [this](int row) { SuggestListClick(row); });
    connect(ignoreButton_, &QPushButton::clicked, this, [this] { IgnoreButtonClick(); });
    connect(ignoreAllButton_, &QPushButton::clicked, this, [this] { IgnoreAllButtonClick(); });
    connect(replaceButton_, &QPushButton::clicked, this, [this] { ReplaceButtonClick(); });
    connect(replaceAllButton_, &QPushButton::clicked, this, [this] { ReplaceAllButtonClick(); });
    connect(addCustomButton_, &QPushButton::clicked, this, [this] { AddCustomButtonClick(); });
    connect(optionsButton_, &QPushButton::clicked, this, [this] { OptionsButtonClick(); });
    connect(cancelSpellcheckButton_, &QPushButton::clicked, this, [this] { CancelSpellcheckButtonClick(); });

    auto* words = new QGridLayout;
    words->addWidget(lblNotInDictionary_, 0, 0);
    words->addWidget(misspell_, 0, 1);
    words->addWidget(suggestionsButton1_, 0, 2);
    words->addWidget(lblReplaceWith_, 1, 0);
    words->addWidget(replaceWith_, 1, 1);
    words->addWidget(suggestionsButton2_, 1, 2);
    words->setColumnStretch(1, 1);

    auto* buttons = new QGridLayout;
    buttons->addWidget(ignoreButton_, 0, 0);
    buttons->addWidget(ignoreAllButton_, 0, 1);
    buttons->addWidget(replaceButton_, 1, 0);
    buttons->addWidget(replaceAllButton_, 1, 1);
    buttons->addWidget(optionsButton_, 2, 0);
    buttons->addWidget(cancelSpellcheckButton_, 2, 1);
    buttons->setRowMinimumHeight(3, 8);
    buttons->addWidget(addCustomButton_, 4, 0, 1, 2);
    buttons->addWidget(customs_, 5, 0, 1, 2);
    buttons->setRowStretch(6, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(suggestList_, 1);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblContext_);
    layout->addWidget(txtDisplay_);
    layout->addLayout(words);
    layout->addLayout(lower, 1);
    resize(480, 330);
}

ISpellingHost* TfrmSpellDialog::PrepareRun(const TOptionSet& options, TSourceMgt& project) {
    if (!options.Bool(Opt::SpellingPerform) ||
        (!options.Bool(Opt::SpellingComments) && !options.Bool(Opt::SpellingLiterals)))
        return nullptr;
    // The work waits for the first text to check: the user may still
    // decline the run.
    runProject_ = &project;
    return this;
}

bool TfrmSpellDialog::StartRun() {
    TSourceMgt* project = std::exchange(runProject_, nullptr);
    if (!speller_.Ready()) {
        ShowWarning(host_, "The spell checker cannot be used: " + speller_.LoadError() +
                               ".\nThe files are styled without spell checking.");
        return false;
    }
    speller_.SetProjectWords(CollectProjectWords(*project));
    return true;
}

void TfrmSpellDialog::ShowContext(const std::string& context, const std::string& text) {
    txtDisplay_->Clear();
    txtDisplay_->AppendLine(context, kBlack, TColor::SystemWindow());
    txtDisplay_->AppendLine(text, kBlack, kCheckedBack);
    txtDisplay_->Refresh();
}

void TfrmSpellDialog::CheckSpelling(const std::string& context, std::string& text, bool& replaced,
                                    bool& cancelled) {
    replaced = false;
    cancelled = false;
    // Without a dictionary the run goes on without spell checking, as if
    // the user had cancelled it.
    if (runProject_ && !StartRun()) {
        cancelled = true;
        return;
    }
    speller_.SetAutoSuggest(false);
    speller_.SetAutoReplace(false);
    speller_.SetAutoPopup(false);
    speller_.SetClearCounts(1);
    speller_.SetCheckText(text + std::string(kPadding, ' '));
    std::int16_t rc = speller_.ResultCode();
    while (rc < 0) {
        if (rc == TVCSpeller::kWordNotFound || rc == TVCSpeller::kReplacementProposed) {
            ShowContext(context, text);
            PrepareWord();
            runModal_(*this);
            rc = speller_.ResultCode();
            if (rc > 0) break;
            if (rc == TVCSpeller::kCancelled) {
                cancelled = true;
                break;
            }
            if (speller_.ReplaceOccurred()) {
                text = WithoutPadding(speller_.Text());
                replaced = true;
            }
        }
        rc = speller_.ResumeCheck();
    }
}

bool TfrmSpellDialog::ShowFirstWord(const std::string& context, const std::string& text) {
    speller_.SetClearCounts(1);
    speller_.SetCheckText(text + std::string(kPadding, ' '));
    const std::int16_t rc = speller_.ResultCode();
    if (rc != TVCSpeller::kWordNotFound && rc != TVCSpeller::kReplacementProposed) return false;
    ShowContext(context, text);
    PrepareWord();
    show();
    return true;
}

void TfrmSpellDialog::PrepareWord() {
    misspell_->setText(AnsiToQString(speller_.MisspelledWord()));
    suggestList_->clear();
    replaceWith_->clear();
    FillSuggestions(misspell_->text());
    if (speller_.ResultCode() == TVCSpeller::kReplacementProposed &&
        speller_.IRAction() == TVCSpeller::kReplaceAlways)
        replaceWith_->setText(AnsiToQString(speller_.ReplacementWord()));
    FillCustoms();
}

void TfrmSpellDialog::FillCustoms() {
    customs_->clear();
    addCustomButton_->setEnabled(true);
    const int count = speller_.CustomCount();
    for (int i = 1; i <= count; ++i) {
        if (!(speller_.CustomStatus(-i) & kCustomCanTakeWords)) continue;
        const std::string path = speller_.CustomFileName(-i);
        const std::size_t slash = path.find_last_of('/');
        customs_->addItem(QString::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1)), -i);
    }
    const bool any = customs_->count() > 0;
    customs_->setEnabled(any);
    addCustomButton_->setEnabled(any);
    if (any) customs_->setCurrentIndex(0);
}

void TfrmSpellDialog::FillSuggestions(const QString& word) {
    // Filling the list moves its selection; that must not count as a click.
    const QSignalBlocker block(suggestList_);
    suggestList_->clear();
    speller_.SetFindSuggestions(QStringToAnsi(word));
    const int count = speller_.SuggestionCount();
    if (count < 1) {
        auto* none = new QListWidgetItem(kNoSuggestions, suggestList_);
        none->setFlags(Qt::NoItemFlags);
        suggestList_->setEnabled(false);
        return;
    }
    for (int i = 1; i <= count; ++i) suggestList_->addItem(AnsiToQString(speller_.Suggestion(i)));
    suggestList_->setEnabled(true);
    suggestList_->setCurrentRow(0);
    replaceWith_->setText(suggestList_->item(0)->text());
}

void TfrmSpellDialog::SuggestionsButton1Click() { FillSuggestions(misspell_->text()); }

void TfrmSpellDialog::SuggestionsButton2Click() { FillSuggestions(replaceWith_->text()); }

void TfrmSpellDialog::SuggestListClick(int row) {
    QListWidgetItem* item = suggestList_->item(row);
    if (item && (item->flags() & Qt::ItemIsEnabled)) replaceWith_->setText(item->text());
}

void TfrmSpellDialog::IgnoreButtonClick() {
    speller_.SetResultCode(TVCSpeller::kFinished);
    done(QDialog::Accepted);
}

void TfrmSpellDialog::IgnoreAllButtonClick() {
    speller_.SetAddToCommonIRList(TVCSpeller::kIgnoreAlways);
    done(QDialog::Accepted);
}

bool TfrmSpellDialog::ReplaceCurrent() {
    const std::string replacement = QStringToAnsi(replaceWith_->text());
    speller_.SetCheckWord(replacement);
    if (speller_.ResultCode() != TVCSpeller::kFinished &&
        host_.ShowMessage(MsgKind::Warning, kNotInDictionary, MsgButtons::YesNo) == MsgResult::No)
        return false;
    speller_.SetReplacementWord(replacement);
    speller_.SetReplaceLastWord(1);
    return true;
}

void TfrmSpellDialog::ReplaceButtonClick() {
    ReplaceCurrent();
    done(QDialog::Accepted);
}

void TfrmSpellDialog::ReplaceAllButtonClick() {
    if (ReplaceCurrent()) {
        speller_.SetReplacementWord(QStringToAnsi(replaceWith_->text()));
        speller_.SetMisspelledWord(QStringToAnsi(misspell_->text()));
        speller_.SetAddToCommonIRList(TVCSpeller::kReplaceAlways);
    }
    done(QDialog::Accepted);
}

void TfrmSpellDialog::AddCustomButtonClick() {
    // The drop-down names the list that takes the word; the first usable
    // one unless the user picked another.
    const int index = customs_->currentIndex() >= 0 ? customs_->currentData().toInt() : -1;
    std::string error;
    if (!speller_.AddToCustom(index, TVCSpeller::kIgnoreAlways, &error)) ShowError(host_, error);
}

void TfrmSpellDialog::OptionsButtonClick() {
    speller_.SetPopupOptions(1);
    // The options may have switched dictionaries on or off.
    if (isVisible()) FillCustoms();
}

void TfrmSpellDialog::CancelSpellcheckButtonClick() {
    speller_.SetResultCode(TVCSpeller::kCancelled);
    QDialog::done(QDialog::Rejected);
}

void TfrmSpellDialog::reject() { CancelSpellcheckButtonClick(); }

void TfrmSpellDialog::ShowSpellerOptions(TVCSpeller& speller) {
    // Over whichever window asked: this dialog, or the options dialog when
    // "Configure Spell Checker" opens it while this one is hidden.
    QWidget* owner = this;
    if (!isVisible()) {
        owner = QApplication::activeModalWidget();
        if (!owner) owner = QApplication::activeWindow();
        if (!owner) owner = parentWidget();
    }
    TfrmSpellOptions options(speller, host_, owner);
    runOptions_(options);
}

}  // namespace plumora
