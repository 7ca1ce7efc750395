// The speller's options dialog.
#include "spelling/frm_spell_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "spelling/hunspell_dictionary.h"
#include "spelling/vc_speller.h"

namespace plumora {

namespace {

constexpr int kNameRole = Qt::UserRole;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfrmSpellOptions::TfrmSpellOptions(TVCSpeller& speller, ICommandHost& host, QWidget* parent)
    : QDialog(parent), speller_(speller), host_(host) {
    setObjectName("frmSpellOptions");
    setWindowTitle("Spell Checker Options");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const TSpellerOptions options = speller.Options();

    cmbLanguage_ = new QComboBox;
    cmbLanguage_->setObjectName("cmbLanguage");
    std::vector<std::string> languages = InstalledLanguages();
    bool listed = false;
    for (const std::string& l : languages) {
        cmbLanguage_->addItem(Q(l), Q(l));
        listed = listed || l == options.Language;
    }
    if (!listed) cmbLanguage_->addItem(Q(options.Language) + " (not installed)", Q(options.Language));
    cmbLanguage_->setCurrentIndex(cmbLanguage_->findData(Q(options.Language)));
    auto* lblLanguage = new QLabel("Dictionary &language:");
    lblLanguage->setBuddy(cmbLanguage_);

    lstCustom_ = new QListWidget;
    lstCustom_->setObjectName("lstCustom");
    btnNewCustom_ = new QPushButton("&New...");
    btnNewCustom_->setObjectName("btnNewCustom");
    btnNewCustom_->setAutoDefault(false);
    connect(btnNewCustom_, &QPushButton::clicked, this, [this] { btnNewCustomClick(); });
    auto* customBox = new QGroupBox("Custom dictionaries");
    auto* customLayout = new QVBoxLayout(customBox);
    auto* hint = new QLabel("Ticked word lists are in use. They are plain text files, one word a "
                            "line, in " + Q(speller.ConfigDir()) + ".");
    hint->setWordWrap(true);
    customLayout->addWidget(hint);
    customLayout->addWidget(lstCustom_);
    auto* newRow = new QHBoxLayout;
    newRow->addStretch(1);
    newRow->addWidget(btnNewCustom_);
    customLayout->addLayout(newRow);
    FillCustoms(options);

    chkAllCaps_ = new QCheckBox("Check words in &ALL CAPS");
    chkAllCaps_->setObjectName("chkAllCaps");
    chkAllCaps_->setChecked(options.CheckAllCaps);
    chkDigits_ = new QCheckBox("Check words with &digits");
    chkDigits_->setObjectName("chkDigits");
    chkDigits_->setChecked(options.CheckWithDigits);

    // Plain buttons, as on the program's other dialogs.
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("btnCancel");
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(lblLanguage);
    languageRow->addWidget(cmbLanguage_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(languageRow);
    layout->addWidget(customBox, 1);
    layout->addWidget(chkAllCaps_);
    layout->addWidget(chkDigits_);
    layout->addLayout(buttons);
    resize(420, 360);

    AskDictionaryName = [](QWidget* owner) {
        return QInputDialog::getText(owner, "New Custom Dictionary", "Name of the new word list:");
    };
}

void TfrmSpellOptions::FillCustoms(const TSpellerOptions& options) {
    lstCustom_->clear();
    for (const TCustomDictionary& d : speller_.AllCustomDictionaries()) {
        QString text = Q(d.Name);
        if (!d.Error.empty())
            text += " (cannot be read)";
        else if (!(d.Status & kCustomCanTakeWords))
            text += " (read only)";
        auto* item = new QListWidgetItem(text, lstCustom_);
        item->setData(kNameRole, Q(d.Name));
        item->setToolTip(Q(d.Path));
        const bool first = d.Name == kFirstCustomDictionary;
        // custom.dic takes the added words: it is always in use.
        item->setFlags(first ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(options.Uses(d.Name) ? Qt::Checked : Qt::Unchecked);
    }
}

TSpellerOptions TfrmSpellOptions::ChosenOptions() const {
    TSpellerOptions o = speller_.Options();
    o.Language = cmbLanguage_->currentData().toString().toStdString();
    o.CheckAllCaps = chkAllCaps_->isChecked();
    o.CheckWithDigits = chkDigits_->isChecked();
    o.UnusedDictionaries.clear();
    for (int i = 0; i < lstCustom_->count(); ++i) {
        const QListWidgetItem* item = lstCustom_->item(i);
        if (item->checkState() == Qt::Unchecked)
            o.UnusedDictionaries.push_back(item->data(kNameRole).toString().toStdString());
    }
    return o;
}

void TfrmSpellOptions::btnNewCustomClick() {
    const QString name = AskDictionaryName ? AskDictionaryName(this) : QString();
    if (name.trimmed().isEmpty()) return;
    std::string path, error;
    if (!CreateCustomDictionary(speller_.ConfigDir(), name.toStdString(), path, error)) {
        ShowError(host_, error);
        return;
    }
    // Keep what the user ticked so far; the new list starts in use.
    FillCustoms(ChosenOptions());
}

void TfrmSpellOptions::accept() {
    std::string error;
    if (!speller_.ApplyOptions(ChosenOptions(), error)) {
        ShowError(host_, error);
        return;
    }
    QDialog::accept();
}

}  // namespace plumora
