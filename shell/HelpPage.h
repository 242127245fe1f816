#pragma once

#include <QTextBrowser>

#include <functional>

namespace strhaven {

// The help window's page: it tells which link Tab or Shift+Tab selected,
// and a screen reader reads it through an interface that keeps every
// offset it is asked for inside the text (Qt's own moves a text cursor to
// whatever offset a reader names, and warns past the end of the text).
class HelpPage final : public QTextBrowser {
public:
    using LinkSelected = std::function<void(const QString& text)>;
    HelpPage(LinkSelected selected, QWidget* parent);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    LinkSelected m_selected;
};

} // namespace strhaven
