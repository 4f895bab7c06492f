#include "document/document_format.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "catalogue/list_file_check.h"
#include "document/derived_entry.h"

namespace quorvel {

namespace {

using Json = nlohmann::json;

constexpr const char* kClassic = "classic";
constexpr const char* kForm = "form";
constexpr const char* kParametric = "parametric";
constexpr const char* kPolar = "polar";
constexpr const char* kEquation = "equation";
// Piecewise functions and marked points.
constexpr const char* kPiecewise = "piecewise";
constexpr const char* kPoints = "points";
// Curves derived from another entry.
constexpr const char* kDerived = "derived";
// Regions given by inequalities.
constexpr const char* kRegion = "region";

// ---- writing ----

void putRecord(Json& out, const FuncRecord& r) {
  out["family"] = r.family;
  out["form"] = r.form;
  out["para1"] = r.para1;
  out["para2"] = r.para2;
  out["para3"] = r.para3;
  out["colour"] = r.color;
  out["xFrom"] = r.rangeX1;
  out["xTo"] = r.rangeX2;
  out["yFrom"] = r.rangeY1;
  out["yTo"] = r.rangeY2;
  out["wholeNumbers"] = r.intX != 0;
}

// Piecewise functions and marked points.
void putMarkedKind(Json& out, const PiecewiseCurve& curve) {
  out["kind"] = kPiecewise;
  Json pieces = Json::array();
  for (const Piece& piece : curve.pieces) {
    pieces.push_back(Json{{"f", piece.expression},
                          {"from", piece.from},
                          {"to", piece.to},
                          {"fromIncluded", piece.fromIncluded},
                          {"toIncluded", piece.toIncluded}});
  }
  out["pieces"] = std::move(pieces);
  out["colour"] = curve.colour;
}

void putMarkedKind(Json& out, const PointList& points) {
  out["kind"] = kPoints;
  out["points"] = points.text;
  out["colour"] = points.colour;
}

void putDerived(Json& out, const DerivedCurve& curve);

Json contentJson(const EntryContent& entryContent) {
  Json out = Json::object();
  std::visit(
      [&out](const auto& content) {
        using Kind = std::decay_t<decltype(content)>;
        if constexpr (std::is_same_v<Kind, ClassicCurve>) {
          out["kind"] = kClassic;
          putRecord(out, content.record());
          // The custom family's record keeps zero bytes where the others keep blanks.
          if (content.record().zeroPara23) out["para23Zero"] = true;
        } else if constexpr (std::is_same_v<Kind, FormCurve>) {
          out["kind"] = kForm;
          putRecord(out, content.record);
          out["para4"] = content.para4;
        } else if constexpr (std::is_same_v<Kind, ParametricCurve>) {
          out["kind"] = kParametric;
          out["x"] = content.x;
          out["y"] = content.y;
          out["from"] = content.from;
          out["to"] = content.to;
          out["colour"] = content.colour;
        } else if constexpr (std::is_same_v<Kind, PolarCurve>) {
          out["kind"] = kPolar;
          out["rho"] = content.rho;
          out["from"] = content.from;
          out["to"] = content.to;
          out["colour"] = content.colour;
        } else if constexpr (std::is_same_v<Kind, EquationCurve>) {
          out["kind"] = kEquation;
          out["equation"] = content.text;
          out["colour"] = content.colour;
        } else if constexpr (std::is_same_v<Kind, DerivedCurve>) {
          putDerived(out, content);
        } else if constexpr (std::is_same_v<Kind, RegionCurve>) {
          out["kind"] = kRegion;
          out["inequalities"] = content.text;
          // Older readers never see the field when there is no objective.
          if (!content.objective.empty()) out["objective"] = content.objective;
          out["colour"] = content.colour;
        } else {
          putMarkedKind(out, content);
        }
      },
      entryContent);
  return out;
}

Json entryJson(const ListEntry& entry) {
  Json out = contentJson(entry.content);
  out["ticked"] = entry.ticked;
  return out;
}

// The source is written as a top-level entry's content is, without its tick.
void putDerived(Json& out, const DerivedCurve& curve) {
  out["kind"] = kDerived;
  out["derived"] = derivedKindName(curve.kind);
  if (curve.kind == DerivedKind::kTangent || curve.kind == DerivedKind::kNormal) {
    out["at"] = curve.at;
    out["vertical"] = curve.line.vertical;
    out["slope"] = curve.line.slope;
    out["intercept"] = curve.line.intercept;
    out["x"] = curve.line.x;
    out["result"] = curve.result;
  } else if (curve.kind == DerivedKind::kArea) {
    out["from"] = curve.from;
    out["to"] = curve.to;
    out["integral"] = curve.integral;
    out["area"] = curve.area;
    out["result"] = curve.result;
  }
  out["colour"] = curve.colour;
  if (const BoxedContent* source = curve.source.get()) out["source"] = contentJson(source->content);
  if (const BoxedContent* with = curve.with.get()) out["with"] = contentJson(with->content);
}

// ---- reading ----

// A fault found in an entry: the reason, said of that entry by the caller.
struct Fault {
  std::string text;
};

std::string quoted(const std::string& name) { return "“" + name + "”"; }

// A field of an entry; `required` ones must be there, the others take `fallback`.
class Fields {
 public:
  explicit Fields(const Json& entry) : entry_(entry) {}

