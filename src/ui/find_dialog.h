// TFindDialog: the small non-modal Find dialog of the viewers. It only asks;
// the window that owns it searches when it sends a request.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plumora {

class TFindDialog : public QDialog {
    Q_OBJECT

public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QString FindText() const;
    void SetFindText(const QString& text);
    bool MatchCase() const;
    void SetMatchCase(bool on);
    bool Down() const;
    void SetDown(bool down);

    // Presses "Find Next" (also what the button does): sends findNext when
    // there is a text to look for.
    void FindNextClick();

signals:
    void findNext(const QString& text, bool down, bool matchCase);

private:
    QLineEdit* edtFindWhat_ = nullptr;
    QCheckBox* chkWholeWord_ = nullptr;
    QCheckBox* chkMatchCase_ = nullptr;
    QRadioButton* rdoUp_ = nullptr;
    QRadioButton* rdoDown_ = nullptr;
    QPushButton* btnFindNext_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace plumora
