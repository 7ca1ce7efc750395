// The options dialog: showing reloads the stored values into the controls and
// the live option set, changes are live at once, OK writes the settings file,
// the enabling rules, the directory field and the header template files.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "settings/frm_options.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"
#include "settings/qt_ini_controls.h"
#include "settings/frm_save_or_load.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, ch.unicode(), Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

class OptionsDialogTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    ScriptedCommandHost host;
    TOptionSet options;

    std::string IniPath() const { return config.Str() + "/VBPLUMO3.INI"; }
    void WriteIni(const std::string& text) const { config.Write("VBPLUMO3.INI", text); }

    template <class T>
    static T* Get(TfrmOptions& dlg, Opt id) {
        auto* c = dynamic_cast<T*>(dlg.Control(id));
        EXPECT_NE(c, nullptr) << OptionInfo(id).Key;
        return c;
    }
};


// A stored value other than the default for every option, as the file holds
// it; the three radio groups get a button other than their default one.
std::string NonDefault(const OptionDef& def, const std::string& dir) {
    switch (def.Kind) {
        case OptionKind::Check: return def.Default ? "0" : "1";
        case OptionKind::Radio: {
            const std::string key = def.Key;
            const bool on = key == "SubLevelCommentsBeforeProcedure" ||
                            key == "FunctionLevelCommentsBeforeProcedure" ||
                            key == "BackupAllFiles";
            return on ? "1" : "0";
        }
        case OptionKind::Number: return std::to_string(def.Default == 80 ? 79 : def.Default + 1 + static_cast<int>(def.Id) % 9);
        case OptionKind::Choice: return std::to_string((def.Default + 1) % static_cast<int>(def.Choices.size()));
        case OptionKind::Text: {
            const std::string key = def.Key;
            if (key == "SubLevelCommentsFile") return dir + "/sub.txt";
            if (key == "FunctionLevelCommentsFile") return dir + "/function.txt";
            return def.MaxLength > 0 ? std::string("#") : "Value of " + key;
        }
    }
    return {};
}

TEST_F(OptionsDialogTest, EveryOptionMakesTheRoundTripThroughTheDialog) {
    config.Write("sub.txt", "'sub line 1\r\n'sub line 2\r\n");
    config.Write("function.txt", "'function line\n");
    std::string ini = "; kept\r\n";
    std::string section;
    for (const OptionDef& def : OptionCatalogue()) {
        if (def.Section != section) ini += "[" + (section = def.Section) + "]\r\n";
        ini += std::string(def.Key) + "=" + NonDefault(def, config.Str()) + "\r\n";
    }
    WriteIni(ini);

    TfrmOptions dlg(options, host);
    dlg.show();
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().front();
    for (const OptionDef& def : OptionCatalogue())
        EXPECT_EQ(options.ValueString(def.Id), NonDefault(def, config.Str())) << def.Key;
    EXPECT_EQ(options.SubHeaderTemplate, (std::vector<std::string>{"'sub line 1", "'sub line 2"}));
    EXPECT_EQ(options.FunctionHeaderTemplate, std::vector<std::string>{"'function line"});
    EXPECT_EQ(dlg.SubTemplateEditor()->toPlainText(), "'sub line 1\n'sub line 2");

    // Saving writes back exactly what was read.
    std::filesystem::remove(IniPath());
    dlg.findChild<QPushButton*>("btnOK")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    TIniFile saved(IniPath());
    ASSERT_TRUE(saved.Load());
    for (const OptionDef& def : OptionCatalogue())
        EXPECT_EQ(saved.Value(def.Section, def.Key), NonDefault(def, config.Str())) << def.Key;
    WriteIni(ini);
    dlg.show();
    dlg.accept();
    EXPECT_EQ(ReadAll(IniPath()), ini);
}

