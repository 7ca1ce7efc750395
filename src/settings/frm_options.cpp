// The options dialog's behaviour: its bound controls kept in step with the
// live option set, showing (reload), OK (save), the page list, the enabling
// rules, the directory field and the header template editors.
#include "settings/frm_options.h"

#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTabWidget>

#include "host/command_host.h"
#include "settings/option_set.h"
#include "settings/qt_ansi_text.h"
#include "settings/qt_ini_controls.h"
#include "ui/help_window.h"

namespace plumora {

namespace {

constexpr const char* kSettingsFile = "VBPLUMO3.INI";
constexpr int kPageContexts[] = {11, 12, 13, 15, 16, 17, 71};
constexpr int kTabContexts[] = {13, 14, 29, 30, 13};
constexpr int kCommentsPage = 2;

std::vector<std::string> EditorLines(const QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    const QString text = memo->toPlainText();
    if (text.isEmpty()) return lines;
    QStringList parts = text.split('\n');
    // A final line end does not start another line, as in a text file.
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& part : parts) lines.push_back(QStringToAnsi(part));
    return lines;
}

QString EditorText(const std::vector<std::string>& lines) {
    QStringList parts;
    for (const std::string& line : lines) parts.append(AnsiToQString(line));
    return parts.join('\n');
}

}  // namespace

const std::vector<QString>& TfrmOptions::PageCaptions() {
    static const std::vector<QString> captions = {"General",     "Indents", "Comments", "Blank Lines",
                                                  "Spell Check", "Save",    "User"};
    return captions;
}

const std::vector<QString>& TfrmOptions::CommentTabCaptions() {
    static const std::vector<QString> captions = {"Single Line", "In-line", "Subroutines",
                                                  "Functions", "Special"};
    return captions;
}

TfrmOptions::TfrmOptions(TOptionSet& options, ICommandHost& host, QWidget* parent)
    : QDialog(parent), options_(options), host_(host) {
    setObjectName("frmOptions");
    setWindowTitle("Options");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont("Arial", 8));
    setFixedSize(580, 395);

    ChooseDirectory = [](QWidget* owner, const QString& start) {
        QString dir = start;
        dir.replace('\\', '/');
        return QFileDialog::getExistingDirectory(owner, "Select Directory", dir);
    };
    TemplateDialogs = TTemplateFileDialogs::Platform();

    // Controls first, in catalogue order: that is their creation order, which
    // the load walk follows.
    CreateControls();
    BuildLayout();
    new QShortcut(QKeySequence::HelpContents, this, [this] { HelpClick(); });
    SyncFromOptions();
    lstPages_->setCurrentRow(0);
}

TfrmOptions::~TfrmOptions() = default;

void TfrmOptions::CreateControls() {
    for (const OptionDef& def : OptionCatalogue()) {
        QWidget* control = CreateControl(def);
        control->setToolTip(def.Help);
        auto* bound = dynamic_cast<TINIBound*>(control);
        bound->INISection = def.Section;
        bound->INIKeyword = def.Key;
        controls_[static_cast<std::size_t>(def.Id)] = control;
    }
}

QWidget* TfrmOptions::CreateControl(const OptionDef& def) {
    const Opt id = def.Id;
    const QString key = def.Key;
    auto changed = [this, id] { ControlChanged(id); };
    switch (def.Kind) {
        case OptionKind::Check: {
            auto* c = new TINICheckBox(def.Caption, this);
            c->setObjectName("chk" + key);
            connect(c, &QCheckBox::toggled, this, changed);
            return c;
        }
        case OptionKind::Radio: {
            auto* c = new TINIRadioButton(def.Caption, this);
            c->setObjectName("rdo" + key);
            connect(c, &QRadioButton::toggled, this, changed);
            return c;
        }
        case OptionKind::Number: {
            auto* c = new TINISpinEdit(this);
            c->setObjectName("spn" + key);
            c->setRange(def.Min, def.Max);
            c->setFixedWidth(46);
            connect(c, &QSpinBox::valueChanged, this, changed);
            return c;
        }
        case OptionKind::Choice: {
            auto* c = new TINIRadioGroup(def.Caption, this);
            c->setObjectName("rGrp" + key);
            for (const char* caption : def.Choices) c->AddItem(caption);
            connect(c, &TINIRadioGroup::ItemIndexChanged, this, changed);
            return c;
        }
        case OptionKind::Text: {
            auto* c = new TINIEdit(this);
            c->setObjectName("edt" + key);
            c->SetTypingLimit(def.MaxLength);
            connect(c, &QLineEdit::textChanged, this, changed);
            return c;
        }
    }
    return nullptr;
}

