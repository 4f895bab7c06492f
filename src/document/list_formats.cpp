#include "document/list_formats.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "catalogue/list_file_check.h"
#include "document/document_format.h"
#include "files/regular_file.h"

namespace quorvel {

namespace {

// Enough of a file's start to tell a document from a list file.
constexpr std::size_t kSniffBytes = 4096;

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  return text;
}

// Up to `most` bytes of the open file; false on a read error.
bool readUpTo(const ReadableFile& file, std::size_t most, std::string& bytes) {
  bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), most)));
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get()) != 0) return false;
  bytes.resize(got);
  return true;
}

std::string unreadable(const ReadableFile& file, int error) {
  ListFileCheck check;
  check.fault = ListFault::Unreadable;
  check.kind = file.isOpen() ? FileKind::Regular : file.kind();
  check.error = error;
  return listFaultText(check);
}

}  // namespace

std::optional<std::size_t> firstEntryBeyondListFile(const FunctionList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!fitsListFile(list.at(i))) return i;
  }
  return std::nullopt;
}

ListFormat naturalFormat(const FunctionList& list) {
  return firstEntryBeyondListFile(list) ? ListFormat::Document : ListFormat::ListFile;
}

std::optional<std::string> listBytes(const FunctionList& list, ListFormat format,
                                     std::string* refusal) {
  if (format == ListFormat::Document) return documentBytes(list);
  if (const std::optional<std::size_t> beyond = firstEntryBeyondListFile(list)) {
    if (refusal != nullptr) {
      const ListEntry& entry = list.at(*beyond);
      std::string named = "第 " + std::to_string(*beyond + 1) + " 条曲线";
      if (!entry.line.empty()) named += "“" + entry.line + "”";
      *refusal = "保存列表文件错误\n" + named +
                 "不能保存为函数图像文件（*.QVX）：这种文件只能保存十四类函数。\n"
                 "请保存为“Quorvel 列表（含新曲线）（*.QVJ）”。";
    }
    return std::nullopt;
  }
  return list.bytes();
}

std::string naturalBytes(const FunctionList& list) { return *listBytes(list, naturalFormat(list)); }

std::optional<ListFormat> formatOfName(const std::filesystem::path& file) {
  const std::string extension = upper(file.extension().string());
  if (extension == std::string(".") + kListFileExtension) return ListFormat::ListFile;
  if (extension == std::string(".") + kDocumentExtension) return ListFormat::Document;
  return std::nullopt;
}

ListReading listFromBytes(std::string_view bytes) {
  ListReading out;
  if (looksLikeDocument(bytes)) {
    DocumentReading document = readDocument(bytes);
    out.list = std::move(document.list);
    out.fault = std::move(document.fault);
    out.format = ListFormat::Document;
    return out;
  }
  out.list = FunctionList::fromBytes(bytes);
  if (!out.list) out.fault = "不是列表文件";
  return out;
}

ListReading readListFile(const std::filesystem::path& file) {
  ListReading out;
  std::string bytes;
  {
    const ReadableFile in(file);
    errno = 0;
    if (!in.isOpen() || !readUpTo(in, kSniffBytes, bytes)) {
      out.fault = unreadable(in, in.isOpen() ? (errno != 0 ? errno : EIO) : in.error());
      return out;
    }
    if (looksLikeDocument(bytes)) {
      if (in.size() > kMaxDocumentBytes) {
        out.fault = oversizedDocumentText();
        return out;
      }
      std::string rest;
      if (!readUpTo(in, kMaxDocumentBytes - bytes.size(), rest)) {
        out.fault = unreadable(in, errno != 0 ? errno : EIO);
        return out;
      }
      return listFromBytes(bytes + rest);
    }
  }
  // A list file is checked record by record, with its own reasons.
  const ListFileCheck check = checkListFile(file, &bytes);
  if (!check.ok()) {
    out.fault = listFaultText(check);
    return out;
  }
  return listFromBytes(bytes);
}

std::vector<EntryRefusal> readOpenedLines(FunctionList& list, const RandomNumbers& random) {
  std::vector<bool> ticks;
  ticks.reserve(list.size());
  for (const ListEntry& entry : list.entries()) ticks.push_back(entry.ticked);
  std::vector<EntryRefusal> refused = readLines(list, random);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!ticks[i]) list.setTicked(i, false);
  }
  return refused;
}

}  // namespace quorvel
