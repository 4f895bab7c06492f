#pragma once
// The live parameters' window without its widgets: the curve being changed (the
// 绘制 page's own, or a list line), its parameters, what a slider's move does to the
// panel and the picture, the play sweep, and how the curve is kept or let go.
#include <cstddef>
#include <string>
#include <vector>

#include "shell/live_parameters.h"
#include "toolkit/controls.h"

namespace quorvel {

class Program;

class LiveController {
 public:
  explicit LiveController(Program& program) : program_(program) {}

  // Starts on a list line (its curve loaded on the 绘制 page and hidden from the
  // picture while it changes), or with -1 on the 绘制 page's own curve. Ends what was
  // going on before.
  void start(int line);
  bool active() const { return active_; }
  int line() const { return line_; }
  const std::vector<LiveParameter>& parameters() const { return parameters_; }

  // A slider moved: the parameter takes the value (snapped to its step), its box (or
  // the expression) shows it, and the curve is drawn anew. Returns why the curve is
  // absent at this value, or "".
  std::string setValue(std::size_t index, double value);
  // The user's own range and step; the value is kept inside them.
  void setRange(std::size_t index, double min, double max, double step);

  // Play: one parameter swept from its minimum to its maximum and back in
  // `secondsPerSweep`; tick(seconds since play began) draws its value at that time.
  void play(std::size_t index, double secondsPerSweep);
  void pause() { playing_ = false; }
  bool playing() const { return playing_; }
  std::string tick(double seconds);

  // 保留 (the page's curve: a new list line) or 替换 (the list line the session began
  // on: in its place, and never another), as the draw and replace commands store
  // them, with their checks and messages. False when nothing was stored (the session
  // goes on).
  bool keep();
  // 取消: the 绘制 page and the picture as they were; nothing stored.
  void cancel();

 private:
  void end();

  Program& program_;
  bool active_ = false;
  int line_ = -1;
  // The boxes whose texts hold the letters a, b and c (the expression of one's own, or a
  // parametric or polar curve's functions), with their texts as the session began.
  struct LetterText {
    TextBox* box = nullptr;
    std::string text;
  };

  std::vector<LiveParameter> parameters_;
  std::vector<LetterText> letterTexts_;
  bool playing_ = false;
  std::size_t played_ = 0;
  double secondsPerSweep_ = 4;
};

}  // namespace quorvel
