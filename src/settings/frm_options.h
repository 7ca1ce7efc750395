// TfrmOptions: the options dialog. Its bound controls mirror the program's
// live option set at every moment: a change in the dialog is live at once,
// OK writes the settings file, and each showing reloads the stored values.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "settings/frm_save_or_load.h"
#include "settings/option_catalogue.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;

namespace plumora {

class ICommandHost;
class TINICheckBox;
class TINIEdit;
class TINIRadioGroup;
class TINISpinEdit;
class TOptionSet;

class TfrmOptions : public QDialog {
    Q_OBJECT

public:
    // Page captions in list order, and the tabs of the Comments page.
    static const std::vector<QString>& PageCaptions();
    static const std::vector<QString>& CommentTabCaptions();

    TfrmOptions(TOptionSet& options, ICommandHost& host, QWidget* parent = nullptr);
    ~TfrmOptions() override;

    // Copies the live option set into the controls (after the main window
    // reloaded it from the settings file).
    void SyncFromOptions();

    // The bound control of an option.
    QWidget* Control(Opt id) const { return controls_[static_cast<std::size_t>(id)]; }
    QPlainTextEdit* SubTemplateEditor() const { return memoSubLevelComments_; }
    QPlainTextEdit* FunctionTemplateEditor() const { return memoFunctionLevelComments_; }

    // Page and tab selection as the user makes it; false for an unknown caption.
    bool SelectPage(const QString& caption);
    bool SelectCommentTab(const QString& caption);
    QString CurrentPage() const;
    int HelpContext() const { return helpContext_; }

    // Replaceable dialogs (tests): the directory chooser of the Save page,
    // given the field's text and returning the chosen directory or "" for
    // cancel, and the dialogs of the template Save/Load flow.
    std::function<QString(QWidget* parent, const QString& start)> ChooseDirectory;
    TTemplateFileDialogs TemplateDialogs;

    // What "Configure Spell Checker" opens: the speller's options. The
    // button is disabled until it is set.
    void SetSpellCheckerOptions(std::function<void()> show);

    // The template buttons beside "Load from file:".
    void SubTemplateFileClick();
    void FunctionTemplateFileClick();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const OptionDef& def);
    void BuildLayout();
    QWidget* BuildGeneralPage();
    QWidget* BuildIndentsPage();
    QWidget* BuildCommentsPage();
    QWidget* BuildSingleLineTab();
    QWidget* BuildInLineTab();
    QWidget* BuildTemplateTab(Opt perform, Opt group, Opt before, Opt after, Opt file,
                              QPlainTextEdit*& memo, QToolButton*& button);
    QWidget* BuildSpecialTab();
    QWidget* BuildBlankLinesPage();
    QWidget* BuildSpellCheckPage();
    QWidget* BuildSavePage();
    QWidget* BuildUserPage();

    template <class T>
    T* Bound(Opt id) const {
        return static_cast<T*>(Control(id));
    }

    void ControlChanged(Opt id);
    void PushAllToOptions();
    void ShowTemplates();
    void TemplateEdited(QPlainTextEdit* memo, std::vector<std::string>& lines);
    void TemplateFileClick(QPlainTextEdit* memo, std::vector<std::string>& lines, Opt fileOption);
    void UpdateRules();
    void PageSelected(int row);
    void TabSelected(int index);
    void BrowseDirectoryClick();
    void SpellOptionsClick();
    void HelpClick();

    TOptionSet& options_;
    ICommandHost& host_;
    std::array<QWidget*, kOptionCount> controls_{};
    bool syncing_ = false;
    int helpContext_ = 11;

    QListWidget* lstPages_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QTabWidget* tabComments_ = nullptr;
    QPlainTextEdit* memoSubLevelComments_ = nullptr;
    QPlainTextEdit* memoFunctionLevelComments_ = nullptr;
    QToolButton* btnSubFile_ = nullptr;
    QToolButton* btnFunctionFile_ = nullptr;
    QToolButton* btnSelectDirectory_ = nullptr;
    QPushButton* btnSpellOptions_ = nullptr;
    std::function<void()> spellCheckerOptions_;
};

}  // namespace plumora
