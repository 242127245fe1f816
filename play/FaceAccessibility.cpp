#include "play/FaceAccessibility.h"

#include "assets/art/Art.h"
#include "play/FaceWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <memory>
#include <vector>

namespace strhaven {

namespace {

struct FaceText {
    Q_DECLARE_TR_FUNCTIONS(MachineFace)
};

// A display or the pay line: its name ("Credits", "Pay line") and what it
// shows (a figure, the symbols by name) as its value and as read-only text,
// which a screen reader reads after the name. The pay line also gives it as
// its description, which readers say when the focus passes by.
class ReadOutAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using Shown = QString (*)(const QWidget*);
    enum class Described { No, Yes };
    ReadOutAccessible(QWidget* widget, Shown shown, Described described)
        : QAccessibleWidget(widget, QAccessible::StaticText), m_shown(shown), m_described(described)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Description && m_described == Described::Yes))
            return shownText();
        return QAccessibleWidget::text(t);
    }

    // Nothing in it can be selected or edited.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shownText().size()); }
    // Where each character shows (a display's figures, right-aligned as
    // they are drawn; the pay line's names along the line), so that a
    // reader's review of the screen finds the text at its place.
    QRect characterRect(int offset) const override
    {
        const QString text = shownText();
        if (offset < 0 || offset >= text.size())
            return {};
        const QWidget* w = widget();
        const QFontMetrics metrics(w->font());
        const auto* label = qobject_cast<const QLabel*>(w);
        const QRect area = label ? label->contentsRect() : w->rect();
        const int textLeft = label && (label->alignment() & Qt::AlignRight)
                                 ? area.right() + 1 - metrics.horizontalAdvance(text)
                                 : area.left();
        // Measured as the whole text is drawn, so that the last character
        // ends where the text does.
        const int left = metrics.horizontalAdvance(text.left(offset));
        const QPoint topLeft(textLeft + left, area.center().y() - metrics.height() / 2);
        const QSize size(std::max(1, metrics.horizontalAdvance(text.left(offset + 1)) - left), metrics.height());
        return QRect(w->mapToGlobal(topLeft), size);
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i)
            if (characterRect(i).contains(point))
                return i;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString shownText() const { return m_shown(widget()); }

    Shown m_shown;
    Described m_described;
};

class PayTableAccessible;

// One cell of the printed pay table, or (row -1) one of its headings.
class PayCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    PayCellAccessible(PayTableAccessible* table, int row, int column) : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    PayTableAccessible* m_table;
    int m_row;
    int m_column;
};

// The printed pay table as a table: a row for each printed line, the
// combination first, then the wins for one, two and three coins, under the
// printed headings. Its children are the cells row by row, then the
// headings.
class PayTableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    static constexpr int Columns = PayTableArea::Columns;

    explicit PayTableAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table)
    {
        const int cells = rowCount() * Columns;
        for (int i = 0; i < cells + Columns; ++i) {
            auto* cell = i < cells ? new PayCellAccessible(this, i / Columns, i % Columns)
                                   : new PayCellAccessible(this, -1, i - cells);
            m_cells.push_back(QAccessible::registerAccessibleInterface(cell));
        }
    }
    ~PayTableAccessible() override
    {
        for (QAccessible::Id id : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    const PayTableArea& area() const { return *static_cast<const PayTableArea*>(widget()); }
    const QWidget* areaWidget() const { return widget(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return int(m_cells.size()); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(m_cells[std::size_t(index)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessible::accessibleInterface(m_cells[std::size_t(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface* heading(int column) const { return child(rowCount() * Columns + column); }
    QString cellText(int row, int column) const
    {
        if (row < 0)
            return columnDescription(column);
        const PayTableArea::Row& r = area().rows()[std::size_t(row)];
        return column == 0 ? r.combination : QString::number(r.wins[std::size_t(column - 1)]);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < Columns ? child(row * Columns + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        switch (column) {
        case 0: return FaceText::tr("Combination");
        case 1: return FaceText::tr("1 coin");
        case 2: return FaceText::tr("2 coins");
        default: return FaceText::tr("3 coins");
        }
    }
    int columnCount() const override { return Columns; }
    QString rowDescription(int row) const override { return cellText(row, 0); }
    int rowCount() const override { return int(area().rows().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    std::vector<QAccessible::Id> m_cells;
};

bool PayCellAccessible::isValid() const { return m_table->isValid(); }
QWindow* PayCellAccessible::window() const { return m_table->window(); }
QAccessibleInterface* PayCellAccessible::parent() const { return m_table; }
QAccessibleInterface* PayCellAccessible::table() const { return m_table; }
QString PayCellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_table->cellText(m_row, m_column) : QString();
}
QAccessible::State PayCellAccessible::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    if (m_row < 0)
        return s;
    const PayTableArea& area = m_table->area();
    s.focusable = true;
    s.focused = area.hasFocus() && area.currentRow() == m_row && area.currentColumn() == m_column;
    return s;
}
QList<QAccessibleInterface*> PayCellAccessible::columnHeaderCells() const
{
    if (m_row < 0)
        return {};
    return {m_table->heading(m_column)};
}
QRect PayCellAccessible::rect() const
{
    // The area lies where the printed table does, so the art's own layout
    // places each cell.
    const QWidget* area = m_table->areaWidget();
    const QRect local = art::payCellRect(m_row, m_column).toAlignedRect().translated(-area->pos());
    return QRect(area->mapToGlobal(local.topLeft()), local.size());
}

QAccessibleInterface* faceAccessible(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("strhaven::FaceDisplay"))
        return new ReadOutAccessible(
            widget, [](const QWidget* w) { return static_cast<const QLabel*>(w)->text().trimmed(); },
            ReadOutAccessible::Described::No);
    if (className == QLatin1String("strhaven::PayLine"))
        return new ReadOutAccessible(
            widget, [](const QWidget* w) { return static_cast<const PayLine*>(w)->symbols(); },
            ReadOutAccessible::Described::Yes);
    if (className == QLatin1String("strhaven::PayTableArea"))
        return new PayTableAccessible(widget);
    return nullptr;
}

} // namespace

void installFaceAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(faceAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace strhaven
