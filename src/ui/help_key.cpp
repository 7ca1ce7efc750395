// The F1 filter of the child windows.
#include "ui/help_key.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "ui/help_window.h"

namespace plumora {

namespace {

bool IsHelpKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

// Key events travel from the focus widget up to the window. Taking the
// shortcut override there keeps the frame's F1 shortcut from firing, so the
// key press itself arrives and opens this window's page.
class THelpKey : public QObject {
public:
    THelpKey(QWidget* window, int context) : QObject(window), window_(window), context_(context) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && IsHelpKey(event)) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && IsHelpKey(event)) {
            ShowHelpContext(window_, context_);
            return true;
        }
        return false;
    }

private:
    QWidget* window_;
    int context_;
};

}  // namespace

void InstallHelpKey(QWidget* window, int context) {
    window->installEventFilter(new THelpKey(window, context));
}

}  // namespace plumora
