// TfrmLeftorRight: "Print left or right?", the question the side-by-side
// viewers ask before printing a listing. One instance serves the program;
// it is hidden, not destroyed, between questions.
#pragma once

#include <QDialog>

class QPushButton;

namespace plumora {

enum class TPrintSide { Cancel, Left, Right };

class TfrmLeftorRight : public QDialog {
    Q_OBJECT

public:
    explicit TfrmLeftorRight(QWidget* parent = nullptr);

    // Shows the question modally. Cancel also answers Escape and the
    // window's close button.
    TPrintSide Ask();

    QPushButton* btnCancel() const { return btnCancel_; }
    QPushButton* btnLeft() const { return btnLeft_; }
    QPushButton* btnRight() const { return btnRight_; }

private:
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnLeft_ = nullptr;
    QPushButton* btnRight_ = nullptr;
};

}  // namespace plumora
