// The help window: a browser over the program's HTML pages. The parts of a
// page that the program generates come from the filler the program sets.
#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
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
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
            setWindowTitle(QStringLiteral("Plumora/VB 3.0 Help - ") + browser_->documentTitle());
        });
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

private:
    THelpBrowser* browser_;
};

}  // namespace

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
    window->Show(context);
    if (parent && !window->isVisible()) {
        window->move(parent->window()->geometry().center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace plumora
