// The print-side question: a text and three buttons, the answer as the
// dialog's result.
#include "viewers/frm_leftor_right.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plumora {

namespace {

// Results of done(); 0 (Rejected) is Cancel.
constexpr int kLeft = 1;
constexpr int kRight = 2;

}  // namespace

TfrmLeftorRight::TfrmLeftorRight(QWidget* parent) : QDialog(parent) {
    setObjectName("frmLeftorRight");
    setWindowTitle("Print left or right?");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* text = new QLabel("Do you wish to print the code on the left or on the right?");
    text->setObjectName("lblQuestion");
    text->setWordWrap(false);

    btnCancel_ = new QPushButton("&Cancel");
    btnCancel_->setObjectName("btnCancel");
    btnLeft_ = new QPushButton("&Left");
    btnLeft_->setObjectName("btnLeft");
    btnRight_ = new QPushButton("&Right");
    btnRight_->setObjectName("btnRight");
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnLeft_, &QPushButton::clicked, this, [this] { done(kLeft); });
    connect(btnRight_, &QPushButton::clicked, this, [this] { done(kRight); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel_);
    buttons->addWidget(btnLeft_);
    buttons->addWidget(btnRight_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(text);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

TPrintSide TfrmLeftorRight::Ask() {
    btnLeft_->setFocus();
    switch (exec()) {
        case kLeft: return TPrintSide::Left;
        case kRight: return TPrintSide::Right;
        default: return TPrintSide::Cancel;
    }
}

}  // namespace plumora
