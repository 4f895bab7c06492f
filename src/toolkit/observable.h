#pragma once
#include <functional>
#include <utility>
#include <vector>

namespace quorvel {

// A model that tells its observers (the widgets that show it) when it changed.
// Observers are only told; they never change the model from inside the call.
class Observable {
 public:
  using Observer = std::function<void()>;

  int subscribe(Observer o) {
    observers_.emplace_back(++lastId_, std::move(o));
    return lastId_;
  }
  void unsubscribe(int id) {
    std::erase_if(observers_, [id](const auto& e) { return e.first == id; });
  }

 protected:
  void notify() const {
    for (const auto& e : observers_) e.second();
  }

 private:
  std::vector<std::pair<int, Observer>> observers_;
  int lastId_ = 0;
};

}  // namespace quorvel
