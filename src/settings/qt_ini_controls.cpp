// The bound control kinds and the load and save walks over a form.
#include "settings/qt_ini_controls.h"

#include <algorithm>
#include <atomic>

#include <QGridLayout>
#include <QMainWindow>

#include "settings/ini_control_values.h"
#include "settings/ini_file.h"
#include "settings/qt_ansi_text.h"

namespace plumora {

namespace {

std::atomic<std::uint64_t> nextSequence{1};

// Auto-exclusive buttons refuse to be turned off while they are the checked
// one of their group; a stored "0" must still turn them off.
void SetExclusiveChecked(QAbstractButton* button, bool on) {
    if (on || !button->autoExclusive()) {
        button->setChecked(on);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

int ColorToIni(const QColor& color) { return RgbToIniColor(color.rgb() & 0xFFFFFF); }

// A stored colour, or the palette's colour for the system colours it knows;
// nullopt keeps the current colour.
std::optional<QColor> IniToColor(int stored, const QPalette& palette) {
    if (std::optional<std::uint32_t> rgb = IniColorToRgb(stored)) return QColor::fromRgb(*rgb);
    switch (*IniSystemColorIndex(stored)) {
        case 5: return palette.color(QPalette::Base);
        case 8: return palette.color(QPalette::Text);
        case 15: return palette.color(QPalette::Button);
        default: return std::nullopt;
    }
}

Qt::ToolBarArea DockedArea(int docked) {
    switch (docked) {
        case 1: return Qt::TopToolBarArea;
        case 2: return Qt::BottomToolBarArea;
        case 3: return Qt::LeftToolBarArea;
        case 4: return Qt::RightToolBarArea;
        default: return Qt::NoToolBarArea;
    }
}

int DockedCode(Qt::ToolBarArea area) {
    switch (area) {
        case Qt::TopToolBarArea: return 1;
        case Qt::BottomToolBarArea: return 2;
        case Qt::LeftToolBarArea: return 3;
        case Qt::RightToolBarArea: return 4;
        default: return 0;
    }
}

}  // namespace

TINIBound::TINIBound() : sequence_(nextSequence++) {}

// --- two-state kinds ---------------------------------------------------------

TINICheckBox::TINICheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void TINICheckBox::LoadINI(const TIniFile& ini) {
    setChecked(ini.ReadBool(INISection, INIKeyword, isChecked()));
}

void TINICheckBox::SaveINI(TIniFile& ini) const {
    ini.WriteBool(INISection, INIKeyword, isChecked());
}

TINIRadioButton::TINIRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {}

void TINIRadioButton::SetOn(bool on) { SetExclusiveChecked(this, on); }

void TINIRadioButton::LoadINI(const TIniFile& ini) {
    SetOn(ini.ReadBool(INISection, INIKeyword, isChecked()));
}

void TINIRadioButton::SaveINI(TIniFile& ini) const {
    ini.WriteBool(INISection, INIKeyword, isChecked());
}

TINISpeedButton::TINISpeedButton(QWidget* parent) : QToolButton(parent) { setCheckable(true); }

void TINISpeedButton::SetDown(bool down) { SetExclusiveChecked(this, down); }

void TINISpeedButton::LoadINI(const TIniFile& ini) {
    SetDown(ini.ReadBool(INISection, INIKeyword, isChecked()));
}

void TINISpeedButton::SaveINI(TIniFile& ini) const {
    ini.WriteBool(INISection, INIKeyword, isChecked());
}

// --- numbers and choices -----------------------------------------------------

TINISpinEdit::TINISpinEdit(QWidget* parent) : QSpinBox(parent) {}

void TINISpinEdit::fixup(QString& input) const {
    bool number = false;
    input.toInt(&number);
    if (!number) input = QString::number(minimum());
}

void TINISpinEdit::LoadINI(const TIniFile& ini) {
    setValue(ini.ReadInteger(INISection, INIKeyword, value()));
}

void TINISpinEdit::SaveINI(TIniFile& ini) const {
    ini.WriteInteger(INISection, INIKeyword, value());
}

TINIRadioGroup::TINIRadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(6, 4, 6, 4);
    grid_->setVerticalSpacing(2);
    grid_->setColumnStretch(2, 1);
}

void TINIRadioGroup::AddItem(const QString& caption) {
    const int index = Count();
    auto* button = new QRadioButton(caption, this);
    // Exclusion is kept by hand so that "no item" stays possible.
    button->setAutoExclusive(false);
    grid_->addWidget(button, index, 0);
    buttons_.push_back(button);
    connect(button, &QAbstractButton::toggled, this,
            [this, index](bool on) { ButtonToggled(index, on); });
}

void TINIRadioGroup::ButtonToggled(int index, bool on) {
    if (on) {
        SetItemIndex(index);
    } else if (index == index_) {
        // The user cannot turn the selected item off by clicking it again.
        const QSignalBlocker block(Item(index));
        Item(index)->setChecked(true);
    }
}

void TINIRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == index_) return;
    index_ = index;
    for (int i = 0; i < Count(); ++i) {
        const QSignalBlocker block(Item(i));
        Item(i)->setChecked(i == index);
    }
    emit ItemIndexChanged(index);
}

