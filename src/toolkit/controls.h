#pragma once
// Toolkit-neutral models of the controls the program uses. Each holds what the
// program reads and writes of its control and the handler the toolkit would raise.
// Setting a check box's value, a combo box's list index or a list line's tick from
// code to a different value runs the control's handler at once, inside the setter,
// exactly as a user's click would; the program relies on that re-entry. Setting a
// toolbar button's pressed state raises nothing. A widget that shows a model calls
// the same setters on user input, so a click and a call from code take one path.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/observable.h"

namespace quorvel {

using Handler = std::function<void()>;

// What every control has. Positions and sizes are in twips within the container.
class Control : public Observable {
 public:
  explicit Control(std::string name = {}) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }

  bool Enabled() const { return enabled_; }
  void setEnabled(bool v) { set(enabled_, v); }
  bool Visible() const { return visible_; }
  void setVisible(bool v) { set(visible_, v); }
  int Left() const { return left_; }
  void setLeft(int v) { set(left_, v); }
  int Top() const { return top_; }
  void setTop(int v) { set(top_, v); }
  int Width() const { return width_; }
  void setWidth(int v) { set(width_, v); }
  int Height() const { return height_; }
  void setHeight(int v) { set(height_, v); }
  void setBounds(int left, int top, int width, int height);
  const std::string& ToolTipText() const { return toolTip_; }
  void setToolTipText(std::string v) { set(toolTip_, std::move(v)); }

 protected:
  template <class T>
  void set(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    notify();
  }

 private:
  std::string name_;
  bool enabled_ = true;
  bool visible_ = true;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string toolTip_;
};

class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v) { set(caption_, std::move(v)); }
  bool Underline() const { return underline_; }
  void setUnderline(bool v) { set(underline_, v); }
  Handler Click;

 private:
  std::string caption_;
  bool underline_ = false;
};

// Value 0 unticked, 1 ticked. A change of value from code or by the user runs Click.
class CheckBox : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v) { set(caption_, std::move(v)); }
  int Value() const { return value_; }
  void setValue(int v);
  // A user's click toggles the value (and so runs Click).
  void click() { setValue(value_ == 0 ? 1 : 0); }
  Handler Click;

 private:
  std::string caption_;
  int value_ = 0;
};

class CommandButton : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v) { set(caption_, std::move(v)); }
  bool Default() const { return default_; }
  void setDefault(bool v) { set(default_, v); }
  void click() const {
    if (Click) Click();
  }
  Handler Click;

 private:
  std::string caption_;
  bool default_ = false;
};

// A picture used as a button (the icons beside the commands, the pan pad).
class PictureButton : public Control {
 public:
  using Control::Control;
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int v) { set(borderStyle_, v); }
  void click() const {
    if (Click) Click();
  }
  Handler Click;
  Handler MouseDown;
  Handler MouseUp;

 private:
  int borderStyle_ = 0;
};

// What a box does to a text before it keeps it (typed or set from code alike).
using TextFilter = std::function<std::string(std::string)>;

class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  void setText(std::string v);
  void setInputFilter(TextFilter filter) { filter_ = std::move(filter); }
  // Selection in characters (code points) of the text.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void setSelection(int start, int length);
  // The box receives the keyboard focus.
  void gotFocus() const {
    if (GotFocus) GotFocus();
  }
  Handler GotFocus;

 private:
  std::string text_;
  int selStart_ = 0, selLength_ = 0;
  TextFilter filter_;
};

// What changed in a list of lines, for an observer that follows a long list one
// change at a time instead of comparing every line. Each change of the lines (or, in
// a list with ticks, of a tick or the current line) counts one revision; an observer
// that has seen the revision before the last follows LastChange alone, any other
// compares or rebuilds. Other changes of the control (size, visibility) count none.
// Batch: a run of changes made between beginUpdate and endUpdate has ended.
enum class LineChangeKind { Added, Removed, Text, Swapped, Cleared, Tick, Current, Batch };
struct LineChange {
  LineChangeKind kind = LineChangeKind::Cleared;
  int first = -1;   // the line added, removed, changed, ticked or made current
  int second = -1;  // Swapped: the other line
};

// A combo box: a list of items, the current index (−1 for none) and the text shown.
// Drop-down lists show the current item; editable combos take any typed text.
class ComboBox : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& List() const { return items_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  void AddItem(std::string item);
  void Clear();
  // The items' revision (Added and Cleared only); see LineChange.
  std::uint64_t ItemsRevision() const { return itemsRevision_; }
  const LineChange& LastItemsChange() const { return lastItemsChange_; }
  int ListIndex() const { return listIndex_; }
  // A change of index runs Click; the text becomes the item's (an index out of range
  // is refused and changes nothing).
  void setListIndex(int index);
  const std::string& Text() const { return text_; }
  // Typing into an editable combo: the text changes, the index does not, no Click.
  void setText(std::string v) { set(text_, filter_ ? filter_(std::move(v)) : std::move(v)); }
  void setInputFilter(TextFilter filter) { filter_ = std::move(filter); }
  Handler Click;

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
  TextFilter filter_;
  std::uint64_t itemsRevision_ = 0;
  LineChange lastItemsChange_;
};

