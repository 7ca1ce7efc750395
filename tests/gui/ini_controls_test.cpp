// INI-bound controls: each kind's load and save encodings, the walk in
// creation order, and the file handling of LoadINIControls/SaveINIControls.
#include <string>
#include <vector>

#include <QMainWindow>
#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "settings/qt_ini_controls.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::TempDir;

template <class T>
T* Bind(T* control, const char* key) {
    control->INISection = "S";
    control->INIKeyword = key;
    return control;
}

// A form with one bound control of each simple kind under section "S".
struct TForm {
    QWidget form;
    TINICheckBox* check = Bind(new TINICheckBox("c", &form), "Check");
    TINISpinEdit* spin = Bind(new TINISpinEdit(&form), "Spin");
    TINIRadioGroup* group = Bind(new TINIRadioGroup("g", &form), "Group");
    TINIEdit* edit = Bind(new TINIEdit(&form), "Edit");
    TINIMaskEdit* mask = Bind(new TINIMaskEdit("99-99", &form), "Mask");
    TINISpeedButton* speed = Bind(new TINISpeedButton(&form), "Speed");
    TINIComboBox* combo = Bind(new TINIComboBox(&form), "Combo");
    TINIListBox* list = Bind(new TINIListBox(&form), "List");

    TForm() {
        spin->setRange(1, 80);
        spin->setValue(7);
        for (const char* item : {"a", "b", "c"}) {
            group->AddItem(item);
            combo->addItem(item);
            list->addItem(item);
        }
        group->SetItemIndex(1);
        check->setChecked(true);
        edit->setText("keep");
        combo->INISaveIndex = true;
        combo->setCurrentIndex(2);
        list->INISaveIndex = true;
        list->setCurrentRow(2);
    }
};

class IniControlsTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};

    std::string Load(QWidget* form, const std::string& ini) {
        config.Write("VBPLUMO3.INI", ini);
        return LoadINIControls(form, "VBPLUMO3.INI").Error;
    }
    std::string Stored(const char* key) const {
        TIniFile ini(config.Str() + "/VBPLUMO3.INI");
        ini.Load();
        return ini.Value("S", key).value_or("<absent>");
    }
};

TEST_F(IniControlsTest, EmptyValuesClearAnEditButKeepNumbersChoicesAndSwitches) {
    TForm f;
    EXPECT_EQ(Load(&f.form, "[S]\r\nCheck=\r\nSpin=\r\nGroup=\r\nEdit=\r\nSpeed=\r\n"), "");
    EXPECT_TRUE(f.check->isChecked());
    EXPECT_EQ(f.spin->value(), 7);
    EXPECT_EQ(f.group->ItemIndex(), 1);
    EXPECT_EQ(f.edit->text(), "");
}

TEST_F(IniControlsTest, MissingKeysKeepCurrentValuesExceptListsWhichHaveFixedDefaults) {
    TForm f;
    EXPECT_EQ(Load(&f.form, "[Other]\r\nx=1\r\n"), "");
    EXPECT_TRUE(f.check->isChecked());
    EXPECT_EQ(f.spin->value(), 7);
    EXPECT_EQ(f.edit->text(), "keep");
    EXPECT_EQ(f.combo->currentIndex(), 0);  // index default 0
    EXPECT_EQ(f.list->currentRow(), -1);    // index default -1
}

TEST_F(IniControlsTest, NumbersReadByTheIntegerEncodingAndClampedByTheSpinEdit) {
    struct TCase {
        const char* Stored;
        int Expected;
    } cases[] = {{"0x0A", 10}, {"$1F", 31}, {"word", 7}, {"95", 80}, {"-3", 1}, {"12 ", 12}};
    for (const TCase& c : cases) {
        TForm f;
        Load(&f.form, std::string("[S]\r\nSpin=") + c.Stored + "\r\n");
        EXPECT_EQ(f.spin->value(), c.Expected) << c.Stored;
    }
}