void TINIRadioGroup::SetBeside(int index, QWidget* widget) {
    grid_->addWidget(widget, index, 1, Qt::AlignLeft);
}

void TINIRadioGroup::LoadINI(const TIniFile& ini) {
    SetItemIndex(ClampItemIndex(ini.ReadInteger(INISection, INIKeyword, index_), Count()));
}

void TINIRadioGroup::SaveINI(TIniFile& ini) const {
    ini.WriteInteger(INISection, INIKeyword, index_);
}

// --- texts -------------------------------------------------------------------

TINIEdit::TINIEdit(QWidget* parent) : QLineEdit(parent) {}

void TINIEdit::SetTypingLimit(int limit) {
    typingLimit_ = limit;
    SetValueText(text());
}

void TINIEdit::SetValueText(const QString& value) {
    // QLineEdit would cut the text to its maximum length and so lose a stored
    // value; the limit is only meant for typing.
    if (typingLimit_ > 0) {
        setMaxLength(std::max(typingLimit_, static_cast<int>(value.size())));
    }
    if (text() != value) setText(value);
}

void TINIEdit::LoadINI(const TIniFile& ini) {
    SetValueText(AnsiToQString(ini.ReadString(INISection, INIKeyword, QStringToAnsi(text()))));
}

void TINIEdit::SaveINI(TIniFile& ini) const {
    ini.WriteString(INISection, INIKeyword, QStringToAnsi(text()));
}

TINIMaskEdit::TINIMaskEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) {
    if (!mask.isEmpty()) setInputMask(mask);
}

void TINIMaskEdit::LoadINI(const TIniFile& ini) {
    setText(AnsiToQString(ini.ReadString(INISection, INIKeyword, QStringToAnsi(text()))));
}

void TINIMaskEdit::SaveINI(TIniFile& ini) const {
    ini.WriteString(INISection, INIKeyword, QStringToAnsi(text()));
}

// --- lists -------------------------------------------------------------------

TINIComboBox::TINIComboBox(QWidget* parent) : QComboBox(parent) {}

void TINIComboBox::LoadINI(const TIniFile& ini) {
    if (INISaveIndex) {
        const int index = ini.ReadInteger(INISection, INIKeyword, 0);
        setCurrentIndex(index >= 0 && index < count() ? index : -1);
    } else {
        setCurrentText(
            AnsiToQString(ini.ReadString(INISection, INIKeyword, QStringToAnsi(currentText()))));
    }
}

void TINIComboBox::SaveINI(TIniFile& ini) const {
    if (INISaveIndex) {
        ini.WriteInteger(INISection, INIKeyword, currentIndex());
    } else {
        ini.WriteString(INISection, INIKeyword, QStringToAnsi(currentText()));
    }
}

TINIListBox::TINIListBox(QWidget* parent) : QListWidget(parent) {}

void TINIListBox::LoadINI(const TIniFile& ini) {
    if (!INISaveIndex || selectionMode() != QAbstractItemView::SingleSelection) return;
    const int row = ini.ReadInteger(INISection, INIKeyword, -1);
    setCurrentRow(row >= 0 && row < count() ? row : -1);
}

void TINIListBox::SaveINI(TIniFile& ini) const {
    if (INISaveIndex) ini.WriteInteger(INISection, INIKeyword, currentRow());
}

// --- compound kinds ----------------------------------------------------------

TINIMemo::TINIMemo(QWidget* parent) : QPlainTextEdit(parent) {}