TEST_F(OptionsDialogTest, ControlsAndTemplatesChangeTheLiveOptionsAtOnce) {
    TfrmOptions dlg(options, host);
    dlg.show();
    Get<QSpinBox>(dlg, Opt::IfThenElseIndent)->setValue(9);
    Get<TINIRadioGroup>(dlg, Opt::GrpBlankLines)->Item(2)->click();
    Get<QLineEdit>(dlg, Opt::UserName)->setText("Ann");
    Get<TINIRadioButton>(dlg, Opt::BackupOnlyNewFiles)->click();
    dlg.SubTemplateEditor()->setPlainText("'one\n'two\n");
    EXPECT_EQ(options.Int(Opt::IfThenElseIndent), 9);
    EXPECT_EQ(options.Int(Opt::GrpBlankLines), 2);
    EXPECT_EQ(options.Text(Opt::UserName), "Ann");
    EXPECT_TRUE(options.Bool(Opt::BackupOnlyNewFiles));
    EXPECT_FALSE(options.Bool(Opt::BackupMAKFiles));
    EXPECT_EQ(options.SubHeaderTemplate, (std::vector<std::string>{"'one", "'two"}));

    // And the other way: a reload by the main window reaches the controls.
    options.SetInt(Opt::ForNextIndent, 12);
    options.SetBool(Opt::BackupAllFiles, true);
    dlg.SyncFromOptions();
    EXPECT_EQ(Get<QSpinBox>(dlg, Opt::ForNextIndent)->value(), 12);
    EXPECT_TRUE(Get<TINIRadioButton>(dlg, Opt::BackupAllFiles)->isChecked());
    EXPECT_FALSE(Get<TINIRadioButton>(dlg, Opt::BackupOnlyNewFiles)->isChecked());
}

TEST_F(OptionsDialogTest, CancelKeepsChangesLiveAndTheNextShowingRestoresTheStoredValues) {
    WriteIni("[Indents]\r\nIfThenElseIndent=6\r\n");
    TfrmOptions dlg(options, host);
    dlg.show();
    EXPECT_EQ(options.Int(Opt::IfThenElseIndent), 6);
    Get<QSpinBox>(dlg, Opt::IfThenElseIndent)->setValue(9);
    Get<QCheckBox>(dlg, Opt::CreateLog)->setChecked(true);
    dlg.findChild<QPushButton*>("btnCancel")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(options.Int(Opt::IfThenElseIndent), 9);
    EXPECT_TRUE(options.Bool(Opt::CreateLog));
    EXPECT_EQ(ReadAll(IniPath()), "[Indents]\r\nIfThenElseIndent=6\r\n");

    dlg.show();
    EXPECT_EQ(Get<QSpinBox>(dlg, Opt::IfThenElseIndent)->value(), 6);
    EXPECT_EQ(options.Int(Opt::IfThenElseIndent), 6);
    // Not stored at all: the changed value stays, as with any missing key.
    EXPECT_TRUE(options.Bool(Opt::CreateLog));
}

TEST_F(OptionsDialogTest, TypingLimitsNeverCutAStoredText) {
    WriteIni("[SingleLineComments]\r\nSingleLineCommentBlockCharacters=~-~-~-~\r\n");
    TfrmOptions dlg(options, host);
    dlg.show();
    auto* edit = Get<QLineEdit>(dlg, Opt::SingleLineCommentBlockCharacters);
    EXPECT_EQ(edit->text(), "~-~-~-~");
    EXPECT_EQ(options.Text(Opt::SingleLineCommentBlockCharacters), "~-~-~-~");
    edit->clear();
    Type(edit, "1234567");
    EXPECT_EQ(edit->text().size(), 7);
    options.SetText(Opt::SingleLineCommentBlockCharacters, "*");
    dlg.SyncFromOptions();
    edit->clear();
    Type(edit, "1234567");
    EXPECT_EQ(options.Text(Opt::SingleLineCommentBlockCharacters), "12345");
}

