#include "shell/HelpWindow.h"

#include "assets/help/HelpBook.h"
#include "shell/HelpPage.h"
#include "widgets/Announcer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace strhaven {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Star Haven Virtual Slots Help"));
    // Only a help window is left when the game closes; it must not keep the
    // program alive, nor end it by being closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &HelpWindow::close);
}

// The pages and their browser are made when help is first asked for: most
// runs never open it, and start-up need not pay for it.
void HelpWindow::build()
{
    if (m_browser)
        return;
    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("contentsButton"));
    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);

    // Tab steps through the page's links by selecting each; a screen reader
    // says nothing of a selection in a page, so the link is told.
    auto* announcer = new Announcer(this);
    m_browser = new HelpPage([announcer](const QString& link) { announcer->announce(tr("Link: %1").arg(link)); }, this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);

    connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(helpContentsUrl()); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 600);
}

void HelpWindow::showTopic(QWidget* owner, int topic)
{
    const QUrl page = helpTopicUrl(topic);
    present(owner, page.isEmpty() ? helpContentsUrl() : page);
}

void HelpWindow::showContents(QWidget* owner) { present(owner, helpContentsUrl()); }

void HelpWindow::close() { hide(); }

QUrl HelpWindow::currentPage() const { return m_browser ? m_browser->source() : QUrl(); }

QString HelpWindow::pageTitle() const { return m_browser ? m_browser->documentTitle() : QString(); }

void HelpWindow::present(QWidget* owner, const QUrl& page)
{
    build();
    if (m_browser->source() != page)
        m_browser->setSource(page);
    // Kept above the game's window by the window manager, without the game
    // owning (and one day deleting) the help window. Asked for from a modal
    // dialog, it belongs to that dialog instead: a modal dialog blocks every
    // window but its own, and help that cannot be scrolled or clicked is no
    // help. The dialog closes the help when it closes.
    if (owner && !parentWidget()) {
        winId();
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* top = modal && modal != this ? modal : owner->window();
        if (windowHandle() && top->windowHandle())
            windowHandle()->setTransientParent(top->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

} // namespace strhaven
