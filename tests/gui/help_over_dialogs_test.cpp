// Help from a modal dialog comes up in front of it and takes input while the
// dialog stays open; it stays when the dialog closes; Escape closes it; its
// title names the program once.
#include <string>

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "app/help_pages.h"
#include "charts/frm_chart_selector.h"
#include "gui/modal_answers.h"
#include "settings/frm_options.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/help_window.h"

namespace plumora {
namespace {

QWidget* HelpWindow() {
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == "frmHelp") return w;
    return nullptr;
}

// The help can take input while `modal` is open: it is one of the modal
// dialog's own windows (the only ones a modal dialog lets through).
bool UsableOver(QWidget* help, QWidget* modal) {
    return help && help->isVisible() && help->isEnabled() && help->isWindow() &&
           help->parentWidget() == modal && QApplication::activeModalWidget() == modal;
}

TEST(HelpOverDialogs, HelpFromTheOptionsIsInFrontAndUsableWhileTheDialogStaysOpen) {
    testing::TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    InstallHelpPages();
    testing::ScriptedCommandHost host;
    TOptionSet options;
    TfrmOptions dlg(options, host);
    bool usable = false;
    bool escapeCloses = false;
    bool reopened = false;
    QString title;
    testing::AnswerModals([&] { dlg.exec(); },
                          {[&](QWidget* modal) {
                              modal->findChild<QPushButton*>("btnHelp")->click();
                              QWidget* help = HelpWindow();
                              usable = UsableOver(help, modal);
                              title = help ? help->windowTitle() : QString();
                              // Links and Back work in it while the dialog is open.
                              auto* browser = help->findChild<QTextBrowser*>("browserHelp");
                              browser->setSource(QUrl("qrc:/help/0.html"));
                              browser->backward();
                              EXPECT_TRUE(browser->source().toString().endsWith("/11.html"));
                              QTest::keyClick(help, Qt::Key_Escape);
                              escapeCloses = !help->isVisible();
                              // F1 opens it again; the dialog then closes under it.
                              modal->activateWindow();
                              EXPECT_TRUE(QTest::qWaitForWindowActive(modal, 2000));
                              QTest::keyClick(modal, Qt::Key_F1);
                              reopened = help->isVisible();
                              modal->close();
                          }});
    EXPECT_TRUE(usable);
    EXPECT_TRUE(escapeCloses);
    EXPECT_TRUE(reopened);
    EXPECT_EQ(title, "Plumora/VB 3.0 Help - Options - General");
    QWidget* help = HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible()) << "the help stays when the dialog closes";
    EXPECT_EQ(help->parentWidget(), nullptr);
    help->close();
}

TEST(HelpOverDialogs, EveryDialogThatOffersHelpShowsItInFront) {
    testing::ScriptedCommandHost host;
    QMdiArea mdi;
    TfrmChartSelector selector(host, &mdi);
    bool usable = false;
    testing::AnswerModals([&] { selector.ShowFor(nullptr); },
                          {[&](QWidget* modal) {
                              modal->activateWindow();
                              EXPECT_TRUE(QTest::qWaitForWindowActive(modal, 2000));
                              QTest::keyClick(modal, Qt::Key_F1);
                              usable = UsableOver(HelpWindow(), modal);
                              modal->close();
                          }});
    EXPECT_TRUE(usable);
    ASSERT_NE(HelpWindow(), nullptr);
    HelpWindow()->close();
}

TEST(HelpOverDialogs, TheTitleNamesTheProgramOnce) {
    EXPECT_EQ(HelpWindowTitle("Plumora/VB 3.0 Help"), "Plumora/VB 3.0 Help");
    EXPECT_EQ(HelpWindowTitle(""), "Plumora/VB 3.0 Help");
    EXPECT_EQ(HelpWindowTitle("Form Structure"), "Plumora/VB 3.0 Help - Form Structure");
    ShowHelpContext(nullptr, 0);
    EXPECT_EQ(HelpWindow()->windowTitle(), "Plumora/VB 3.0 Help");
    HelpWindow()->close();
}

}  // namespace
}  // namespace plumora