  // A record's field may hold any character its list-file record held, control
  // characters too: the document keeps what it was given.
  enum class Controls { kRefused, kKept };

  std::optional<Fault> text(const char* name, std::string& value, bool required,
                            const char* fallback = "",
                            Controls controls = Controls::kRefused) const {
    const auto found = entry_.find(name);
    if (found == entry_.end()) {
      if (required) return Fault{"缺少字段" + quoted(name)};
      value = fallback;
      return std::nullopt;
    }
    if (!found->is_string()) return Fault{"字段" + quoted(name) + "不是文字"};
    const std::string& got = found->get_ref<const std::string&>();
    if (got.size() > kMaxDocumentText) {
      return Fault{"字段" + quoted(name) + "的文字超过 " + std::to_string(kMaxDocumentText) +
                   " 字节"};
    }
    for (const char ch : got) {
      // Control characters are nothing a box can hold.
      if (controls == Controls::kRefused && static_cast<unsigned char>(ch) < 0x20) {
        return Fault{"字段" + quoted(name) + "含有控制字符"};
      }
    }
    value = got;
    return std::nullopt;
  }

  std::optional<Fault> integer(const char* name, std::int64_t low, std::int64_t high,
                               std::int64_t& value, bool required) const {
    const auto found = entry_.find(name);
    if (found == entry_.end()) {
      if (required) return Fault{"缺少字段" + quoted(name)};
      return std::nullopt;
    }
    if (found->is_number_unsigned()) {
      const std::uint64_t got = found->get<std::uint64_t>();
      if (got > static_cast<std::uint64_t>(high)) return outOfRange(name);
      value = static_cast<std::int64_t>(got);
    } else if (found->is_number_integer()) {
      value = found->get<std::int64_t>();
    } else {
      return Fault{"字段" + quoted(name) + "不是整数"};
    }
    if (value < low || value > high) return outOfRange(name);
    return std::nullopt;
  }

  // A field of any type, or nullptr.
  const Json* find(const char* name) const {
    const auto found = entry_.find(name);
    return found == entry_.end() ? nullptr : &*found;
  }

  std::optional<Fault> boolean(const char* name, bool& value) const {
    const auto found = entry_.find(name);
    if (found == entry_.end()) return std::nullopt;
    if (!found->is_boolean()) return Fault{"字段" + quoted(name) + "不是 true 或 false"};
    value = found->get<bool>();
    return std::nullopt;
  }

