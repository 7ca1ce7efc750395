// The "Save or Load?" question and the template file flow behind it.
#include "settings/frm_save_or_load.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "settings/header_templates.h"

namespace plumora {

namespace {

constexpr const char* kFilter = "Text Files (*.TXT *.txt);;All Files (*)";

void CentreOnScreen(QWidget* w) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = w->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        w->move(frame.topLeft());
    }
}

}  // namespace

TfrmSaveOrLoad::TfrmSaveOrLoad(QWidget* parent) : QDialog(parent) {
    setObjectName("frmSaveOrLoad");
    setWindowTitle("Save or Load?");
    // Only a caption: the three buttons are the only ways out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(260, 90);

    auto* text = new QLabel("Do you wish to save the current comment header or load a new one?");
    text->setObjectName("lblQuestion");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);

    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("btnCancel");
    auto* save = new QPushButton("&Save");
    save->setObjectName("btnSave");
    auto* load = new QPushButton("&Load");
    load->setObjectName("btnLoad");
    save->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] {
        choice_ = TSaveOrLoadChoice::Cancel;
        reject();
    });
    connect(save, &QPushButton::clicked, this, [this] {
        choice_ = TSaveOrLoadChoice::Save;
        accept();
    });
    connect(load, &QPushButton::clicked, this, [this] {
        choice_ = TSaveOrLoadChoice::Load;
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton* b : {cancel, save, load}) {
        b->setFixedHeight(25);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
}

void TfrmSaveOrLoad::showEvent(QShowEvent* event) {
    // Escape rejects, which must read as Cancel even after an earlier answer.
    choice_ = TSaveOrLoadChoice::Cancel;
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

TTemplateFileDialogs TTemplateFileDialogs::Platform() {
    TTemplateFileDialogs d;
    d.Ask = [](QWidget* parent) {
        TfrmSaveOrLoad question(parent);
        question.exec();
        return question.Choice();
    };
    // The platform's save dialog asks before overwriting and only accepts a
    // name in an existing directory; the open dialog only an existing file.
    d.SaveName = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, title, QString(), filter);
    };
    d.OpenName = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    };
    return d;
}

bool SaveOrLoadTemplate(QWidget* parent, ICommandHost& host, const TTemplateFileDialogs& dialogs,
                        std::vector<std::string>& lines, std::string& fileName) {
    const TSaveOrLoadChoice choice = dialogs.Ask(parent);
    if (choice == TSaveOrLoadChoice::Cancel) return false;

    if (choice == TSaveOrLoadChoice::Save) {
        const QString chosen = dialogs.SaveName(parent, "Save Comment Header", kFilter);
        if (chosen.isEmpty()) return false;
        const std::string path = QFile::encodeName(chosen).toStdString();
        const TIoResult written = WriteTemplateFile(path, lines);
        if (!written.Ok) {
            ShowError(host, written.Error);
            return false;
        }
        fileName = path;
        return true;
    }

    const QString chosen = dialogs.OpenName(parent, "Open Comment Header", kFilter);
    if (chosen.isEmpty()) return false;
    const std::string path = QFile::encodeName(chosen).toStdString();
    std::vector<std::string> loaded;
    const TIoResult read = ReadTemplateFile(path, loaded);
    if (!read.Ok) {
        ShowError(host, read.Error);
        return false;
    }
    lines = std::move(loaded);
    fileName = path;
    return true;
}

}  // namespace plumora
