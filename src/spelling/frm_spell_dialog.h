// TfrmSpellDialog: the dialog through which the user corrects the words of a
// comment or a string literal, one word at a time, during a processing run.
// It owns the speller for the program's life, so the ignore and replace
// lists and the custom dictionaries carry over from check to check.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "host/spelling_host.h"
#include "spelling/vc_speller.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace plumora {

class ICommandHost;
class TBigText;
class TOptionSet;
class TSourceMgt;

class TfrmSpellDialog : public QDialog, public ISpellingHost, public ISpellerOptionsHost {
    Q_OBJECT

public:
    // How the dialog is shown for a word: modally, until a button closes it.
    // Tests replace it to click buttons instead.
    using TModalRunner = std::function<void(TfrmSpellDialog&)>;
    using TOptionsRunner = std::function<void(QDialog&)>;

    // `host` shows the replacement warning and errors.
    TfrmSpellDialog(ICommandHost& host, QWidget* parent = nullptr);
    ~TfrmSpellDialog() override;

    TVCSpeller& VCSpeller() { return speller_; }
    ICommandHost& Host() const { return host_; }

    // Before a run: the spelling host for the formatter when the options
    // ask for spell checking, else null. At the run's first check the
    // project's names become known words; a speller without a dictionary
    // then says so and the run goes on unchecked.
    ISpellingHost* PrepareRun(const TOptionSet& options, TSourceMgt& project);

    // Checks `text` word by word, showing the dialog for each word that
    // needs the user; `context` is the whole line.
    void CheckSpelling(const std::string& context, std::string& text, bool& replaced,
                       bool& cancelled) override;

    // The speller's options dialog, modal.
    void ShowSpellerOptions(TVCSpeller& speller) override;
    // "Configure Spell Checker" of the options dialog: the speller's
    // options without this dialog.
    void ConfigureSpeller() { OptionsButtonClick(); }

    // Fills the dialog for the first word of `text` that needs the user,
    // without waiting for an answer (pictures of the window). False when
    // the text has no such word.
    bool ShowFirstWord(const std::string& context, const std::string& text);

    void SetModalRunner(TModalRunner runner) { runModal_ = std::move(runner); }
    void SetOptionsRunner(TOptionsRunner runner) { runOptions_ = std::move(runner); }

    // Buttons and the suggestion list, as clicks.
    void SuggestionsButton1Click();
    void SuggestionsButton2Click();
    void SuggestListClick(int row);
    void IgnoreButtonClick();
    void IgnoreAllButtonClick();
    void ReplaceButtonClick();
    void ReplaceAllButtonClick();
    void AddCustomButtonClick();
    void OptionsButtonClick();
    void CancelSpellcheckButtonClick();

    TBigText* txtDisplay() const { return txtDisplay_; }
    QLineEdit* Misspell() const { return misspell_; }
    QLineEdit* ReplaceWith() const { return replaceWith_; }
    QListWidget* SuggestList() const { return suggestList_; }
    QComboBox* Customs() const { return customs_; }
    QPushButton* AddCustomButton() const { return addCustomButton_; }

public slots:
    // Escape is Cancel Spellcheck: the dialog has no other way to be left.
    void reject() override;

private:
    void BuildControls();
    void ShowContext(const std::string& context, const std::string& text);
    void PrepareWord();
    void FillSuggestions(const QString& word);
    void FillCustoms();
    // Replace and Replace All share this; false when the user kept the word.
    bool ReplaceCurrent();
    bool StartRun();

    ICommandHost& host_;
    TVCSpeller speller_;
    TModalRunner runModal_;
    TOptionsRunner runOptions_;
    TSourceMgt* runProject_ = nullptr;  // the run's project until its first check

    QLabel* lblContext_ = nullptr;
    TBigText* txtDisplay_ = nullptr;
    QLabel* lblNotInDictionary_ = nullptr;
    QLineEdit* misspell_ = nullptr;
    QPushButton* suggestionsButton1_ = nullptr;
    QLabel* lblReplaceWith_ = nullptr;
    QLineEdit* replaceWith_ = nullptr;
    QPushButton* suggestionsButton2_ = nullptr;
    QListWidget* suggestList_ = nullptr;
    QPushButton* ignoreButton_ = nullptr;
    QPushButton* ignoreAllButton_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceAllButton_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    QPushButton* cancelSpellcheckButton_ = nullptr;
    QPushButton* addCustomButton_ = nullptr;
    QComboBox* customs_ = nullptr;
};

}  // namespace plumora
