#include "panel_list_view.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace kavrena {
namespace {

// Draws the selection behind the text alone, and only while the list has the focus.
class TextHighlightDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget* view = option.widget;
        const QStyle* style = view != nullptr ? view->style() : QApplication::style();
        const bool listHasFocus = view != nullptr && view->hasFocus();
        const bool highlighted = item.state.testFlag(QStyle::State_Selected) && listHasFocus;
        item.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus);

        // The check box and the background as the style draws them, the text by hand.
        const QRect textCell = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        const QString text = item.text;
        item.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        QRect behindText = textCell;
        behindText.setWidth(
            qMin(textCell.width(), item.fontMetrics.horizontalAdvance(text) + 2 * margin));
        if (highlighted)
            painter->fillRect(behindText,
                              option.palette.brush(QPalette::Active, QPalette::Highlight));
        painter->save();
        painter->setFont(item.font);
        painter->setPen(option.palette.color(
            QPalette::Active, highlighted ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(
            behindText.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
            item.fontMetrics.elidedText(text, Qt::ElideRight, textCell.width() - 2 * margin));
        painter->restore();
    }

    // Tall enough for the whole check box, not only for the text.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize hint = QStyledItemDelegate::sizeHint(option, index);
        const QStyle* style =
            option.widget != nullptr ? option.widget->style() : QApplication::style();
        const int boxHeight =
            style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, option.widget);
        hint.setHeight(qMax(hint.height(), boxHeight + 3));
        return hint;
    }
};

} // namespace

PanelListView::PanelListView(QWidget* parent)
    : QListWidget(parent) {
    setItemDelegate(new TextHighlightDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSortingEnabled(false);
    setMouseTracking(false);
    viewport()->setAttribute(Qt::WA_Hover, false);
    // A sunken three-dimensional border of two lines, drawn by the frame itself: a style's own
    // panel is flat in most styles.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::ClickFocus); // reached by a click or a command, never by Tab

    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::white);
        colours.setColor(group, QPalette::Text, Qt::black);
    }
    setPalette(colours);
}

void PanelListView::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void PanelListView::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

} // namespace kavrena
