#include "ui/qt/class_editor_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/qt/qt_text.h"
#include "ui/qt/qt_text_editor.h"
#include "window/scaling.h"

namespace korvale {

namespace {

// The design's room between the window's edge, the plan and the list.
constexpr int kDesignGap = 8;
const QColor kLineColor(128, 128, 128);

QColor colorOf(Color c) {
  return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

const Panel* findPanel(const std::vector<Panel>& panels, const char* name) {
  for (const Panel& panel : panels)
    if (panel.name == name) return &panel;
  return nullptr;
}

}  // namespace

// Draws a cell in its colour with its lines on the right and below (and left and above for the
// first column and row), the text inset from them, on one line or wrapped at blanks.
class PlanDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  int lineWidth = 1;
  bool wrap = false;
  Color background = kTooltipBackground;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, colorOf(background));
    const int left = index.column() == 0 ? lineWidth : 0;
    const int top = index.row() == 0 ? lineWidth : 0;
    const int inset = 2;
    const QRect text =
        cell.adjusted(left + inset, top + inset, -lineWidth - inset, -lineWidth - inset);
    painter->setClipRect(text);
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    painter->drawText(text, flags, index.data().toString());
    painter->setClipping(false);
    painter->fillRect(QRect(cell.right() - lineWidth + 1, cell.top(), lineWidth, cell.height()),
                      kLineColor);
    painter->fillRect(QRect(cell.left(), cell.bottom() - lineWidth + 1, cell.width(), lineWidth),
                      kLineColor);
    if (left > 0)
      painter->fillRect(QRect(cell.left(), cell.top(), left, cell.height()), kLineColor);
    if (top > 0) painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), top), kLineColor);
    painter->restore();
  }
};

ClassEditorView::ClassEditorView(Window& window, ViewContext context, double scale)
    : WindowView(window, std::move(context)) {
  QWidget* central = centralWidget();
  plan_ = central->findChild<QTableWidget*>(QStringLiteral("plan"));
  auto* help = central->findChild<QWidget*>(QStringLiteral("help"));
  auto* print = central->findChild<QWidget*>(QStringLiteral("printPanel"));
  auto* nameBox = central->findChild<QWidget*>(QStringLiteral("nameBox"));
  QFont windowFont = font();
  windowFont.setFamily(QStringLiteral("Times New Roman"));
  setFont(windowFont);

  const std::vector<Panel> panels = window.panels();
  const Panel* plan = findPanel(panels, "plan");
  const Panel* helpPanel = findPanel(panels, "help");
  const Panel* printPanel = findPanel(panels, "printPanel");
  if (plan_ == nullptr || help == nullptr || print == nullptr || nameBox == nullptr ||
      plan == nullptr || helpPanel == nullptr || printPanel == nullptr || editor_ == nullptr)
    return;

  // The plan and the help text share the plan's room; the help text covers the plan.
  auto* planArea = new QWidget(central);
  planArea->setFixedSize(plan->width, plan->height);
  for (QWidget* widget : {static_cast<QWidget*>(plan_), help}) {
    widget->setParent(planArea);
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  plan_->setGeometry(0, 0, plan->width, plan->height);
  help->setGeometry(0, 0, helpPanel->width, helpPanel->height);

  // The name box above the list; the print panel covers the list while the plan is printed.
  auto* listArea = new QWidget(central);
  listArea->setFixedSize(printPanel->width, plan->height);
  QTextEdit* list = editor_->widget();
  for (QWidget* widget : {static_cast<QWidget*>(list), print, nameBox}) {
    widget->setParent(listArea);
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  const int gap = scaled(kDesignGap, scale);
  const int listTop = plan->height - printPanel->height;
  nameBox->setGeometry(0, 0, printPanel->width, std::max(listTop - gap, 16));
  list->setGeometry(0, listTop, printPanel->width, printPanel->height);
  print->setGeometry(0, listTop, printPanel->width, printPanel->height);
  list->setLineWrapMode(QTextEdit::NoWrap);
  nameBox->show();
  list->show();

  auto* page = new QHBoxLayout();
  page->setContentsMargins(gap, gap, gap, gap);
  page->setSpacing(gap);
  page->addWidget(planArea, 0, Qt::AlignTop);
  page->addWidget(listArea, 0, Qt::AlignTop);
  page->addStretch(1);
  auto* column = static_cast<QVBoxLayout*>(central->layout());
  column->setContentsMargins(0, 0, 0, 0);
  column->insertLayout(0, page, 1);
  for (int i = 1; i < column->count(); ++i) column->setStretch(i, 0);

  plan_->setShowGrid(false);
  plan_->setSelectionMode(QAbstractItemView::NoSelection);
  plan_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  plan_->setWordWrap(false);
  plan_->installEventFilter(this);
  delegate_ = new PlanDelegate(plan_);
  plan_->setItemDelegate(delegate_);
  connect(plan_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    const QTableWidgetItem* item = plan_->item(row, column);
    const Text text = item != nullptr ? fromQt(item->text()) : Text();
    run([&] { window_.cellEdited("plan", column, row, text); });
  });
}

void ClassEditorView::refresh() {
  // Texts the controller puts into the cells are no typing.
  if (plan_ != nullptr) plan_->blockSignals(true);
  WindowView::refresh();
  if (plan_ == nullptr) return;
  const std::vector<Panel> panels = window_.panels();
  if (const Panel* plan = findPanel(panels, "plan")) {
    delegate_->lineWidth = plan->gridLineWidth;
    delegate_->wrap = plan->wrapCells;
    delegate_->background = plan->background;
    // Pixels as the plan's measure counts them, whatever the screen's resolution.
    QFont cells(toQt(plan->font.family));
    cells.setPixelSize((plan->font.size * 96 + 36) / 72);
    cells.setBold(plan->font.bold);
    plan_->setFont(cells);
    QPalette colours = plan_->palette();
    colours.setColor(QPalette::Base, colorOf(plan->background));
    plan_->setPalette(colours);
    for (int c = 0; c < plan->columns && c < static_cast<int>(plan->columnWidths.size()); ++c)
      plan_->setColumnWidth(c, plan->columnWidths[static_cast<std::size_t>(c)] +
                                   plan->gridLineWidth * (c == 0 ? 2 : 1));
    for (int r = 0; r < plan->rows && r < static_cast<int>(plan->rowHeights.size()); ++r)
      plan_->setRowHeight(r, plan->rowHeights[static_cast<std::size_t>(r)] +
                                 plan->gridLineWidth * (r == 0 ? 2 : 1));
    plan_->viewport()->update();
  }
  plan_->blockSignals(false);
  if (auto* help = centralWidget()->findChild<QWidget*>(QStringLiteral("help"))) help->raise();
  if (auto* print = centralWidget()->findChild<QWidget*>(QStringLiteral("printPanel")))
    print->raise();
}

bool ClassEditorView::eventFilter(QObject* watched, QEvent* event) {
  if (plan_ != nullptr && watched == plan_) {
    // The plan keeps the focus it was clicked into, so a cell can be typed into.
    if (event->type() == QEvent::FocusIn) window_.setFocus("plan");
    // Without the focus it shows no current cell.
    if (event->type() == QEvent::FocusOut) plan_->setCurrentItem(nullptr);
  }
  return WindowView::eventFilter(watched, event);
}

}  // namespace korvale
