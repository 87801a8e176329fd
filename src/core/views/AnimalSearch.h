#pragma once

#include "common/Notice.h"

#include <QString>
#include <optional>

namespace herd {

// Finding an animal by the identifier typed into the search strip or asked
// by the menu searches: a sow "xxxxx", a boar "xxxx xxxxx" (line, blank,
// register) or an offspring "xxxxx/xx" (dam, slash, piglet).
namespace AnimalSearch {

enum class Kind { Sow, Boar, Offspring, Invalid };

struct Key {
    Kind kind = Kind::Invalid;
    QString text; // what Akt_jedinec takes
};

// The search strip's reading of its edit text: a leading blank (the one the
// strip leaves after a search) is dropped with everything past the 11th
// character; a key of at most five characters whose fifth is not a blank
// is a sow, a fifth character not blank followed by "/" an offspring, a
// blank fifth character a boar, anything else invalid.
Key parse(const QString& editText);

// "Ošípaná nebola zadaná korektne !" titled "Hľadaj ...".
Notice invalid();

// Whether the farm holds the animal (a boar is looked up on every farm);
// nothing when it does, else the box of an animal not on record. Values
// are bound.
std::optional<Notice> find(const QString& farm, const Key& key);

// The card panel (frame) and caption the animal shows in.
QString frameOf(Kind kind);
QString captionOf(Kind kind);

} // namespace AnimalSearch
} // namespace herd
