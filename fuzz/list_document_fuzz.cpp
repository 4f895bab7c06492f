// Fuzz target: arbitrary bytes read as a list by their content (the document of
// named fields or the list file). What is accepted must come back the same through
// its own format, and a list the list file cannot keep must be refused by it, never
// written with an entry dropped.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/document_format.h"
#include "document/list_formats.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const quorvel::ListReading reading = quorvel::listFromBytes(bytes);
  if (!reading.list) {
    if (reading.fault.empty()) fail("a refusal without a reason");
    return 0;
  }
  const quorvel::FunctionList& list = *reading.list;
  // The document keeps every entry with every field.
  const quorvel::DocumentReading again = quorvel::readDocument(quorvel::documentBytes(list));
  if (!again.list) fail("a document written from an accepted list is refused");
  if (again.list->size() != list.size()) fail("the document lost or added an entry");
  for (std::size_t i = 0; i < list.size(); ++i) {
    // A classic curve is kept by its texts, so bytes of a list file that were no text
    // (and its filler) may come back otherwise; every other kind comes back the same.
    if (quorvel::classicCurve(list.at(i)) != nullptr) continue;
    if (!(again.list->at(i) == list.at(i))) fail("the document changed an entry");
  }
  const std::optional<std::string> listFile =
      quorvel::listBytes(list, quorvel::ListFormat::ListFile);
  if (quorvel::firstEntryBeyondListFile(list).has_value() == listFile.has_value()) {
    fail("the list file kept an entry it cannot, or refused one it can");
  }
  if (listFile && reading.format == quorvel::ListFormat::ListFile && *listFile != bytes) {
    fail("a list file is not written back byte for byte");
  }
  return 0;
}
