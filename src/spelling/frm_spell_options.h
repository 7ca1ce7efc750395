// TfrmSpellOptions: the speller's own options dialog (its PopupOptions):
// the dictionary language, the custom dictionaries in use, and whether
// words in capitals and words with digits are checked. OK stores them in
// the speller's section of VBPLUMO3.INI.
#pragma once

#include <functional>

#include <QDialog>

#include "spelling/speller_options.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace plumora {

class ICommandHost;
class TVCSpeller;

class TfrmSpellOptions : public QDialog {
    Q_OBJECT

public:
    TfrmSpellOptions(TVCSpeller& speller, ICommandHost& host, QWidget* parent = nullptr);

    // Asks for the name of a new custom dictionary; empty for cancel.
    // Tests replace it.
    std::function<QString(QWidget* parent)> AskDictionaryName;

    // The options as the controls show them.
    TSpellerOptions ChosenOptions() const;

    QComboBox* cmbLanguage() const { return cmbLanguage_; }
    QListWidget* lstCustom() const { return lstCustom_; }
    QCheckBox* chkAllCaps() const { return chkAllCaps_; }
    QCheckBox* chkDigits() const { return chkDigits_; }

    void btnNewCustomClick();

public slots:
    // Stores the options; a settings file that cannot be written keeps the
    // dialog open after saying so.
    void accept() override;

private:
    void FillCustoms(const TSpellerOptions& options);

    TVCSpeller& speller_;
    ICommandHost& host_;
    QComboBox* cmbLanguage_ = nullptr;
    QListWidget* lstCustom_ = nullptr;
    QPushButton* btnNewCustom_ = nullptr;
    QCheckBox* chkAllCaps_ = nullptr;
    QCheckBox* chkDigits_ = nullptr;
};

}  // namespace plumora
