#include "app/qt_style_file_note.h"

#include <QLabel>
#include <QStatusBar>

#include "settings/project_style.h"

namespace plumora {

namespace {

QLabel* NoteLabel(QStatusBar* bar, bool create) {
    auto* label = bar->findChild<QLabel*>("lblStyleFile");
    if (!label && create) {
        label = new QLabel(bar);
        label->setObjectName("lblStyleFile");
        bar->addPermanentWidget(label);
    }
    return label;
}

}  // namespace

void ShowStyleFileNote(QStatusBar* bar, const std::string& projectDir) {
    const std::string styleFile = FindProjectStyleFile(projectDir);
    if (styleFile.empty()) {
        HideStyleFileNote(bar);
        return;
    }
    QLabel* label = NoteLabel(bar, true);
    label->setText(QStringLiteral("Style file: plumora-cli uses %1")
                       .arg(QString::fromLocal8Bit(kProjectStyleFileName)));
    label->setToolTip(QStringLiteral("plumora-cli styles this project with %1 over your own options; "
                                     "the desktop uses your options (View, Options...).")
                          .arg(QString::fromLocal8Bit(styleFile.c_str())));
    label->show();
}

void HideStyleFileNote(QStatusBar* bar) {
    if (QLabel* label = NoteLabel(bar, false)) {
        label->clear();
        label->hide();
    }
}

}  // namespace plumora