 private:
  static Fault outOfRange(const char* name) { return Fault{"字段" + quoted(name) + "的值无效"}; }
  const Json& entry_;
};

constexpr std::int64_t kShortMax = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kColourMax = 0xFFFFFF;

std::optional<Fault> colour(const Fields& f, std::int32_t& out) {
  std::int64_t value = 0;
  if (auto fault = f.integer("colour", 0, kColourMax, value, false)) return fault;
  out = static_cast<std::int32_t>(value);
  return std::nullopt;
}

std::optional<Fault> readFields(const Fields& f, FuncRecord& r) {
  std::int64_t family = 0, form = 0;
  bool whole = false;
  std::optional<Fault> fault;
  const auto field = [&f](const char* name, std::string& value) {
    return f.text(name, value, false, "", Fields::Controls::kKept);
  };
  if ((fault = f.integer("family", 0, kShortMax, family, true)) ||
      (fault = f.integer("form", 0, kShortMax, form, true)) || (fault = field("para1", r.para1)) ||
      (fault = field("para2", r.para2)) || (fault = field("para3", r.para3)) ||
      (fault = colour(f, r.color)) || (fault = field("xFrom", r.rangeX1)) ||
      (fault = field("xTo", r.rangeX2)) || (fault = field("yFrom", r.rangeY1)) ||
      (fault = field("yTo", r.rangeY2)) || (fault = f.boolean("wholeNumbers", whole))) {
    return fault;
  }
  r.family = static_cast<std::int16_t>(family);
  r.form = static_cast<std::int16_t>(form);
  r.intX = whole ? 1 : 0;
  return std::nullopt;
}

// A piecewise function's pieces: an array of up to six objects of texts and flags.
std::optional<Fault> readPiecewiseFields(const Fields& f, EntryContent& out) {
  PiecewiseCurve curve;
  if (std::optional<Fault> fault = colour(f, curve.colour)) return fault;
  const Json* pieces = f.find("pieces");
  if (pieces == nullptr) return Fault{"缺少字段" + quoted("pieces")};
  if (!pieces->is_array() || pieces->size() > kMaxPieces) {
    return Fault{"字段" + quoted("pieces") + "不是至多六段的列表"};
  }
  for (const Json& json : *pieces) {
    if (!json.is_object()) return Fault{"字段" + quoted("pieces") + "的一段不是一组命名的字段"};
    const Fields p(json);
    Piece piece;
    std::optional<Fault> fault;
    if ((fault = p.text("f", piece.expression, true)) ||
        (fault = p.text("from", piece.from, true)) || (fault = p.text("to", piece.to, true)) ||
        (fault = p.boolean("fromIncluded", piece.fromIncluded)) ||
        (fault = p.boolean("toIncluded", piece.toIncluded))) {
      return fault;
    }
    curve.pieces.push_back(std::move(piece));
  }
  out = std::move(curve);
  return std::nullopt;
}

std::optional<Fault> readDerivedFields(const Fields& f, EntryContent& out);

std::optional<Fault> readContent(const std::string& kind, const Fields& f, EntryContent& out) {
  std::optional<Fault> fault;
  if (kind == kClassic) {
    FuncRecord r;
    if ((fault = readFields(f, r)) || (fault = f.boolean("para23Zero", r.zeroPara23))) return fault;
    // As the list file keeps it: a family and form of the fourteen, like any record.
    std::int32_t value = 0;
    if (recordFault(r, value) != ListFault::None) {
      return Fault{"不是十四类函数中的一种（函数类型 " + std::to_string(r.family) + "，形式 " +
                   std::to_string(r.form) + "）"};
    }
    out = ClassicCurve(r);
  } else if (kind == kForm) {
    // The family and form are checked when the entry is read, as a record's texts are:
    // a form this program does not know is refused there, with the rest of the list.
    FormCurve curve;
    if ((fault = readFields(f, curve.record)) || (fault = f.text("para4", curve.para4, false))) {
      return fault;
    }
    out = std::move(curve);
  } else if (kind == kParametric) {
    ParametricCurve curve;
    if ((fault = f.text("x", curve.x, true)) || (fault = f.text("y", curve.y, true)) ||
        (fault = f.text("from", curve.from, false, "0")) ||
        (fault = f.text("to", curve.to, false, "2pi")) || (fault = colour(f, curve.colour))) {
      return fault;
    }
    out = std::move(curve);
  } else if (kind == kPolar) {
    PolarCurve curve;
    if ((fault = f.text("rho", curve.rho, true)) ||
        (fault = f.text("from", curve.from, false, "0")) ||
        (fault = f.text("to", curve.to, false, "2pi")) || (fault = colour(f, curve.colour))) {
      return fault;
    }
    out = std::move(curve);
  } else if (kind == kEquation) {
    EquationCurve curve;
    if ((fault = f.text("equation", curve.text, true)) || (fault = colour(f, curve.colour))) {
      return fault;
    }
    out = std::move(curve);
  } else if (kind == kPiecewise) {
    return readPiecewiseFields(f, out);
  } else if (kind == kPoints) {
    PointList points;
    if ((fault = f.text("points", points.text, true)) || (fault = colour(f, points.colour))) {
      return fault;
    }
    out = std::move(points);
  } else if (kind == kDerived) {
    return readDerivedFields(f, out);
  } else if (kind == kRegion) {
    RegionCurve region;
    if ((fault = f.text("inequalities", region.text, true)) ||
        (fault = f.text("objective", region.objective, false)) ||
        (fault = colour(f, region.colour))) {
      return fault;
    }
    out = std::move(region);
  } else {
    return Fault{"种类" + quoted(kind) + "不认识"};
  }
  return std::nullopt;
}

std::optional<Fault> number(const Fields& f, const char* name, double& value) {
  const Json* found = f.find(name);
  if (found == nullptr) return Fault{"缺少字段" + quoted(name)};
  if (!found->is_number()) return Fault{"字段" + quoted(name) + "不是数"};
  value = found->get<double>();
  return std::nullopt;
}

// A source of a derived curve read as a top-level entry's content is (only a kind a
// derived curve can come from, so the nesting stops there); an optional one left empty
// when the field is missing.
std::optional<Fault> readSourceField(const Fields& f, const char* name, bool needed,
                                     SourceBox& out) {
  const Json* source = f.find(name);
  if (source == nullptr) {
    if (needed) return Fault{"缺少字段" + quoted(name)};
    return std::nullopt;
  }
  if (!source->is_object()) return Fault{"字段" + quoted(name) + "不是一组命名的字段"};
  const Fields s(*source);
  std::string sourceKind;
  if (std::optional<Fault> fault = s.text("kind", sourceKind, true)) return fault;
  if (sourceKind != kClassic && sourceKind != kForm && sourceKind != kPiecewise) {
    return Fault{"派生曲线的原函数不能是" + quorvel::quoted(sourceKind)};
  }
  BoxedContent content{PolarCurve{}};
  if (std::optional<Fault> fault = readContent(sourceKind, s, content.content)) return fault;
  out = SourceBox(content);
  return std::nullopt;
}

// A derived curve: its own fields and its sources.
std::optional<Fault> readDerivedFields(const Fields& f, EntryContent& out) {
  DerivedCurve curve;
  std::string name;
  std::optional<Fault> fault;
  if ((fault = f.text("derived", name, true))) return fault;
  const std::optional<DerivedKind> kind = derivedKindNamed(name);
  if (!kind) return Fault{"派生曲线的种类" + quorvel::quoted(name) + "不认识"};
  curve.kind = *kind;
  if (curve.kind == DerivedKind::kTangent || curve.kind == DerivedKind::kNormal) {
    if ((fault = f.text("at", curve.at, true)) ||
        (fault = f.boolean("vertical", curve.line.vertical)) ||
        (fault = number(f, "slope", curve.line.slope)) ||
        (fault = number(f, "intercept", curve.line.intercept)) ||
        (fault = number(f, "x", curve.line.x)) || (fault = f.text("result", curve.result, true))) {
      return fault;
    }
  } else if (curve.kind == DerivedKind::kArea) {
    if ((fault = f.text("from", curve.from, true)) || (fault = f.text("to", curve.to, true)) ||
        (fault = number(f, "integral", curve.integral)) ||
        (fault = number(f, "area", curve.area)) || (fault = f.text("result", curve.result, true))) {
      return fault;
    }
  }
  if ((fault = colour(f, curve.colour))) return fault;
  if ((fault = readSourceField(f, "source", true, curve.source))) return fault;
  // An area between two curves; without it, the area under the first.
  if (curve.kind == DerivedKind::kArea && (fault = readSourceField(f, "with", false, curve.with))) {
    return fault;
  }
  out = std::move(curve);
  return std::nullopt;
}

std::optional<Fault> readListEntry(const Json& json, std::optional<ListEntry>& out) {
  if (!json.is_object()) return Fault{"不是一组命名的字段"};
  const Fields f(json);
  std::string kind;
  std::optional<Fault> fault = f.text("kind", kind, true);
  if (fault) return fault;
  // A classic curve has no default: the first alternative is replaced or refused.
  EntryContent content = PolarCurve{};
  if ((fault = readContent(kind, f, content))) return fault;
  bool ticked = true;
  if ((fault = f.boolean("ticked", ticked))) return fault;
  out = ListEntry{std::move(content), ticked, {}};
  return std::nullopt;
}

// How deep the brackets nest, outside strings, up to `most` + 1: a parser needs no
// more than that to be told the file is no document.
int nesting(std::string_view bytes, int most) {
  int depth = 0, deepest = 0;
  bool inString = false, escaped = false;
  for (const char ch : bytes) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (ch == '\\') {
        escaped = true;
      } else if (ch == '"') {
        inString = false;
      }
      continue;
    }
    if (ch == '"') {
      inString = true;
    } else if (ch == '{' || ch == '[') {
      deepest = std::max(deepest, ++depth);
      if (deepest > most) return deepest;
    } else if (ch == '}' || ch == ']') {
      --depth;
    }
  }
  return deepest;
}