TEST_F(OptionsDialogTest, EnablingRulesFollowTheValuesOnLoadAndOnChange) {
    struct TCase {
        const char* Ini;
        bool SpellingOn;
        bool FallbackShown;
    } cases[] = {
        {"", false, true},
        {"[SpellCheck]\r\nSpellingPerform=1\r\n[InLineComments]\r\nGrpInLineComments=0\r\n", true, false},
        {"[InLineComments]\r\nGrpInLineComments=2\r\n", false, false},
        {"[InLineComments]\r\nGrpInLineComments=3\r\n", false, false},
    };
    for (const TCase& c : cases) {
        WriteIni(c.Ini);
        TfrmOptions dlg(options, host);
        dlg.show();
        ASSERT_TRUE(dlg.SelectPage("Spell Check"));
        EXPECT_EQ(Get<QCheckBox>(dlg, Opt::SpellingLiterals)->isEnabled(), c.SpellingOn) << c.Ini;
        EXPECT_EQ(Get<QCheckBox>(dlg, Opt::SpellingComments)->isEnabled(), c.SpellingOn) << c.Ini;
        ASSERT_TRUE(dlg.SelectPage("Comments"));
        ASSERT_TRUE(dlg.SelectCommentTab("In-line"));
        EXPECT_EQ(dlg.Control(Opt::GrpInLineCommentsFixedColUnavail)->isVisible(), c.FallbackShown) << c.Ini;
        EXPECT_EQ(dlg.Control(Opt::InLineCommentsUnavailColIndent)->isVisible(), c.FallbackShown) << c.Ini;

        Get<QCheckBox>(dlg, Opt::SpellingPerform)->click();
        EXPECT_EQ(Get<QCheckBox>(dlg, Opt::SpellingComments)->isEnabled(), !c.SpellingOn);
        auto* inLine = Get<TINIRadioGroup>(dlg, Opt::GrpInLineComments);
        inLine->Item(c.FallbackShown ? 0 : 1)->click();
        EXPECT_EQ(dlg.Control(Opt::GrpInLineCommentsFixedColUnavail)->isVisible(), !c.FallbackShown);
        options.ResetToDefaults();
    }
}

TEST_F(OptionsDialogTest, PagesAndTabsSetTheCaptionAndTheHelpContext) {
    TfrmOptions dlg(options, host);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Options - General");
    EXPECT_EQ(dlg.HelpContext(), 11);
    const std::vector<int> pageContexts = {11, 12, 13, 15, 16, 17, 71};
    for (std::size_t i = 0; i < pageContexts.size(); ++i) {
        const QString page = TfrmOptions::PageCaptions()[i];
        dlg.findChild<QListWidget*>("lstOptions")->setCurrentRow(static_cast<int>(i));
        EXPECT_EQ(dlg.CurrentPage(), page);
        EXPECT_EQ(dlg.windowTitle(), "Options - " + page);
        EXPECT_EQ(dlg.HelpContext(), pageContexts[i]) << page.toStdString();
    }
    ASSERT_TRUE(dlg.SelectPage("Comments"));
    const std::vector<int> tabContexts = {13, 14, 29, 30, 13};
    for (std::size_t i = 0; i < tabContexts.size(); ++i) {
        dlg.findChild<QTabWidget*>("tabComments")->setCurrentIndex(static_cast<int>(i));
        EXPECT_EQ(dlg.HelpContext(), tabContexts[i]) << i;
    }
    EXPECT_FALSE(dlg.SelectPage("Nowhere"));

    // Showing again starts over at General and the Single Line tab.
    dlg.hide();
    dlg.show();
    EXPECT_EQ(dlg.CurrentPage(), "General");
    EXPECT_EQ(dlg.findChild<QTabWidget*>("tabComments")->currentIndex(), 0);
}

