// Source text in other code pages on the desktop: a Shift-JIS file shows its
// own characters in the line view, its search finds whole characters, and
// the code page chosen in the View menu or the options is stored.
#include <string>

#include <QAction>
#include <QComboBox>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "settings/frm_options.h"
#include "settings/option_set.h"
#include "settings/qt_ansi_text.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"
#include "ui/text_encoding.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::TempDir;

const std::string kSjisModule = std::string(PLUMORA_SOURCE_DIR) + "/examples/ShiftJIS/ZAIKO.BAS";

// Every test leaves the program in Windows-1252, as it starts.
class TextEncodingTest : public ::testing::Test {
protected:
    ~TextEncodingTest() override { TTextEncoding::Instance().SetCodePage(1252); }
    TempDir config;
    ScopedConfigDir scope{config.Str()};
};

TEST_F(TextEncodingTest, AShiftJisFileShowsItsCharactersWithCodePage932) {
    TBigText view;
    view.resize(600, 300);
    ASSERT_EQ(view.LoadFromFile(kSjisModule), "");
    const QString firstLine = QString::fromUtf8("' 在庫管理モジュール：表示と集計");
    EXPECT_NE(view.DisplayText(0, 0, 80), firstLine);  // read as Windows-1252: mojibake

    TTextEncoding::Instance().SetCodePage(932);
    EXPECT_EQ(view.DisplayText(0, 0, 80), firstLine);
    // The bytes are what the file holds; a kanji takes two columns, and one
    // cut by the left edge shows as a blank.
    EXPECT_EQ(view.LineText(0).substr(0, 4), "' \x8D\xDD");
    EXPECT_EQ(view.DisplayText(0, 3, 4), QString::fromUtf8(" 庫管"));
    EXPECT_EQ(view.DisplayText(0, 2, 4), QString::fromUtf8("在庫"));

    // Find works on whole characters of the code page.
    view.SetTopLine(0);
    EXPECT_EQ(view.Find(QString::fromUtf8("カナダ"), true, false), 16);
    view.SetTopLine(0);
    EXPECT_EQ(view.Find(QString::fromUtf8("ソフトの表示"), true, true), 14);
    view.SetTopLine(0);
    EXPECT_EQ(view.Find(QString("_"), true, true), 14);  // the continuation, not the da of 16
    // Texts the option fields and editors hold take the same code page.
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("表示")), "\x95\x5C\x8E\xA6");
    EXPECT_EQ(AnsiToQString("\x95\x5C\x8E\xA6"), QString::fromUtf8("表示"));
}

TEST_F(TextEncodingTest, TheViewMenuChoiceIsLiveAndStored) {
    TfrmMain w(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    QAction* sjis = w.findChild<QAction*>("mnuCodePage932");
    ASSERT_NE(sjis, nullptr);
    EXPECT_TRUE(w.findChild<QAction*>("mnuCodePage1252")->isChecked());
    sjis->trigger();
    EXPECT_EQ(TTextEncoding::Instance().CodePage(), 932);
    EXPECT_TRUE(sjis->isChecked());
    EXPECT_NE(ReadAll(config.Str() + "/VBPLUMO3.INI").find("[Text]\r\nCodePage=932"), std::string::npos);

    // The next start reads it back.
    TTextEncoding::Instance().SetCodePage(1252);
    TfrmMain again(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    EXPECT_EQ(TTextEncoding::Instance().CodePage(), 932);
    EXPECT_TRUE(again.findChild<QAction*>("mnuCodePage932")->isChecked());
}

TEST_F(TextEncodingTest, TheOptionsStoreTheirChoiceOnOkOnly) {
    testing::ScriptedCommandHost host;
    TOptionSet options;
    TfrmOptions dlg(options, host);
    dlg.show();
    QComboBox* box = dlg.TextEncodingBox();
    EXPECT_EQ(box->currentData().toInt(), 1252);
    box->setCurrentIndex(box->findData(949));
    dlg.reject();
    EXPECT_EQ(TTextEncoding::Instance().CodePage(), 1252);

    dlg.show();
    EXPECT_EQ(box->currentData().toInt(), 1252);  // back to what is in force
    box->setCurrentIndex(box->findData(949));
    dlg.accept();
    EXPECT_EQ(TTextEncoding::Instance().CodePage(), 949);
    EXPECT_NE(ReadAll(config.Str() + "/VBPLUMO3.INI").find("CodePage=949"), std::string::npos);
}

}  // namespace
}  // namespace plumora