void TfrmOptions::ControlChanged(Opt id) {
    if (syncing_) return;
    QWidget* c = Control(id);
    switch (OptionInfo(id).Kind) {
        case OptionKind::Check: options_.SetBool(id, static_cast<TINICheckBox*>(c)->isChecked()); break;
        case OptionKind::Radio: options_.SetBool(id, static_cast<TINIRadioButton*>(c)->isChecked()); break;
        case OptionKind::Number: options_.SetInt(id, static_cast<TINISpinEdit*>(c)->value()); break;
        case OptionKind::Choice: options_.SetInt(id, static_cast<TINIRadioGroup*>(c)->ItemIndex()); break;
        case OptionKind::Text: options_.SetText(id, QStringToAnsi(static_cast<TINIEdit*>(c)->text())); break;
    }
    UpdateRules();
}

void TfrmOptions::PushAllToOptions() {
    for (const OptionDef& def : OptionCatalogue()) ControlChanged(def.Id);
}

void TfrmOptions::SyncFromOptions() {
    syncing_ = true;
    for (const OptionDef& def : OptionCatalogue()) {
        QWidget* c = Control(def.Id);
        switch (def.Kind) {
            case OptionKind::Check: static_cast<TINICheckBox*>(c)->setChecked(options_.Bool(def.Id)); break;
            case OptionKind::Radio: static_cast<TINIRadioButton*>(c)->SetOn(options_.Bool(def.Id)); break;
            case OptionKind::Number: static_cast<TINISpinEdit*>(c)->setValue(options_.Int(def.Id)); break;
            case OptionKind::Choice: static_cast<TINIRadioGroup*>(c)->SetItemIndex(options_.Int(def.Id)); break;
            case OptionKind::Text: {
                static_cast<TINIEdit*>(c)->SetValueText(AnsiToQString(options_.Text(def.Id)));
                break;
            }
        }
    }
    syncing_ = false;
    ShowTemplates();
    UpdateRules();
}

void TfrmOptions::ShowTemplates() {
    syncing_ = true;
    const QString sub = EditorText(options_.SubHeaderTemplate);
    if (memoSubLevelComments_->toPlainText() != sub) memoSubLevelComments_->setPlainText(sub);
    const QString function = EditorText(options_.FunctionHeaderTemplate);
    if (memoFunctionLevelComments_->toPlainText() != function)
        memoFunctionLevelComments_->setPlainText(function);
    syncing_ = false;
}

void TfrmOptions::TemplateEdited(QPlainTextEdit* memo, std::vector<std::string>& lines) {
    if (!syncing_) lines = EditorLines(memo);
}

void TfrmOptions::UpdateRules() {
    const bool spelling = Bound<TINICheckBox>(Opt::SpellingPerform)->isChecked();
    Control(Opt::SpellingLiterals)->setEnabled(spelling);
    Control(Opt::SpellingComments)->setEnabled(spelling);
    const bool fixedColumn = Bound<TINIRadioGroup>(Opt::GrpInLineComments)->ItemIndex() == 1;
    Control(Opt::GrpInLineCommentsFixedColUnavail)->setVisible(fixedColumn);
    Control(Opt::InLineCommentsUnavailColIndent)->setVisible(fixedColumn);
}