TEST_F(OptionsDialogTest, DirectoryFieldGetsItsBackslashWhenFocusLeaves) {
    TfrmOptions dlg(options, host);
    dlg.show();
    auto* edit = Get<QLineEdit>(dlg, Opt::BackupNewCodeDirectory);
    struct TCase {
        const char* Typed;
        const char* After;
    } cases[] = {{"C:\\out", "C:\\out\\"}, {"", "\\"}, {"rel\\", "rel\\"}, {"/tmp/x", "/tmp/x\\"}};
    for (const TCase& c : cases) {
        edit->setText(c.Typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(edit, &out);
        EXPECT_EQ(edit->text().toStdString(), c.After);
        EXPECT_EQ(options.Text(Opt::BackupNewCodeDirectory), c.After);
    }

    QString started;
    dlg.ChooseDirectory = [&](QWidget*, const QString& start) {
        started = start;
        return QString();
    };
    dlg.findChild<QToolButton*>("btnSelectDirectory")->click();
    EXPECT_EQ(started, "/tmp/x\\");
    EXPECT_EQ(edit->text(), "/tmp/x\\");

    dlg.ChooseDirectory = [](QWidget*, const QString&) { return QString("/chosen/dir"); };
    dlg.findChild<QToolButton*>("btnSelectDirectory")->click();
    dlg.accept();
    TIniFile saved(IniPath());
    ASSERT_TRUE(saved.Load());
    EXPECT_EQ(saved.Value("BackupInformation", "BackupNewCodeDirectory"), "/chosen/dir");
}

TEST_F(OptionsDialogTest, RefusedSaveShowsTheErrorAndKeepsTheDialogOpen) {
    std::filesystem::create_directory(IniPath());  // a directory cannot be read or replaced
    TfrmOptions dlg(options, host);
    dlg.show();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Warning);
    Get<QSpinBox>(dlg, Opt::DoLoopIndent)->setValue(3);
    dlg.findChild<QPushButton*>("btnOK")->click();
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[1].Kind, MsgKind::Error);
    EXPECT_EQ(host.Messages[1].Text, "Unable to write to " + IniPath());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(options.Int(Opt::DoLoopIndent), 3);
}

TEST_F(OptionsDialogTest, SpellCheckerButtonOpensWhatItIsGiven) {
    TfrmOptions dlg(options, host);
    dlg.show();
    auto* button = dlg.findChild<QPushButton*>("btnSpellOptions");
    EXPECT_FALSE(button->isEnabled()) << "nothing to open without a speller";
    int opened = 0;
    dlg.SetSpellCheckerOptions([&] { ++opened; });
    ASSERT_TRUE(button->isEnabled());
    button->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(host.Messages.empty());
}

// The Save/Load flow of the template buttons, with every dialog scripted.
class TemplateFileTest : public OptionsDialogTest {
protected:
    TSaveOrLoadChoice answer = TSaveOrLoadChoice::Cancel;
    QString fileName;
    std::vector<QString> asked;  // titles of the file dialogs shown

    void Script(TfrmOptions& dlg) {
        dlg.TemplateDialogs.Ask = [this](QWidget*) { return answer; };
        auto file = [this](QWidget*, const QString& title, const QString& filter) {
            asked.push_back(title);
            EXPECT_EQ(filter, "Text Files (*.TXT *.txt);;All Files (*)");
            return fileName;
        };
        dlg.TemplateDialogs.SaveName = file;
        dlg.TemplateDialogs.OpenName = file;
    }
};

