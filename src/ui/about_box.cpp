// The about box.
#include "ui/about_box.h"

#include "ui/program_icon.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

namespace plumora {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Plumora/VB");
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName("imgProgramIcon");
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    setWindowIcon(ProgramIcon());
    auto* title = new QLabel("<b style=\"font-size:14pt; color:navy\"><i>Plumora/VB 3.0</i></b>", this);
    auto* version = new QLabel("Version 3.08 Build 971031", this);
    version->setObjectName("lblVersion");
    auto* blurb = new QLabel("Re-styles the code of Visual Basic 3 to 6 projects.", this);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* system = new QGridLayout;
    const auto row = [&](const QString& name, const QString& value) {
        const int r = system->rowCount();
        system->addWidget(new QLabel(name, this), r, 0);
        auto* v = new QLabel(value, this);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        system->addWidget(v, r, 1);
    };
    row("Operating system:", QSysInfo::prettyProductName());
    row("Kernel:", QSysInfo::kernelType() + " " + QSysInfo::kernelVersion());
    row("Processor:", QSysInfo::currentCpuArchitecture());
    row("Qt:", QString(qVersion()));
    row("Display:", QApplication::platformName());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(blurb);
    head->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(line);
    layout->addLayout(system);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace plumora