TEST_F(IniControlsTest, SwitchesReadAnyNonZeroAsOnAndWriteOneOrZero) {
    TForm f;
    f.check->setChecked(false);
    Load(&f.form, "[S]\r\nCheck=2\r\nSpeed=-1\r\n");
    EXPECT_TRUE(f.check->isChecked());
    EXPECT_TRUE(f.speed->isChecked());
    ASSERT_TRUE(SaveINIControls(&f.form, "VBPLUMO3.INI").Ok);
    EXPECT_EQ(Stored("Check"), "1");
    EXPECT_EQ(Stored("Speed"), "1");
}

TEST_F(IniControlsTest, RadioGroupIndexIsClampedAndChangeIsSignalled) {
    struct TCase {
        const char* Stored;
        int Expected;
    } cases[] = {{"9", 2}, {"-3", -1}, {"0", 0}, {"2", 2}};
    for (const TCase& c : cases) {
        TForm f;
        int changed = 0;
        QObject::connect(f.group, &TINIRadioGroup::ItemIndexChanged, [&changed] { ++changed; });
        Load(&f.form, std::string("[S]\r\nGroup=") + c.Stored + "\r\n");
        EXPECT_EQ(f.group->ItemIndex(), c.Expected) << c.Stored;
        EXPECT_EQ(changed, c.Expected == 1 ? 0 : 1) << c.Stored;
        for (int i = 0; i < f.group->Count(); ++i)
            EXPECT_EQ(f.group->Item(i)->isChecked(), i == c.Expected) << c.Stored;
    }
}

TEST_F(IniControlsTest, ClickingTheSelectedItemKeepsItSelected) {
    TForm f;
    f.group->Item(1)->click();
    EXPECT_EQ(f.group->ItemIndex(), 1);
    EXPECT_TRUE(f.group->Item(1)->isChecked());
    f.group->Item(0)->click();
    EXPECT_EQ(f.group->ItemIndex(), 0);
    EXPECT_FALSE(f.group->Item(1)->isChecked());
}

TEST_F(IniControlsTest, RadioButtonsLoadInCreationOrderSoTheLaterOneWins) {
    QWidget form;
    // Created first but added to the form last: child order is not the order.
    auto* first = Bind(new TINIRadioButton("first"), "First");
    auto* second = Bind(new TINIRadioButton("second", &form), "Second");
    first->setParent(&form);
    Load(&form, "[S]\r\nFirst=1\r\nSecond=1\r\n");
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());

    Load(&form, "[S]\r\nFirst=0\r\nSecond=0\r\n");
    EXPECT_FALSE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
}

TEST_F(IniControlsTest, TextsAreCutTo1023CharactersAndKeepTheirBytes) {
    TForm f;
    const std::string ansi = "Caf\xE9 \x80 \x81";  // e-acute, euro sign, an undefined byte
    Load(&f.form, "[S]\r\nEdit=" + std::string(1500, 'x') + "\r\nMask=" + "12-34\r\n");
    EXPECT_EQ(f.edit->text().size(), 1023);
    EXPECT_EQ(f.mask->text(), "12-34");

    Load(&f.form, "[S]\r\nEdit=" + ansi + "\r\n");
    EXPECT_EQ(f.edit->text(), QString::fromUtf8("Caf\u00e9 \u20ac \u0081"));
    ASSERT_TRUE(SaveINIControls(&f.form, "VBPLUMO3.INI").Ok);
    EXPECT_EQ(Stored("Edit"), ansi);
}

TEST_F(IniControlsTest, ListsAndCombosLoadIndexesOrText) {
    TForm f;
    Load(&f.form, "[S]\r\nCombo=1\r\nList=7\r\n");
    EXPECT_EQ(f.combo->currentIndex(), 1);
    EXPECT_EQ(f.list->currentRow(), -1);

    f.combo->INISaveIndex = false;
    f.combo->setEditable(true);
    Load(&f.form, "[S]\r\nCombo=typed\r\nList=1\r\n");
    EXPECT_EQ(f.combo->currentText(), "typed");
    EXPECT_EQ(f.list->currentRow(), 1);

    // A multi-selection list is not loaded.
    f.list->setSelectionMode(QAbstractItemView::MultiSelection);
    Load(&f.form, "[S]\r\nList=2\r\n");
    EXPECT_EQ(f.list->currentRow(), 1);
}

