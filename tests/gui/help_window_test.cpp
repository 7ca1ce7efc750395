// The help pages: every context number the program opens has its page, and the
// option pages between them describe every stored option.
#include <QApplication>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "app/help_pages.h"
#include "settings/option_catalogue.h"
#include "ui/help_window.h"

namespace plumora {
namespace {

QTextBrowser* HelpBrowser() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmHelp") return w->findChild<QTextBrowser*>("browserHelp");
    }
    return nullptr;
}

TEST(HelpWindow, EveryContextHasItsPageAndEveryOptionIsDescribed) {
    InstallHelpPages();
    QString allText;
    for (int context : {0, 11, 12, 13, 14, 15, 16, 17, 29, 30, 71}) {
        EXPECT_FALSE(HelpPagePath(context).isEmpty()) << context;
        ShowHelpContext(nullptr, context);
        QTextBrowser* browser = HelpBrowser();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->source().toString().endsWith(QString("/%1.html").arg(context)));
        EXPECT_FALSE(browser->toPlainText().contains("missing")) << context;
        allText += browser->toHtml();
    }
    for (const OptionDef& d : OptionCatalogue()) {
        EXPECT_TRUE(allText.contains(QString("%1/%2").arg(d.Section, d.Key))) << d.Key;
    }
}

TEST(HelpWindow, UnknownContextShowsTheContents) {
    EXPECT_TRUE(HelpPagePath(4711).isEmpty());
    ShowHelpContext(nullptr, 4711);
    ASSERT_NE(HelpBrowser(), nullptr);
    EXPECT_TRUE(HelpBrowser()->source().toString().endsWith("/0.html"));
}

}  // namespace
}  // namespace plumora
