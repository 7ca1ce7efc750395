// The help window: a browser over the program's HTML pages. The parts of a
// page that the program generates come from the filler the program sets.
#include "ui/help_window.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

// The resources live in a static library; this keeps the linker from dropping them.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(help_tools);  // the pages of the form tree and the commentor
}

namespace plumora {

namespace {

THelpPageFiller& PageFiller() {
    static THelpPageFiller filler;
    return filler;
}

int ContextOf(const QUrl& url) {
    bool ok = false;
    const int context = url.fileName().section('.', 0, 0).toInt(&ok);
    return ok ? context : -1;
}

class THelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = name.isRelative() ? QUrl(QStringLiteral("qrc:/help/")).resolved(name) : name;
        if (type != QTextDocument::HtmlResource) return QTextBrowser::loadResource(type, url);
        QFile file(QStringLiteral(":") + url.path());
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("<html><body><p>This help page is missing.</p>"
                                  "<p><a href=\"0.html\">Contents</a></p></body></html>");
        }
        QString html = QString::fromUtf8(file.readAll());
        if (PageFiller() && html.contains(QStringLiteral("<!--options-->")))
            html.replace(QStringLiteral("<!--options-->"), PageFiller()(ContextOf(url)));
        return html;
    }
};

class THelpWindow : public QWidget {
public:
    THelpWindow() : QWidget(nullptr, Qt::Window) {
        setObjectName(QStringLiteral("frmHelp"));
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(QStringLiteral("Plumora/VB 3.0 Help"));
        resize(720, 560);
        browser_ = new THelpBrowser(this);
        browser_->setObjectName(QStringLiteral("browserHelp"));
        browser_->setOpenExternalLinks(true);
        auto* bar = new QToolBar(this);
        bar->addAction(QStringLiteral("Contents"), this, [this] { Show(0); });
        QAction* back = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
        QAction* forward = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::sourceChanged, this,
                [this] { setWindowTitle(HelpWindowTitle(browser_->documentTitle())); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(bar);
        layout->addWidget(browser_);
    }

    void Show(int context) {
        QString path = HelpPagePath(context);
        if (path.isEmpty()) path = HelpPagePath(0);
        browser_->setSource(QUrl(QStringLiteral("qrc") + path));
    }

    // While a modal dialog is open, only its own windows take input: the help
    // opened from it becomes one of them (in front of it, usable while it
    // stays open) and goes back to being a window of its own when the
    // dialog closes, staying where it is.
    void Attach(QWidget* modal) {
        if (parentWidget() == modal) return;
        const bool visible = isVisible();
        const QRect place = geometry();
        setParent(modal, Qt::Window);
        if (visible) {
            setGeometry(place);
            show();
        }
        if (modal) modal->installEventFilter(this);
    }

protected:
    // Escape closes the help, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QWidget::keyPressEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget() && event->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            Attach(nullptr);
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    THelpBrowser* browser_;
};

// Beside the window that asked for help when the screen has room there;
// otherwise from its middle to the right, so that its left half (the page
// list of the options, a dialog's buttons) stays in view.
QPoint HelpPlace(const QWidget* owner, QSize size) {
    const QRect frame = owner->frameGeometry();
    const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : frame;
    // Room for the help window's own frame and title bar.
    size += QSize(8, 32);
    if (frame.right() + size.width() <= screen.right()) return QPoint(frame.right() + 1, frame.top());
    if (frame.left() - size.width() >= screen.left())
        return QPoint(frame.left() - size.width(), frame.top());
    QRect place(QPoint(frame.center().x(), frame.top() + 24), size);
    if (place.right() > screen.right()) place.moveRight(screen.right());
    if (place.bottom() > screen.bottom()) place.moveBottom(screen.bottom());
    return QPoint(std::max(place.left(), screen.left()), std::max(place.top(), screen.top()));
}

}  // namespace

QString HelpWindowTitle(const QString& pageTitle) {
    const QString title = QStringLiteral("Plumora/VB 3.0 Help");
    if (pageTitle.isEmpty() || pageTitle.startsWith(title)) return title;
    return title + QStringLiteral(" - ") + pageTitle;
}

void SetHelpPageFiller(THelpPageFiller filler) { PageFiller() = std::move(filler); }

QString HelpPagePath(int context) {
    InitHelpResources();
    const QString path = QStringLiteral(":/help/%1.html").arg(context);
    return QFile::exists(path) ? path : QString();
}

void ShowHelpContext(QWidget* parent, int context) {
    static QPointer<THelpWindow> window;
    if (!window) {
        window = new THelpWindow();
        // A top-level window without a parent: it goes when the application does.
        qAddPostRoutine([] { delete window.data(); });
    }
    window->Attach(QApplication::activeModalWidget());
    window->Show(context);
    if (parent && !window->isVisible()) window->move(HelpPlace(parent->window(), window->size()));
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace plumora