TEST_F(TemplateFileTest, CancelAtEitherStepChangesNothing) {
    TfrmOptions dlg(options, host);
    dlg.show();
    Script(dlg);
    const auto before = options.SubHeaderTemplate;
    for (TSaveOrLoadChoice choice :
         {TSaveOrLoadChoice::Cancel, TSaveOrLoadChoice::Save, TSaveOrLoadChoice::Load}) {
        answer = choice;
        dlg.SubTemplateFileClick();
    }
    EXPECT_EQ(asked, (std::vector<QString>{"Save Comment Header", "Open Comment Header"}));
    EXPECT_EQ(options.SubHeaderTemplate, before);
    EXPECT_EQ(options.Text(Opt::SubLevelCommentsFile), "");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TemplateFileTest, SaveWritesTheTemplateAndLoadReplacesIt) {
    TfrmOptions dlg(options, host);
    dlg.show();
    Script(dlg);
    answer = TSaveOrLoadChoice::Save;
    fileName = QString::fromStdString(config.Str() + "/saved.txt");
    dlg.findChild<QToolButton*>("btnFunctionLevelCommentsFile")->click();
    std::string expected;
    for (const std::string& line : TOptionSet::BuiltInFunctionHeader()) expected += line + "\r\n";
    EXPECT_EQ(ReadAll(config.Path() / "saved.txt"), expected);
    EXPECT_EQ(options.Text(Opt::FunctionLevelCommentsFile), fileName.toStdString());

    answer = TSaveOrLoadChoice::Load;
    fileName = QString::fromStdString(config.Write("other.txt", "'a\r\n'b"));
    dlg.findChild<QToolButton*>("btnSubLevelCommentsFile")->click();
    EXPECT_EQ(options.SubHeaderTemplate, (std::vector<std::string>{"'a", "'b"}));
    EXPECT_EQ(dlg.SubTemplateEditor()->toPlainText(), "'a\n'b");
    EXPECT_EQ(options.Text(Opt::SubLevelCommentsFile), fileName.toStdString());
    EXPECT_EQ(Get<QLineEdit>(dlg, Opt::SubLevelCommentsFile)->text(), fileName);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TemplateFileTest, UnreadableOrUnwritableFilesShowAnErrorAndChangeNothing) {
    TfrmOptions dlg(options, host);
    dlg.show();
    Script(dlg);
    const auto before = options.SubHeaderTemplate;
    struct TCase {
        TSaveOrLoadChoice Choice;
        std::string File;
    } cases[] = {
        {TSaveOrLoadChoice::Load, config.Write("binary.txt", std::string("'a\0b", 4))},
        {TSaveOrLoadChoice::Load, config.Write("huge.txt", std::string(300 * 1024, 'x'))},
        {TSaveOrLoadChoice::Load, config.Str() + "/missing.txt"},
        {TSaveOrLoadChoice::Save, config.Write("plain", "x") + "/below-a-file.txt"},
    };
    for (const TCase& c : cases) {
        answer = c.Choice;
        fileName = QString::fromStdString(c.File);
        dlg.SubTemplateFileClick();
        ASSERT_FALSE(host.Messages.empty()) << c.File;
        EXPECT_EQ(host.Messages.back().Kind, MsgKind::Error) << c.File;
        EXPECT_EQ(options.SubHeaderTemplate, before) << c.File;
        EXPECT_EQ(options.Text(Opt::SubLevelCommentsFile), "") << c.File;
    }
    EXPECT_EQ(host.Messages.size(), 4u);
}


TEST_F(OptionsDialogTest, MainWindowShowsTheDialogModallyAndSyncsItAfterAnOpen) {
    WriteIni("[Indents]\r\nIfThenElseIndent=7\r\n");
    TfrmMain w(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    TfrmOptions* dlg = w.OptionsDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->isVisible());
    ASSERT_TRUE(w.OpenProjectFile(std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp"));
    EXPECT_EQ(Get<QSpinBox>(*dlg, Opt::IfThenElseIndent)->value(), 7);

    bool wasModal = false;
    QTimer::singleShot(0, dlg, [&] {
        wasModal = dlg->isVisible() && dlg->isModal();
        Get<QSpinBox>(*dlg, Opt::IfThenElseIndent)->setValue(5);
        dlg->reject();
    });
    w.findChild<QAction*>("btnOptions")->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(w.Options().Int(Opt::IfThenElseIndent), 5);
}

// Set PLUMORA_GRAB_DIR to save a picture of every page and Comments tab.
TEST_F(OptionsDialogTest, GrabEveryPage) {
    const char* dir = std::getenv("PLUMORA_GRAB_DIR");
    if (!dir) GTEST_SKIP() << "PLUMORA_GRAB_DIR not set";
    WriteIni("[InLineComments]\r\nGrpInLineComments=1\r\n");
    TfrmOptions dlg(options, host);
    dlg.show();
    for (const QString& page : TfrmOptions::PageCaptions()) {
        ASSERT_TRUE(dlg.SelectPage(page));
        if (page == "Comments") {
            for (const QString& tab : TfrmOptions::CommentTabCaptions()) {
                ASSERT_TRUE(dlg.SelectCommentTab(tab));
                QApplication::processEvents();
                dlg.grab().save(QString(dir) + "/Comments-" + tab + ".png");
            }
            continue;
        }
        QApplication::processEvents();
        dlg.grab().save(QString(dir) + "/" + page + ".png");
    }
    TfrmSaveOrLoad question(&dlg);
    question.show();
    QApplication::processEvents();
    question.grab().save(QString(dir) + "/SaveOrLoad.png");
}

}  // namespace
}  // namespace plumora