// A list with a check box per line. Selected(i) is the tick of line i; ticking or
// unticking a line makes it the current line (ListIndex) and runs ItemCheck(i).
class CheckListBox : public Control {
 public:
  struct Line {
    std::string text;
    bool ticked = false;
  };

  using Control::Control;
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int i) const { return items_.at(static_cast<std::size_t>(i)).text; }
  void AddItem(std::string text);
  // Every line at once and the current line (−1 for none), as one change: no ItemCheck
  // runs, whatever the ticks.
  void setLines(std::vector<Line> lines, int current);
  // Removing the current line leaves no current line; the lines after it move up.
  void RemoveItem(int i);
  // A line's text changed in place; its tick and the current line stay.
  void setItemText(int i, std::string text);
  // Lines i and j change places with their ticks; the current line goes with its line.
  void swapItems(int i, int j);
  void Clear();
  int ListIndex() const { return listIndex_; }
  void setListIndex(int index);
  bool Selected(int i) const { return items_.at(static_cast<std::size_t>(i)).ticked; }
  void setSelected(int i, bool ticked);
  // A double click on line i: it becomes the current line, then DblClick(i) runs.
  void doubleClick(int i);
  std::function<void(int)> ItemCheck;
  std::function<void(int)> DblClick;
  // The revision of the lines, ticks and current line; see LineChange.
  std::uint64_t Revision() const { return revision_; }
  const LineChange& LastChange() const { return lastChange_; }
  // Many changes in a row (a list being opened or put back): an observer that shows
  // the lines may wait while Updating() and catch up once at the end, which counts
  // one more revision, a Batch. Pairs may nest; the outermost end counts.
  void beginUpdate() { ++updating_; }
  void endUpdate();
  bool Updating() const { return updating_ > 0; }

 private:
  // Counts the change and tells the observers.
  void changed(LineChangeKind kind, int first, int second = -1);
  std::vector<Line> items_;
  int listIndex_ = -1;
  std::uint64_t revision_ = 0;
  LineChange lastChange_;
  int updating_ = 0;
};

// beginUpdate … endUpdate for the lifetime of the object.
class ListUpdate {
 public:
  explicit ListUpdate(CheckListBox& list) : list_(list) { list_.beginUpdate(); }
  ~ListUpdate() { list_.endUpdate(); }
  ListUpdate(const ListUpdate&) = delete;
  ListUpdate& operator=(const ListUpdate&) = delete;

 private:
  CheckListBox& list_;
};

// Slider: the value always lies in [Min, Max]; a value outside is clamped.
class Slider : public Control {
 public:
  using Control::Control;
  void setRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  void setValue(int v);
  int LargeChange = 1, SmallChange = 1, TickFrequency = 1;

 private:
  int min_ = 0, max_ = 10, value_ = 0;
};

// Selected tab is 1-based; selecting a different tab runs Click.
class TabStrip : public Control {
 public:
  using Control::Control;
  std::vector<std::string> Captions;
  int SelectedIndex() const { return selected_; }
  const std::string& SelectedCaption() const {
    return Captions.at(static_cast<std::size_t>(selected_ - 1));
  }
  void select(int index);
  Handler Click;

 private:
  int selected_ = 1;
};

// Progress bar with the range 0..100. An invalid value is refused (false) and the
// bar keeps its value, as the platform raises an error there.
class ProgressBar : public Control {
 public:
  using Control::Control;
  int Value() const { return value_; }
  [[nodiscard]] bool setValue(int v);

 private:
  int value_ = 0;
};

enum class ButtonStyle { Placeholder, Check, Push };

// Setting the pressed state from code raises nothing.
class ToolbarButton : public Control {
 public:
  using Control::Control;
  std::string Caption;
  ButtonStyle Style = ButtonStyle::Push;
  int Image = 0;
  bool Value() const { return pressed_; }
  void setValue(bool pressed) { set(pressed_, pressed); }

 private:
  bool pressed_ = false;
};

class Timer : public Observable {
 public:
  int Interval = 0;
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  // The toolkit's tick.
  void fire() const {
    if (enabled_ && Tick) Tick();
  }
  Handler Tick;

 private:
  bool enabled_ = false;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum MousePointer { kDefaultPointer = 0, kHourglass = 11, kArrowHourglass = 13 };

// What the program reads and writes of a window.
class Window : public Observable {
 public:
  std::string Caption() const { return caption_; }
  void setCaption(std::string v);
  bool Visible() const { return visible_; }
  void Show();
  void Hide();
  int MousePointer() const { return mousePointer_; }
  void setMousePointer(int v);
  // Outer position and size and inner height, in twips.
  int Left = 0, Top = 0, Width = 0, Height = 0, ScaleHeight = 0;
  WindowState State = WindowState::Normal;

 private:
  std::string caption_;
  bool visible_ = false;
  int mousePointer_ = kDefaultPointer;
};

}  // namespace quorvel
