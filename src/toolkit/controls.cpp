#include "toolkit/controls.h"

#include <algorithm>
#include <utility>

namespace quorvel {

void Control::setBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  notify();
}

void CheckBox::setValue(int v) {
  if (v == value_) return;
  value_ = v;
  notify();
  if (Click) Click();
}

void TextBox::setText(std::string v) {
  if (filter_) v = filter_(std::move(v));
  if (v == text_) return;
  text_ = std::move(v);
  selStart_ = 0;
  selLength_ = 0;
  notify();
}

void TextBox::setSelection(int start, int length) {
  selStart_ = std::max(0, start);
  selLength_ = std::max(0, length);
  notify();
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  ++itemsRevision_;
  lastItemsChange_ = {LineChangeKind::Added, ListCount() - 1};
  notify();
}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
  ++itemsRevision_;
  lastItemsChange_ = {LineChangeKind::Cleared};
  notify();
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  if (index == listIndex_) return;
  listIndex_ = index;
  if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
  notify();
  if (Click) Click();
}

void CheckListBox::changed(LineChangeKind kind, int first, int second) {
  ++revision_;
  lastChange_ = {kind, first, second};
  notify();
}

void CheckListBox::endUpdate() {
  if (updating_ == 0 || --updating_ > 0) return;
  changed(LineChangeKind::Batch, -1);
}

void CheckListBox::AddItem(std::string text) {
  items_.push_back(Line{std::move(text), false});
  changed(LineChangeKind::Added, ListCount() - 1);
}

void CheckListBox::setLines(std::vector<Line> lines, int current) {
  items_ = std::move(lines);
  listIndex_ = current >= 0 && current < ListCount() ? current : -1;
  changed(LineChangeKind::Batch, -1);
}

void CheckListBox::RemoveItem(int i) {
  if (i < 0 || i >= ListCount()) return;
  items_.erase(items_.begin() + i);
  if (listIndex_ == i) {
    listIndex_ = -1;
  } else if (listIndex_ > i) {
    --listIndex_;
  }
  changed(LineChangeKind::Removed, i);
}

void CheckListBox::setItemText(int i, std::string text) {
  if (i < 0 || i >= ListCount()) return;
  items_[static_cast<std::size_t>(i)].text = std::move(text);
  changed(LineChangeKind::Text, i);
}

void CheckListBox::swapItems(int i, int j) {
  if (i < 0 || j < 0 || i >= ListCount() || j >= ListCount() || i == j) return;
  std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
  if (listIndex_ == i) {
    listIndex_ = j;
  } else if (listIndex_ == j) {
    listIndex_ = i;
  }
  changed(LineChangeKind::Swapped, i, j);
}

void CheckListBox::doubleClick(int i) {
  if (i < 0 || i >= ListCount()) return;
  setListIndex(i);
  if (DblClick) DblClick(i);
}

void CheckListBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  changed(LineChangeKind::Cleared, -1);
}

void CheckListBox::setListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  if (index == listIndex_) return;
  listIndex_ = index;
  changed(LineChangeKind::Current, index);
}

void CheckListBox::setSelected(int i, bool ticked) {
  if (i < 0 || i >= ListCount()) return;
  auto& item = items_[static_cast<std::size_t>(i)];
  listIndex_ = i;
  if (item.ticked == ticked) {
    changed(LineChangeKind::Current, i);
    return;
  }
  item.ticked = ticked;
  changed(LineChangeKind::Tick, i);
  if (ItemCheck) ItemCheck(i);
}

void Slider::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  value_ = std::clamp(value_, min_, max_);
  notify();
}

void Slider::setValue(int v) { set(value_, std::clamp(v, min_, max_)); }

void TabStrip::select(int index) {
  if (index < 1 || index > static_cast<int>(Captions.size())) return;
  if (index == selected_) return;
  selected_ = index;
  notify();
  if (Click) Click();
}

bool ProgressBar::setValue(int v) {
  if (v < 0 || v > 100) return false;
  set(value_, v);
  return true;
}

void Timer::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  notify();
}

void Window::setCaption(std::string v) {
  caption_ = std::move(v);
  notify();
}

void Window::Show() {
  visible_ = true;
  notify();
}

void Window::Hide() {
  visible_ = false;
  notify();
}

void Window::setMousePointer(int v) {
  mousePointer_ = v;
  notify();
}

}  // namespace quorvel
