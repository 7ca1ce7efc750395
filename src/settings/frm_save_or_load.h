// The "Save or Load?" question beside a header template's file field, and
// the flow that saves the template into a file or loads it from one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

namespace plumora {

class ICommandHost;

enum class TSaveOrLoadChoice { Cancel, Save, Load };

class TfrmSaveOrLoad : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSaveOrLoad(QWidget* parent = nullptr);
    // The button the user pressed; Cancel also for Escape.
    TSaveOrLoadChoice Choice() const { return choice_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSaveOrLoadChoice choice_ = TSaveOrLoadChoice::Cancel;
};

// The dialogs of the flow; each can be replaced (tests). An empty file name
// means the user cancelled.
struct TTemplateFileDialogs {
    std::function<TSaveOrLoadChoice(QWidget* parent)> Ask;
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)> SaveName;
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)> OpenName;

    // The real dialogs: TfrmSaveOrLoad and the platform's file dialogs.
    static TTemplateFileDialogs Platform();
};

// Asks, then saves `lines` into the chosen file or replaces them by its lines;
// either way `fileName` becomes the chosen file's full name. Returns true when
// `lines` or `fileName` changed. A file that cannot be written or read shows
// the error through `host` and changes nothing.
bool SaveOrLoadTemplate(QWidget* parent, ICommandHost& host, const TTemplateFileDialogs& dialogs,
                        std::vector<std::string>& lines, std::string& fileName);

}  // namespace plumora
