// The help window: a browser over the program's HTML pages. The option pages
// list their options from the catalogue itself, so the help never drifts from
// the captions and descriptions the program uses elsewhere.
#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <map>
#include <vector>

#include "settings/option_catalogue.h"

// The resources live in a static library; this keeps the linker from dropping them.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(help_tools);  // the pages of the form tree and the commentor
}

namespace plumora {

namespace {

// The option pages (and Comments tabs) each context number describes.
const std::map<int, std::vector<const char*>>& ContextPages() {
    static const std::map<int, std::vector<const char*>> pages{
        {11, {"General"}},
        {12, {"Indents"}},
        {13, {"Comments / Single Line", "Comments / Special"}},
        {14, {"Comments / In-line"}},
        {15, {"Blank Lines"}},
        {16, {"Spell Check"}},
        {17, {"Save"}},
        {29, {"Comments / Subroutines"}},
        {30, {"Comments / Functions"}},
        {71, {"User"}},
    };
    return pages;
}

QString Escaped(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString OptionCaption(const OptionDef& d) {
    QString caption = Escaped(d.Caption);
    if (d.Kind == OptionKind::Number && *d.Label) {
        caption += QStringLiteral(" &mdash; ") + Escaped(d.Label);
    } else if (*d.Label) {
        caption += QStringLiteral(" ") + Escaped(d.Label);
    }
    if (caption.isEmpty()) caption = Escaped(d.Key);
    if (*d.Box) caption = Escaped(d.Box) + QStringLiteral(": ") + caption;
    return caption;
}

QString OptionDefault(const OptionDef& d) {
    switch (d.Kind) {
    case OptionKind::Check:
    case OptionKind::Radio:
        return d.Default ? QStringLiteral("on") : QStringLiteral("off");
    case OptionKind::Number:
        return QString::number(d.Default) + QStringLiteral(" (%1 to %2)").arg(d.Min).arg(d.Max);
    case OptionKind::Choice:
        return d.Default >= 0 && d.Default < int(d.Choices.size()) ? Escaped(d.Choices[d.Default])
                                                                   : QString();
    case OptionKind::Text:
        return d.DefaultText && *d.DefaultText ? Escaped(d.DefaultText)
                                               : QStringLiteral("(empty)");
    }
    return {};
}

// A table of the options shown on the given pages, in the dialog's order.
QString OptionTable(const std::vector<const char*>& pages) {
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
        "<tr><th align=\"left\">Option</th><th align=\"left\">What it does</th>"
        "<th align=\"left\">Default</th><th align=\"left\">Stored as</th></tr>");
    for (const OptionDef& d : OptionCatalogue()) {
        bool shown = false;
        for (const char* page : pages) shown = shown || std::string_view(d.Page) == page;
        if (!shown) continue;
        QString what = Escaped(d.Help);
        if (d.Kind == OptionKind::Choice) {
            what += QStringLiteral("<br>Choices:");
            for (const char* choice : d.Choices) what += QStringLiteral(" &ldquo;") + Escaped(choice) + QStringLiteral("&rdquo;");
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td><code>%4/%5</code></td></tr>")
                    .arg(OptionCaption(d), what, OptionDefault(d), Escaped(d.Section), Escaped(d.Key));
    }
    return html + QStringLiteral("</table>");
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
        const auto pages = ContextPages().find(ContextOf(url));
        if (pages != ContextPages().end()) {
            html.replace(QStringLiteral("<!--options-->"), OptionTable(pages->second));
        }
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
