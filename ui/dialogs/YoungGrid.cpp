#include "YoungGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>

#include "DigitKeyFilter.h"
#include "YoungList.h"

namespace kmr::ui {
namespace {

const QColor kFixedColour(240, 240, 240);

// Names: at most 30 characters that fit the 30 bytes of Shift-JIS.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (!FitsShiftJis(input)) return Invalid;
        return ShiftJisLength(input) <= 30 ? Acceptable : Invalid;
    }
};

}  // namespace

class YoungGrid::Delegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QPointer<QLineEdit> open;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        if (index.column() == 1) {
            edit->setMaxLength(kYoungNameMaxChars);
            edit->setValidator(new NameValidator(edit));
        } else {
            edit->setMaxLength(kYoungETextMaxChars);
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->installEventFilter(new DigitKeyFilter(edit));
        }
        const_cast<Delegate*>(this)->open = edit;
        return edit;
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool fixed = index.row() == 0 || index.column() == 0;
        QColor back = fixed ? kFixedColour : QColor(Qt::white);
        const QVariant b = index.data(Qt::BackgroundRole);
        if (!fixed && b.canConvert<QBrush>()) back = b.value<QBrush>().color();
        QColor fore = Qt::black;
        if (!fixed && (option.state & QStyle::State_Selected)) {
            back = option.palette.color(QPalette::Highlight);
            fore = option.palette.color(QPalette::HighlightedText);
        }
        p->fillRect(option.rect, back);
        Qt::Alignment align = Qt::AlignVCenter;
        if (fixed) {
            align |= Qt::AlignHCenter;
        } else {
            align |= index.column() == 1 ? Qt::AlignLeft : Qt::AlignRight;
        }
        p->setPen(fore);
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(2, 2, -2, -2), int(align),
                    index.data(Qt::DisplayRole).toString());
    }
};

YoungGrid::YoungGrid(bool editable, QWidget* parent)
    : QTableWidget(kYoungRows + 1, 3, parent), delegate_(new Delegate(this)) {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(13);
    setFont(font);
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int c = 0; c < 3; ++c) setColumnWidth(c, kColumnWidths[c]);
    setTabKeyNavigation(true);
    setSelectionMode(editable ? QAbstractItemView::SingleSelection
                              : QAbstractItemView::NoSelection);
    setEditTriggers(editable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed
                             : QAbstractItemView::NoEditTriggers);
    const char* heads[3] = {"No.", "登 録 名", "Ｅ(N/mm2)"};
    for (int c = 0; c < 3; ++c) {
        auto* item = new QTableWidgetItem(QString::fromUtf8(heads[c]));
        item->setFlags(Qt::NoItemFlags);
        setItem(0, c, item);
    }
    for (int r = 1; r <= kYoungRows; ++r) {
        auto* no = new QTableWidgetItem(QString::number(r));
        no->setFlags(Qt::NoItemFlags);
        setItem(r, 0, no);
        for (int c = 1; c < 3; ++c) {
            auto* item = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (editable) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            setItem(r, c, item);
        }
    }
    const QSize size = GridSize();
    setFixedSize(size);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCurrentCell(1, 1);
}

QString YoungGrid::CellText(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void YoungGrid::SetCellText(int col, int row, const QString& text) {
    item(row, col)->setText(text);
}

void YoungGrid::SelectCell(int col, int row) {
    setCurrentCell(row, col);
    scrollToItem(item(row, col));
}

void YoungGrid::FinishEditing() {
    // A click outside the grid may already have committed and closed the
    // editor; only an editor that is still open is committed here.
    if (state() != QAbstractItemView::EditingState) return;
    if (QLineEdit* edit = delegate_->open) {
        emit delegate_->commitData(edit);
        emit delegate_->closeEditor(edit, QAbstractItemDelegate::NoHint);
    }
}

QSize YoungGrid::GridSize() const {
    int w = 8;
    for (int c : kColumnWidths) w += c;
    return QSize(w, (kYoungRows + 1) * kRowHeight + 2 * frameWidth());
}

}  // namespace kmr::ui