void TfrmOptions::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Each showing brings back the stored values over whatever was
        // changed and cancelled since.
        SyncFromOptions();
        const TIoResult loaded = LoadINIControls(this, kSettingsFile);
        if (!loaded.Ok) ShowWarning(host_, loaded.Error);
        PushAllToOptions();
        options_.LoadCommentHeaders(host_);
        ShowTemplates();
        UpdateRules();
        tabComments_->setCurrentIndex(0);
        lstPages_->setCurrentRow(0);
        PageSelected(0);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void TfrmOptions::accept() {
    const TIoResult saved = SaveINIControls(this, kSettingsFile);
    if (!saved.Ok) {
        ShowError(host_, saved.Error);
        return;
    }
    QDialog::accept();
}

bool TfrmOptions::SelectPage(const QString& caption) {
    const auto& captions = PageCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == caption) {
            lstPages_->setCurrentRow(static_cast<int>(i));
            PageSelected(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

bool TfrmOptions::SelectCommentTab(const QString& caption) {
    const auto& captions = CommentTabCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == caption) {
            tabComments_->setCurrentIndex(static_cast<int>(i));
            TabSelected(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

QString TfrmOptions::CurrentPage() const {
    const int row = pages_->currentIndex();
    return row >= 0 ? PageCaptions()[static_cast<std::size_t>(row)] : QString();
}

void TfrmOptions::PageSelected(int row) {
    if (row < 0 || row >= static_cast<int>(PageCaptions().size())) return;
    pages_->setCurrentIndex(row);
    setWindowTitle("Options - " + PageCaptions()[static_cast<std::size_t>(row)]);
    helpContext_ = kPageContexts[row];
    // The Comments page answers Help for the tab in view.
    if (row == kCommentsPage) TabSelected(tabComments_->currentIndex());
}

void TfrmOptions::TabSelected(int index) {
    if (pages_->currentIndex() == kCommentsPage && index >= 0 && index < 5)
        helpContext_ = kTabContexts[index];
}

bool TfrmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Control(Opt::BackupNewCodeDirectory) && event->type() == QEvent::FocusOut) {
        auto* edit = Bound<TINIEdit>(Opt::BackupNewCodeDirectory);
        if (!edit->text().endsWith('\\')) edit->setText(edit->text() + '\\');
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmOptions::BrowseDirectoryClick() {
    auto* edit = Bound<TINIEdit>(Opt::BackupNewCodeDirectory);
    const QString chosen = ChooseDirectory(this, edit->text());
    if (!chosen.isEmpty()) edit->setText(chosen);
}

void TfrmOptions::TemplateFileClick(QPlainTextEdit* memo, std::vector<std::string>& lines,
                                    Opt fileOption) {
    std::vector<std::string> changed = lines;
    std::string fileName = options_.Text(fileOption);
    if (!SaveOrLoadTemplate(this, host_, TemplateDialogs, changed, fileName)) return;
    lines = std::move(changed);
    Bound<TINIEdit>(fileOption)->SetValueText(AnsiToQString(fileName));
    syncing_ = true;
    memo->setPlainText(EditorText(lines));
    syncing_ = false;
}

void TfrmOptions::SubTemplateFileClick() {
    TemplateFileClick(memoSubLevelComments_, options_.SubHeaderTemplate, Opt::SubLevelCommentsFile);
}

void TfrmOptions::FunctionTemplateFileClick() {
    TemplateFileClick(memoFunctionLevelComments_, options_.FunctionHeaderTemplate,
                      Opt::FunctionLevelCommentsFile);
}

void TfrmOptions::SetSpellCheckerOptions(std::function<void()> show) {
    spellCheckerOptions_ = std::move(show);
    btnSpellOptions_->setEnabled(static_cast<bool>(spellCheckerOptions_));
}

void TfrmOptions::SpellOptionsClick() {
    if (spellCheckerOptions_) spellCheckerOptions_();
}

void TfrmOptions::HelpClick() { ShowHelpContext(this, helpContext_); }

}  // namespace plumora
