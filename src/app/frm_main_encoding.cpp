// The View menu's Text Encoding: the code page every view reads the source
// text in, stored in the settings file as soon as it is chosen.
#include "app/frm_main.h"

#include <QActionGroup>
#include <QMenu>

#include "settings/text_code_page.h"
#include "text/code_page.h"
#include "ui/text_encoding.h"

namespace plumora {

void TfrmMain::CreateEncodingMenu(QMenu* view) {
    QMenu* menu = view->addMenu("Text &Encoding");
    menu->setObjectName("mnuTextEncoding");
    menu->menuAction()->setStatusTip("Choose the code page the source text is shown in");
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const TCodePageInfo& page : TextCodePages()) {
        QAction* a = menu->addAction(page.Caption);
        a->setObjectName(QString("mnuCodePage%1").arg(page.Number));
        a->setCheckable(true);
        a->setData(page.Number);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, number = page.Number] { SetTextCodePage(number); });
    }
    auto check = [menu](int codePage) {
        for (QAction* a : menu->actions()) a->setChecked(a->data().toInt() == codePage);
    };
    check(TTextEncoding::Instance().CodePage());
    connect(&TTextEncoding::Instance(), &TTextEncoding::codePageChanged, menu, check);
}

void TfrmMain::SetTextCodePage(int codePage) {
    TTextEncoding::Instance().SetCodePage(codePage);
    std::string error;
    if (!StoreTextCodePage(TTextEncoding::Instance().CodePage(), error)) ShowError(host_, error);
}

}  // namespace plumora
