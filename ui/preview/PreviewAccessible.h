#pragma once

// Tells a screen reader of the preview's elements: the pointer layer is a list of them,
// each named as its tooltip reads ("Heading 2 — #217063 on #FAF7F1, 5.51 ✓"), with its
// place on the screen, the one the keyboard is at focused. Installed once, by the
// first pointer layer made.
void installPreviewAccessible();
