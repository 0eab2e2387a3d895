#pragma once

#include "contrast/VisionSimulation.h"
#include "theme/ThemeElement.h"

#include <QString>

// What the desktop calls the engine's elements and colour-vision deficiencies, in the
// user's language. The engine keeps its English names for files and the command line.

// An element as the editor panel names its row ("Heading 2"); an element without a
// row by what the preview shows of it ("Bullet 1"), else by its section name.
QString elementCaption(const ThemeElement& element);

// "protanopia", "deuteranopia", ... as a sentence shows them.
QString deficiencyCaption(Deficiency deficiency);