TMemoLook TINIMemo::CurrentLook() const {
    const QFont f = font();
    TMemoLook look;
    look.BGColor = ColorToIni(palette().color(QPalette::Base));
    look.FontColor = ColorToIni(palette().color(QPalette::Text));
    look.FontName = QStringToAnsi(f.family());
    look.FontSize = f.pointSize();
    look.Bold = f.bold();
    look.Italic = f.italic();
    look.Underline = f.underline();
    look.StrikeOut = f.strikeOut();
    return look;
}

void TINIMemo::LoadINI(const TIniFile& ini) {
    QPalette pal = palette();
    QFont f = font();
    TMemoLook look = CurrentLook();
    LoadMemoLook(ini, INISection, INIKeyword, look);

    if (std::optional<QColor> c = IniToColor(look.BGColor, pal)) pal.setColor(QPalette::Base, *c);
    if (std::optional<QColor> c = IniToColor(look.FontColor, pal)) pal.setColor(QPalette::Text, *c);
    setPalette(pal);
    if (!look.FontName.empty()) f.setFamily(AnsiToQString(look.FontName));
    // A size Qt cannot use (0 or less) keeps the current one.
    if (look.FontSize > 0) f.setPointSize(look.FontSize);
    f.setBold(look.Bold);
    f.setItalic(look.Italic);
    f.setUnderline(look.Underline);
    f.setStrikeOut(look.StrikeOut);
    setFont(f);
}

void TINIMemo::SaveINI(TIniFile& ini) const {
    SaveMemoLook(ini, INISection, INIKeyword, CurrentLook());
}

TINIToolBar::TINIToolBar(const QString& title, QWidget* parent) : QToolBar(title, parent) {}

void TINIToolBar::LoadINI(const TIniFile& ini) {
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    TToolBarPlace place;
    place.Docked = window && !isFloating() ? DockedCode(window->toolBarArea(this)) : 0;
    LoadToolBarPlace(ini, INISection, INIKeyword, place);
    const Qt::ToolBarArea area = DockedArea(place.Docked);
    if (window && area != Qt::NoToolBarArea && isAreaAllowed(area)) {
        if (window->toolBarArea(this) != area || isFloating()) window->addToolBar(area, this);
    } else if (isFloating() && place.FloatWidth > 0 && place.FloatHeight > 0) {
        setGeometry(place.FloatLeft, place.FloatTop, place.FloatWidth, place.FloatHeight);
    }
}

void TINIToolBar::SaveINI(TIniFile& ini) const {
    auto* window = qobject_cast<QMainWindow*>(parentWidget());
    TToolBarPlace place;
    place.Docked = window && !isFloating() ? DockedCode(window->toolBarArea(this)) : 0;
    if (isFloating()) {
        place.FloatTop = geometry().top();
        place.FloatLeft = geometry().left();
        place.FloatWidth = geometry().width();
        place.FloatHeight = geometry().height();
    }
    SaveToolBarPlace(ini, INISection, INIKeyword, place);
}

// --- the walks ---------------------------------------------------------------

std::vector<TINIBound*> BoundControls(QWidget* form) {
    std::vector<TINIBound*> bound;
    if (!form) return bound;
    if (auto* self = dynamic_cast<TINIBound*>(form)) bound.push_back(self);
    for (QWidget* w : form->findChildren<QWidget*>())
        if (auto* b = dynamic_cast<TINIBound*>(w)) bound.push_back(b);
    std::sort(bound.begin(), bound.end(), [](const TINIBound* a, const TINIBound* b) {
        return a->CreationSequence() < b->CreationSequence();
    });
    return bound;
}

TIoResult LoadINIControls(QWidget* form, const std::string& fileName) {
    TIniFile ini(ResolveSettingsFile(fileName));
    if (!ini.Load()) {
        return TIoResult::Failure("Unable to read the settings file " + ini.LoadError() +
                                  ". The current settings stay in effect.");
    }
    for (TINIBound* control : BoundControls(form))
        if (control->IsBound()) control->LoadINI(ini);
    return TIoResult::Success();
}

TIoResult SaveINIControls(QWidget* form, const std::string& fileName) {
    TIniFile ini(ResolveSettingsFile(fileName));
    // A file that could not be read is never replaced: Save refuses it below.
    ini.Load();
    for (TINIBound* control : BoundControls(form))
        if (control->IsBound()) control->SaveINI(ini);
    std::string error;
    if (!ini.Save(&error)) return TIoResult::Failure(error);
    return TIoResult::Success();
}

}  // namespace plumora
