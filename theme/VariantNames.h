#pragma once

#include "theme/ColorScheme.h"

#include <QStringList>
#include <QStringView>

#include <optional>

// The variant's name where files and the command line name it: "light", "dark",
// "contrast".
const char* variantKey(Variant variant);
// The variant of a name variantKey gives, in any letter case; none for another text.
std::optional<Variant> variantFromKey(QStringView key);

// The colour "BANNER.BackColor" names (element key and attribute name, in any letter
// case); none for a text that names no colour attribute of an element.
std::optional<ColorPlace> colorPlaceNamed(QStringView name);
// The locked colours of the scheme by those names, in file order: every element and
// colour attribute whose colour is locked ("BACKGROUND.Color", "BANNER.BackColor" for
// the one page colour).
QStringList lockedColorNames(const ColorScheme& scheme);
