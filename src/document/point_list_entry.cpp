// Reading points: the typed text's full-width signs made ASCII, then point after point
// an optional name and a bracket of two coordinates, each a constant the evaluator
// reads; anything else between the points is refused, since it is likely a point
// mistyped.
#include "document/point_list_entry.h"

#include <cmath>
#include <utility>
#include <vector>

#include "catalogue/textbook_expression.h"
#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/notation.h"
#include "eval/status.h"

namespace quorvel {

namespace {

constexpr std::size_t kMaxNameBytes = 24;
constexpr std::size_t kPrintedPoints = 4;

// Full-width brackets, commas, digits, point and signs as their ASCII characters; the
// Chinese enumeration comma and semicolons separate points as blanks do.
std::string halfWidth(const std::string& text) {
  struct Swap {
    const char* from;
    const char* to;
  };
  static constexpr Swap kSwaps[] = {{"\xEF\xBC\x88", "("}, {"\xEF\xBC\x89", ")"},
                                    {"\xEF\xBC\x8C", ","}, {"\xEF\xBC\x8E", "."},
                                    {"\xEF\xBC\x8D", "-"}, {"\xEF\xBC\x8B", "+"},
                                    {"\xE2\x88\x92", "-"}, {"\xE3\x80\x81", " "},
                                    {"\xEF\xBC\x9B", " "}, {";", " "},
                                    {"\xE3\x80\x80", " "}, {"\t", " "},
                                    {"\n", " "},           {"\r", " "}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool swapped = false;
    for (const Swap& s : kSwaps) {
      const std::string_view from(s.from);
      if (text.compare(i, from.size(), from) == 0) {
        out += s.to;
        i += from.size();
        swapped = true;
        break;
      }
    }
    if (swapped) continue;
    // Full-width digits ０ … ９: EF BC 90 … EF BC 99.
    if (text.compare(i, 2, "\xEF\xBC") == 0 && i + 2 < text.size()) {
      const auto third = static_cast<unsigned char>(text[i + 2]);
      if (third >= 0x90 && third <= 0x99) {
        out.push_back(static_cast<char>('0' + (third - 0x90)));
        i += 3;
        continue;
      }
    }
    out.push_back(text[i++]);
  }
  return out;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A coordinate: the value box's rewrite, then the evaluator, in double.
std::optional<double> coordinate(const std::string& typed, std::string& rewritten) {
  rewritten = trimmed(rewriteNotation(trimmed(typed), NotationBox::kValue).text);
  if (rewritten.empty() || rewritten.find_first_of("xX") != std::string::npos) return std::nullopt;
  EvalState state;
  EpcLocated(state, rewritten, "1");
  if (state.evalStatus != kOk) return std::nullopt;
  const DoubleOutcome exact = runProgramInDouble(CompiledExpression(rewritten).program(), 1.0);
  if (exact.status != kOk || !std::isfinite(exact.value)) return std::nullopt;
  return exact.value;
}

// The bracket's coordinates split at its commas outside inner brackets.
std::vector<std::string> splitCoordinates(const std::string& inside) {
  std::vector<std::string> parts(1);
  int depth = 0;
  for (const char ch : inside) {
    if (ch == '(') ++depth;
    if (ch == ')') --depth;
    if (ch == ',' && depth == 0) {
      parts.emplace_back();
      continue;
    }
    parts.back().push_back(ch);
  }
  return parts;
}

std::string pointName(std::size_t n) { return "第 " + std::to_string(n) + " 个点"; }

std::string quotedPoint(const std::string& name, const std::string& inside) {
  return "“" + name + "(" + inside + ")”";
}

// The point of one bracket, or the problem with it.
std::optional<MarkedPoint> readPoint(std::size_t n, const std::string& name,
                                     const std::string& inside, std::string& canonical,
                                     std::string& problem) {
  const std::string said = pointName(n) + quotedPoint(name, inside);
  const std::vector<std::string> parts = splitCoordinates(inside);
  if (parts.size() > 2) {
    problem = said + "的坐标多于两个";
    return std::nullopt;
  }
  if (trimmed(parts[0]).empty()) {
    problem = said + "缺少横坐标";
    return std::nullopt;
  }
  if (parts.size() < 2 || trimmed(parts[1]).empty()) {
    problem = said + "缺少纵坐标";
    return std::nullopt;
  }
  MarkedPoint point;
  point.name = name;
  std::string xText, yText;
  const std::optional<double> x = coordinate(parts[0], xText);
  if (!x) {
    problem = said + "的横坐标不是一个数";
    return std::nullopt;
  }
  const std::optional<double> y = coordinate(parts[1], yText);
  if (!y) {
    problem = said + "的纵坐标不是一个数";
    return std::nullopt;
  }
  point.x = *x;
  point.y = *y;
  if (!canonical.empty()) canonical += ' ';
  canonical += name + "(" + xText + ", " + yText + ")";
  return point;
}

bool isNumber(const std::string& text) {
  std::string rewritten;
  return coordinate(text, rewritten).has_value();
}

// The fields of a pasted line: split at tabs, else commas, else blanks.
std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  const char separator = line.find('\t') != std::string::npos  ? '\t'
                         : line.find(',') != std::string::npos ? ','
                                                               : ' ';
  std::string field;
  for (const char ch : line + separator) {
    if (ch != separator) {
      field.push_back(ch);
      continue;
    }
    if (!trimmed(field).empty() || separator != ' ') fields.push_back(trimmed(field));
    field.clear();
  }
  return fields;
}

}  // namespace

PointsParse parsePoints(const std::string& typed) {
  PointsParse out;
  const std::string text = halfWidth(typed);
  PointsShape shape;
  std::size_t at = 0;
  while (true) {
    at = text.find_first_not_of(' ', at);
    if (at == std::string::npos) break;
    const std::size_t open = text.find('(', at);
    const std::string name = trimmed(text.substr(at, open == std::string::npos ? open : open - at));
    const std::size_t n = shape.points.size() + 1;
    if (open == std::string::npos || name.find_first_of(" ),") != std::string::npos ||
        name.size() > kMaxNameBytes) {
      const std::size_t stop = text.find(' ', at);
      out.problem = "“" + text.substr(at, stop == std::string::npos ? stop : stop - at) +
                    "”不是一个点：点写作 (1, 2) 或 A(1, 2)";
      return out;
    }
    std::size_t close = open + 1;
    for (int depth = 1; close < text.size(); ++close) {
      if (text[close] == '(') ++depth;
      if (text[close] == ')' && --depth == 0) break;
    }
    if (close >= text.size()) {
      out.problem = pointName(n) + "“" + trimmed(text.substr(at)) + "”缺少右括号";
      return out;
    }
    if (shape.points.size() == kMaxPoints) {
      out.problem = "点太多：最多 " + std::to_string(kMaxPoints) + " 个";
      return out;
    }
    const std::optional<MarkedPoint> point =
        readPoint(n, name, text.substr(open + 1, close - open - 1), out.canonical, out.problem);
    if (!point) return out;
    shape.points.push_back(*point);
    at = close + 1;
  }
  if (shape.points.empty()) {
    out.problem = "请输入至少一个点，如 A(1, 2)";
    return out;
  }
  out.shape = std::move(shape);
  return out;
}

std::optional<std::string> pastedPoints(const std::string& clipboard, std::string& problem) {
  std::string out;
  std::size_t lineNumber = 0, points = 0;
  bool firstLine = true;
  for (std::size_t start = 0; start <= clipboard.size();) {
    std::size_t end = clipboard.find('\n', start);
    if (end == std::string::npos) end = clipboard.size();
    std::string line = clipboard.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Full-width signs made ASCII, the tabs kept: they separate the columns.
    std::string plain;
    for (const char ch : line) plain.push_back(ch == '\t' ? '\x01' : ch);
    plain = halfWidth(plain);
    for (char& ch : plain) {
      if (ch == '\x01') ch = '\t';
    }
    if (trimmed(plain).empty()) continue;
    const std::vector<std::string> fields = fieldsOf(plain);
    const bool named = fields.size() == 3;
    const bool numbers = (fields.size() == 2 || named) && isNumber(fields[fields.size() - 2]) &&
                         isNumber(fields.back());
    const bool header = firstLine;
    firstLine = false;
    if (!numbers) {
      if (header) continue;  // the table's header
      problem = "第 " + std::to_string(lineNumber) + " 行“" + trimmed(line) + "”不是两列数";
      return std::nullopt;
    }
    if (!out.empty()) out += ' ';
    out += (named ? fields[0] : std::string()) + "(" + fields[fields.size() - 2] + ", " +
           fields.back() + ")";
    ++points;
  }
  if (points == 0) {
    problem = "剪贴板里没有两列数";
    return std::nullopt;
  }
  return out;
}

std::string printedPoints(const PointsShape& shape, const std::string& canonical) {
  std::string out;
  // Each point as its text was typed, its coordinates in textbook notation.
  std::size_t shown = 0;
  std::size_t at = 0;
  while (shown < shape.points.size() && shown < kPrintedPoints) {
    const std::size_t open = canonical.find('(', at);
    const std::size_t comma = canonical.find(", ", open);
    const std::size_t close = canonical.find(')', comma);
    if (open == std::string::npos || comma == std::string::npos || close == std::string::npos) {
      break;
    }
    if (shown > 0) out += ", ";
    out += shape.points[shown].name + "(" +
           textbookExpression(canonical.substr(open + 1, comma - open - 1)) + ", " +
           textbookExpression(canonical.substr(comma + 2, close - comma - 2)) + ")";
    at = close + 1;
    ++shown;
  }
  if (shape.points.size() > shown) {
    out += " …（共 " + std::to_string(shape.points.size()) + " 个点）";
  }
  return out;
}

EntryReading readPointList(const PointList& list) {
  EntryReading out;
  const PointsParse parse = parsePoints(list.text);
  out.line = "点 " + (parse.shape ? parse.canonical : list.text);
  if (!parse.shape) {
    out.refusal = {"错误", parse.problem};
    return out;
  }
  EntryCurve curve =
      kindCurve(kPointsFamily, list.colour, out.line, printedPoints(*parse.shape, parse.canonical));
  curve.points = *parse.shape;
  out.curve = std::move(curve);
  return out;
}

TypedPointsReading readTypedPoints(const PointList& typed) {
  TypedPointsReading out;
  const PointsParse parse = parsePoints(typed.text);
  PointList stored = typed;
  if (parse.shape) stored.text = parse.canonical;
  out.reading = readPointList(stored);
  if (out.reading.curve) {
    out.entry = ListEntry{.content = stored,
                          .ticked = true,
                          .line = out.reading.curve->text,
                          .printed = out.reading.curve->printed};
  }
  return out;
}

}  // namespace quorvel
