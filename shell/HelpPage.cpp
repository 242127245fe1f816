#include "shell/HelpPage.h"

#include "widgets/AccessibleFor.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace strhaven {

namespace {

class HelpPageAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpPageAccessible(HelpPage* page) : QAccessibleWidget(page, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? page()->toPlainText() : QAccessibleWidget::text(t);
    }

    int characterCount() const override { return endPosition(); }
    QString text(int startOffset, int endOffset) const override
    {
        QTextCursor cursor = at(startOffset);
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    }
    int cursorPosition() const override { return page()->textCursor().position(); }
    void setCursorPosition(int position) override { page()->setTextCursor(at(position)); }
    int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        const QTextCursor cursor = page()->textCursor();
        const bool any = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = any ? cursor.selectionStart() : 0;
        *endOffset = any ? cursor.selectionEnd() : 0;
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = at(startOffset);
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            setCursorPosition(cursorPosition());
    }
    QRect characterRect(int offset) const override
    {
        const QRect here = page()->cursorRect(at(offset));
        QRect next = page()->cursorRect(at(offset + 1));
        const int width = next.top() == here.top() ? std::max(1, next.left() - here.left()) : 1;
        const QPoint topLeft = page()->viewport()->mapToGlobal(here.topLeft());
        return QRect(topLeft, QSize(width, here.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return page()->cursorForPosition(page()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        QTextCursor cursor = at(startIndex);
        cursor.setPosition(clamped(endIndex), QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
        page()->ensureCursorVisible();
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = clamped(offset);
        return {};
    }

private:
    HelpPage* page() const { return static_cast<HelpPage*>(widget()); }
    // The offset just past the last character: the document's own end
    // position, where its closing paragraph separator starts.
    int endPosition() const { return std::max(0, page()->document()->characterCount() - 1); }
    int clamped(int offset) const { return std::clamp(offset < 0 ? endPosition() : offset, 0, endPosition()); }
    QTextCursor at(int offset) const
    {
        QTextCursor cursor(page()->document());
        cursor.setPosition(clamped(offset));
        return cursor;
    }
};

} // namespace

HelpPage::HelpPage(LinkSelected selected, QWidget* parent) : QTextBrowser(parent), m_selected(std::move(selected))
{
    readAccessiblyAs<HelpPage, HelpPageAccessible>();
}

bool HelpPage::focusNextPrevChild(bool next)
{
    const int before = textCursor().position();
    const bool stayed = QTextBrowser::focusNextPrevChild(next);
    const QTextCursor cursor = textCursor();
    if (stayed && hasFocus() && cursor.hasSelection() && cursor.position() != before)
        m_selected(cursor.selectedText());
    return stayed;
}

} // namespace strhaven
