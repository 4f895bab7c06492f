#include "qt/bind_grid.h"

#include <QHeaderView>

namespace quorvel {

GridBinder::GridBinder(Grid& model, QTableWidget* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget->setSelectionBehavior(QAbstractItemView::SelectRows);
  widget->verticalHeader()->setVisible(false);
  widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 4);
  widget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  watch();
}

void GridBinder::refresh() {
  const std::vector<std::string>& captions = model_.Captions();
  const std::vector<std::vector<std::string>>& rows = model_.Rows();
  widget_->setColumnCount(static_cast<int>(captions.size()));
  QStringList headers;
  for (const std::string& c : captions) headers << qtText(c);
  widget_->setHorizontalHeaderLabels(headers);
  widget_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const std::vector<std::string>& cells = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(cells.size()) && c < widget_->columnCount(); ++c) {
      const QString text = qtText(cells[static_cast<std::size_t>(c)]);
      auto* item = new QTableWidgetItem(text);
      // Numbers line up on the right, words on the left.
      const bool number = !text.isEmpty() && (text[0].isDigit() || text[0] == QLatin1Char('-'));
      item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      widget_->setItem(r, c, item);
    }
  }
  applyControl(model_, widget_);
}

}  // namespace quorvel