TEST_F(IniControlsTest, MemoStoresItsLookAndStyleKeysOnlyAdd) {
    QWidget form;
    auto* memo = Bind(new TINIMemo(&form), "Memo");
    QFont bold = memo->font();
    bold.setBold(true);
    memo->setFont(bold);
    memo->setPlainText("not stored");
    Load(&form,
         "[S]\r\nMemoBGColor=0x0000FF\r\nMemoFontColor=-2147483643\r\nMemoFontSize=14\r\n"
         "MemoFontBold=0\r\nMemoFontItalic=1\r\n");
    EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(255, 0, 0));  // stored as BGR
    EXPECT_EQ(memo->palette().color(QPalette::Text), memo->palette().color(QPalette::Base));
    EXPECT_EQ(memo->font().pointSize(), 14);
    EXPECT_TRUE(memo->font().bold());
    EXPECT_TRUE(memo->font().italic());
    EXPECT_FALSE(memo->font().underline());

    ASSERT_TRUE(SaveINIControls(&form, "VBPLUMO3.INI").Ok);
    EXPECT_EQ(Stored("MemoBGColor"), "255");
    EXPECT_EQ(Stored("MemoFontBold"), "1");
    EXPECT_EQ(Stored("MemoFontStrikeOut"), "0");
    EXPECT_EQ(Stored("Memo"), "<absent>");
}

TEST_F(IniControlsTest, ToolBarMovesToItsStoredArea) {
    QMainWindow window;
    auto* bar = Bind(new TINIToolBar("bar", &window), "Bar");
    window.addToolBar(Qt::TopToolBarArea, bar);
    Load(&window, "[S]\r\nBarDocked=3\r\n");
    EXPECT_EQ(window.toolBarArea(bar), Qt::LeftToolBarArea);
    ASSERT_TRUE(SaveINIControls(&window, "VBPLUMO3.INI").Ok);
    EXPECT_EQ(Stored("BarDocked"), "3");
    EXPECT_EQ(Stored("BarFloatWidth"), "0");
}

TEST_F(IniControlsTest, SaveWritesEveryBoundControlAndKeepsTheRestOfTheFile) {
    TForm f;
    auto* unbound = new TINIEdit(&f.form);
    unbound->INISection = "S";  // no key: never written, never loaded
    unbound->setText("mine");
    config.Write("VBPLUMO3.INI", "; note\r\n[RecentFiles]\r\nItem1=a.vbp\r\n[S]\r\n=x\r\n");
    ASSERT_TRUE(SaveINIControls(&f.form, "VBPLUMO3.INI").Ok);
    const std::string text = ReadAll(config.Path() / "VBPLUMO3.INI");
    EXPECT_NE(text.find("; note\r\n[RecentFiles]\r\nItem1=a.vbp\r\n"), std::string::npos);
    for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
             {"Check", "1"}, {"Spin", "7"}, {"Group", "1"}, {"Edit", "keep"}, {"Mask", "-"},
             {"Speed", "0"}, {"Combo", "2"}, {"List", "2"}})
        EXPECT_EQ(Stored(key), value) << key;

    unbound->setText("changed");
    Load(&f.form, text);
    EXPECT_EQ(unbound->text(), "changed");
}

TEST_F(IniControlsTest, UnreadableOrUnwritableFilesAreReportedAndNothingChanges) {
    TForm f;
    const std::string binary("[S]\r\nSpin=3\r\n\0\0", 15);
    EXPECT_NE(Load(&f.form, binary).find("Unable to read the settings file"), std::string::npos);
    EXPECT_EQ(f.spin->value(), 7);
    const TIoResult refused = SaveINIControls(&f.form, "VBPLUMO3.INI");
    EXPECT_EQ(refused.Error, "Unable to write to " + config.Str() + "/VBPLUMO3.INI");
    EXPECT_EQ(ReadAll(config.Path() / "VBPLUMO3.INI"), binary);

    const std::string blocked = config.Write("file", "x") + "/VBPLUMO3.INI";
    EXPECT_EQ(SaveINIControls(&f.form, blocked).Error, "Unable to write to " + blocked);
}

}  // namespace
}  // namespace plumora
