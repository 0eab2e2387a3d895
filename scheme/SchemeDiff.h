#pragma once

#include "theme/ThemeElement.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ColorScheme;

// One attribute whose value differs between two schemes, with both values as the
// scheme file writes them (colours in decimal, everything else as held).
struct SchemeDifference {
    const ThemeElement* element = nullptr;
    Attribute attribute = Attribute::Image;
    QString then;
    QString now;
};

// True when the attribute has the same value in both schemes. Values are compared,
// not their texts: colours as numbers, sizes and styles as numbers where both are
// one ("10" and 10.0 are the same size), face names without regard to case (the
// file writes them in proper case), pictures as the paths they are.
bool sameAttributeValue(const ColorScheme& a, const ColorScheme& b, const ThemeElement& element,
                        Attribute attribute);

// Every attribute of the thirty element sections whose value differs, in the order of
// the scheme file. FILE INFORMATION is not compared: it tells who wrote a file, and
// opening a file takes nothing from it.
QList<SchemeDifference> schemeDifferences(const ColorScheme& then, const ColorScheme& now);

// The differences of one element only, in file order.
QList<SchemeDifference> elementDifferences(const ColorScheme& then, const ColorScheme& now,
                                           const ThemeElement& element);

// Gives `to` the value that `from` holds for the attribute. BACKGROUND's Color and
// BANNER's BackColor are one value, so copying either copies both.
void copyAttribute(ColorScheme& to, const ColorScheme& from, const ThemeElement& element,
                   Attribute attribute);

// What differs beyond the Light attributes, as lines of tintora-cli diff in file
// order: a variant one scheme has and the other lacks ("DARK: none -> made"), each
// colour of a Dark or High contrast variant ("DARK BODY.ForeColor: 1 -> 2", a missing
// variant counting as the Light colours), and the locked colours ("Locked:
// BANNER.BackColor -> none").
QStringList variantDifferenceLines(const ColorScheme& then, const ColorScheme& now);

// "SECTION.Attribute: old -> new", a line of tintora-cli diff.
QString differenceLine(const SchemeDifference& difference);
