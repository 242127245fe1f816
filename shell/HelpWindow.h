#pragma once

#include "seams/HelpViewer.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace strhaven {

// The help viewer: a tool window beside the game showing the help book.
// It is not modal, so the player can read while playing; closing only hides
// it, and the next request brings it back at the page asked for.
class HelpWindow final : public QWidget, public HelpViewer {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // A topic the book lacks shows the contents instead.
    void showTopic(QWidget* owner, int topic) override;
    void showContents(QWidget* owner) override;
    void close() override;

    QUrl currentPage() const;
    QString pageTitle() const;

private:
    void build();
    void present(QWidget* owner, const QUrl& page);

    QTextBrowser* m_browser = nullptr;
};

} // namespace strhaven
