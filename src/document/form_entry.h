#pragma once
// The entries of the forms the list file has no number for (FormCurve: 幂函数 and the
// forms with a fourth parameter): read with every check a classic curve has, their
// fourth box included, and made, recoloured and taken apart by the commands that edit
// the list without caring which kind of record they hold.
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/read_entry.h"

namespace quorvel {

struct FormReading {
  EntryReading reading;
  // The fourth box's text as read: its value ('pi/2' becomes '1.570796'), "0" for an
  // empty box; empty for a form without a fourth parameter.
  std::string para4;
};

// A FormCurve read as readRecord reads a record, then its fourth parameter (checked
// after the third box), the equation written with all four.
FormReading readFormCurve(const FormCurve& curve, const RandomNumbers& random);

// The record of a curve entry (a classic or a form curve), or nullptr for another kind.
const FuncRecord* curveRecord(const ListEntry& entry);
// The fourth parameter's text of a form curve; empty for any other entry.
std::string fourthParameter(const ListEntry& entry);

// What a new entry holds for a record read from the panel or the command line: a
// classic curve when the list file can keep its family and form, else a form curve.
EntryContent curveContent(const FuncRecord& record, const std::string& para4);

// The same curve in another colour; nullopt for an entry without a record.
std::optional<EntryContent> recolouredContent(const ListEntry& entry, std::int32_t colour);

}  // namespace quorvel
