// The Find dialog: what to find, match case, direction; Find Next and Cancel.
#include "ui/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plumora {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("dlgFind");
    setWindowTitle("Find");
    setModal(false);

    auto* label = new QLabel("Fi&nd what:");
    edtFindWhat_ = new QLineEdit;
    edtFindWhat_->setObjectName("edtFindWhat");
    edtFindWhat_->setMinimumWidth(180);
    label->setBuddy(edtFindWhat_);

    // Kept for the look of the familiar dialog; a match is always a substring.
    chkWholeWord_ = new QCheckBox("Match &whole word only");
    chkWholeWord_->setObjectName("chkWholeWord");
    chkMatchCase_ = new QCheckBox("Match &case");
    chkMatchCase_->setObjectName("chkMatchCase");

    auto* direction = new QGroupBox("Direction");
    rdoUp_ = new QRadioButton("&Up");
    rdoUp_->setObjectName("rdoUp");
    rdoDown_ = new QRadioButton("&Down");
    rdoDown_->setObjectName("rdoDown");
    rdoDown_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(rdoUp_);
    directionLayout->addWidget(rdoDown_);

    btnFindNext_ = new QPushButton("&Find Next");
    btnFindNext_->setObjectName("btnFindNext");
    btnFindNext_->setDefault(true);
    btnFindNext_->setEnabled(false);
    btnCancel_ = new QPushButton("Cancel");
    btnCancel_->setObjectName("btnCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(edtFindWhat_, 0, 1, 1, 2);
    grid->addWidget(btnFindNext_, 0, 3);
    auto* checks = new QVBoxLayout;
    checks->addWidget(chkWholeWord_);
    checks->addWidget(chkMatchCase_);
    checks->addStretch();
    grid->addLayout(checks, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(btnCancel_, 1, 3, Qt::AlignTop);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(edtFindWhat_, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnFindNext_->setEnabled(!text.isEmpty()); });
    connect(btnFindNext_, &QPushButton::clicked, this, &TFindDialog::FindNextClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::hide);
}

QString TFindDialog::FindText() const { return edtFindWhat_->text(); }
void TFindDialog::SetFindText(const QString& text) { edtFindWhat_->setText(text); }
bool TFindDialog::MatchCase() const { return chkMatchCase_->isChecked(); }
void TFindDialog::SetMatchCase(bool on) { chkMatchCase_->setChecked(on); }
bool TFindDialog::Down() const { return rdoDown_->isChecked(); }
void TFindDialog::SetDown(bool down) { (down ? rdoDown_ : rdoUp_)->setChecked(true); }

void TFindDialog::FindNextClick() {
    if (FindText().isEmpty()) return;
    emit findNext(FindText(), Down(), MatchCase());
}

}  // namespace plumora