std::string entryText(std::size_t n) { return "第 " + std::to_string(n) + " 条曲线"; }

}  // namespace

std::string documentBytes(const FunctionList& list) {
  Json entries = Json::array();
  for (const ListEntry& entry : list.entries()) entries.push_back(entryJson(entry));
  Json document = Json::object();
  document["format"] = kDocumentFormatName;
  document["version"] = kDocumentVersion;
  document["entries"] = std::move(entries);
  // Texts that are no UTF-8 (none a box gives) are written with U+FFFD rather than lost.
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string oversizedDocumentText() {
  return "文件超过 " + std::to_string(kMaxDocumentBytes >> 20) + " MB，不是列表文件";
}

bool looksLikeDocument(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '{';
}

DocumentReading readDocument(std::string_view bytes) {
  DocumentReading out;
  if (bytes.size() > kMaxDocumentBytes) {
    out.fault = oversizedDocumentText();
    return out;
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (nesting(bytes, kMaxDocumentNesting) > kMaxDocumentNesting) {
    out.fault = "括号嵌套过深，不是列表文件";
    return out;
  }
  Json document;
  try {
    document = Json::parse(bytes);
  } catch (const Json::parse_error& error) {
    out.fault = "不是正确的 JSON 文本（第 " + std::to_string(error.byte) + " 字节处有错）";
    return out;
  } catch (const Json::exception&) {
    // A number too large for any type (1e400) is no parse error to the reader.
    out.fault = "不是正确的 JSON 文本（数字超出范围）";
    return out;
  }
  if (!document.is_object() || !document.contains("format") ||
      document["format"] != kDocumentFormatName) {
    out.fault = "不是 Quorvel 列表文件（缺少格式名“" + std::string(kDocumentFormatName) + "”）";
    return out;
  }
  const auto version = document.find("version");
  if (version == document.end() || !version->is_number_integer() || *version < 1) {
    out.fault = "版本号缺失或无效";
    return out;
  }
  if (*version > kDocumentVersion) {
    out.fault = "这个文件的格式版本是 " + version->dump() + "，本程序只能读取版本 " +
                std::to_string(kDocumentVersion) + "；请使用更新的 Quorvel 打开";
    return out;
  }
  const auto entries = document.find("entries");
  if (entries == document.end() || !entries->is_array()) {
    out.fault = "缺少曲线列表（字段“entries”）";
    return out;
  }
  if (entries->size() > static_cast<std::size_t>(kMaxListRecords)) {
    out.fault = "有 " + std::to_string(entries->size()) + " 条曲线，超过了 " +
                std::to_string(kMaxListRecords) + " 条的上限";
    return out;
  }
  FunctionList list;
  for (std::size_t n = 0; n < entries->size(); ++n) {
    std::optional<ListEntry> entry;
    if (const std::optional<Fault> fault = readListEntry((*entries)[n], entry)) {
      out.fault = entryText(n + 1) + "：" + fault->text;
      return out;
    }
    list.add(std::move(*entry));
  }
  out.list = std::move(list);
  return out;
}

}  // namespace quorvel
