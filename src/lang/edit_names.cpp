// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/edit_names.h"

#include "lang/field_texts.h"

#include <iterator>

namespace ab {
namespace {

// Names by kind, in the order of EditKind; "{wing}" and "{other}" stand for wing numbers, "{field}"
// for the field in words.
const Text3 kNames[] = {
    {"{field} of wing {wing}", "Flügel {wing}, {field}", "{field} del ala {wing}"},
    {"number of wings", "Anzahl der Flügel", "número de alas"},
    {"trapezoids of wing {wing}", "Trapeze von Flügel {wing}", "trapecios del ala {wing}"},
    {"exchange of wings {wing} and {other}", "Tausch der Flügel {wing} und {other}",
     "intercambio de las alas {wing} y {other}"},
    {"insertion of a copied wing into wing {wing}", "Einfügen eines kopierten Flügels in Flügel {wing}",
     "inserción de un ala copiada en el ala {wing}"},
    {"drag on wing {wing}", "Ziehen an Flügel {wing}", "arrastre en el ala {wing}"},
    {"new aircraft", "neues Flugzeug", "avión nuevo"},
    {"balance table", "Schwerpunkttabelle", "tabla de masas"},
    {"desired margin", "gewünschtes Stabilitätsmaß", "margen estático deseado"},
    {"stability mode", "Wahl der Stabilität", "selección de la estabilidad"},
    {"remarks", "Bemerkungen", "comentarios"},
    {"name of wing {wing}", "Name von Flügel {wing}", "nombre del ala {wing}"},
    {"wings moved apart in height", "Flügel in der Höhe auseinandergerückt", "alas separadas en altura"},
    {"{field} of wing {wing}", "Flügel {wing}, {field}", "{field} del ala {wing}"},
    {"fuselage", "Rumpf", "fuselaje"},
    {"strips along the span", "Streifen längs der Spannweite", "franjas a lo largo de la envergadura"},
};
static_assert(std::size(kNames) == static_cast<std::size_t>(EditKind::Spacing) + 1);

const Text3 kUndoWith{"Undo {edit}", "Rückgängig: {edit}", "Deshacer {edit}"};
const Text3 kRedoWith{"Redo {edit}", "Wiederholen: {edit}", "Rehacer {edit}"};

std::string menuText(const Text3& with, const Text3& plain, std::string_view name, Language l)
{
    if (name.empty())
        return std::string(plain.in(l));
    std::string s(with.in(l));
    fillIn(s, "{edit}", name);
    return s;
}

} // namespace

namespace texts {
const Text3 UndoCommand{"Undo", "Rückgängig", "Deshacer"};
const Text3 RedoCommand{"Redo", "Wiederholen", "Rehacer"};
const Text3 NewCommand{"New", "Neu", "Nuevo"};
} // namespace texts

std::string editName(const Edit& edit, Language l)
{
    const auto kind = static_cast<std::size_t>(edit.kind);
    if (kind >= std::size(kNames))
        return {}; // no name: the menu shows plain "Undo"
    std::string s(kNames[kind].in(l));
    fillIn(s, "{wing}", std::to_string(edit.wing));
    fillIn(s, "{other}", std::to_string(edit.otherWing));
    if (edit.kind == EditKind::Field)
        fillIn(s, "{field}", fieldWords(edit.role, l));
    if (edit.kind == EditKind::Dihedral)
        fillIn(s, "{field}", dihedralWords(edit.trapezoid, l));
    return s;
}

std::string undoMenuText(std::string_view name, Language l)
{
    return menuText(kUndoWith, texts::UndoCommand, name, l);
}

std::string redoMenuText(std::string_view name, Language l)
{
    return menuText(kRedoWith, texts::RedoCommand, name, l);
}

} // namespace ab
