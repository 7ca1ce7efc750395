// INI-bound controls: ordinary widgets that know the section and key under
// which their value lives in the settings file, and the two walks that copy
// every bound control of a form from the file and back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "io/text_lines.h"
#include "settings/ini_control_values.h"

class QGridLayout;

namespace plumora {

class TIniFile;

// What every bound control adds to its widget. A control whose INISection or
// INIKeyword is empty is neither loaded nor saved.
class TINIBound {
public:
    TINIBound();
    virtual ~TINIBound() = default;
    TINIBound(const TINIBound&) = delete;
    TINIBound& operator=(const TINIBound&) = delete;

    std::string INISection;
    std::string INIKeyword;

    bool IsBound() const { return !INISection.empty() && !INIKeyword.empty(); }
    // Rising number given at construction: the walks go in this order, which
    // is the order in which the form created its controls.
    std::uint64_t CreationSequence() const { return sequence_; }

    // Sets the control through its ordinary setters from the file's value;
    // a missing key leaves it as it is (except where a kind says otherwise).
    virtual void LoadINI(const TIniFile& ini) = 0;
    virtual void SaveINI(TIniFile& ini) const = 0;

private:
    std::uint64_t sequence_;
};

class TINICheckBox : public QCheckBox, public TINIBound {
public:
    explicit TINICheckBox(const QString& text = {}, QWidget* parent = nullptr);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

// Unlike a plain auto-exclusive radio button it can also be turned off, so
// that a group stored with every button "0" shows none checked.
class TINIRadioButton : public QRadioButton, public TINIBound {
public:
    explicit TINIRadioButton(const QString& text = {}, QWidget* parent = nullptr);
    void SetOn(bool on);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

// A checkable tool button (down = checked).
class TINISpeedButton : public QToolButton, public TINIBound {
public:
    explicit TINISpeedButton(QWidget* parent = nullptr);
    void SetDown(bool down);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

// Text left in the field that is not a number counts as the minimum.
class TINISpinEdit : public QSpinBox, public TINIBound {
public:
    explicit TINISpinEdit(QWidget* parent = nullptr);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;

protected:
    void fixup(QString& input) const override;
};

// A captioned group of radio buttons with one selected item, or none (-1).
class TINIRadioGroup : public QGroupBox, public TINIBound {
    Q_OBJECT

public:
    explicit TINIRadioGroup(const QString& caption = {}, QWidget* parent = nullptr);

    void AddItem(const QString& caption);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Item(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int ItemIndex() const { return index_; }
    // Out-of-range indexes select nothing.
    void SetItemIndex(int index);
    // Puts `widget` to the right of an item (a field that belongs to it).
    void SetBeside(int index, QWidget* widget);

    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;

signals:
    void ItemIndexChanged(int index);

private:
    void ButtonToggled(int index, bool on);

    std::vector<QRadioButton*> buttons_;
    QGridLayout* grid_;
    int index_ = -1;
};

class TINIEdit : public QLineEdit, public TINIBound {
public:
    explicit TINIEdit(QWidget* parent = nullptr);
    // Limits what can be typed (0: no limit). A longer text set by the
    // program is kept whole: the limit grows to its length.
    void SetTypingLimit(int limit);
    void SetValueText(const QString& text);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;

private:
    int typingLimit_ = 0;
};

class TINIMaskEdit : public QLineEdit, public TINIBound {
public:
    explicit TINIMaskEdit(const QString& mask = {}, QWidget* parent = nullptr);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

class TINIComboBox : public QComboBox, public TINIBound {
public:
    explicit TINIComboBox(QWidget* parent = nullptr);
    bool INISaveIndex = false;
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

class TINIListBox : public QListWidget, public TINIBound {
public:
    explicit TINIListBox(QWidget* parent = nullptr);
    bool INISaveIndex = false;
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

// Stores its colours and font, never its text.
class TINIMemo : public QPlainTextEdit, public TINIBound {
public:
    explicit TINIMemo(QWidget* parent = nullptr);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;

private:
    TMemoLook CurrentLook() const;
};

// Stores the area it is docked in and, while floating, its rectangle. Qt can
// move a tool bar between the areas of its main window but offers no call to
// tear one off, so a stored floating bar stays where it is docked.
class TINIToolBar : public QToolBar, public TINIBound {
public:
    explicit TINIToolBar(const QString& title = {}, QWidget* parent = nullptr);
    void LoadINI(const TIniFile& ini) override;
    void SaveINI(TIniFile& ini) const override;
};

// The bound controls below `form` (the form itself included) in creation
// order.
std::vector<TINIBound*> BoundControls(QWidget* form);

// Reads the file once and loads every bound control of `form`. A bare name
// such as "VBPLUMO3.INI" is looked up in the configuration directory. A
// missing file loads nothing and is no error; a file that cannot be read is
// an error and changes no control.
TIoResult LoadINIControls(QWidget* form, const std::string& fileName);

// Writes every bound control of `form` into the file in one atomic write,
// keeping the file's other sections. Failure: "Unable to write to <file>",
// and the file stays as it was.
TIoResult SaveINIControls(QWidget* form, const std::string& fileName);

}  // namespace plumora
