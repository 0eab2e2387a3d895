<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>AccessibilityCommands</name>
    <message>
        <source>&amp;AA</source>
        <translation>&amp;AA</translation>
    </message>
    <message>
        <source>AA&amp;A</source>
        <translation>AA&amp;A</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Protanopia</source>
        <translation>&amp;Protanopie</translation>
    </message>
    <message>
        <source>Simulating protanopia</source>
        <translation>Simulation: Protanopie</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia</source>
        <translation>&amp;Deuteranopie</translation>
    </message>
    <message>
        <source>Simulating deuteranopia</source>
        <translation>Simulation: Deuteranopie</translation>
    </message>
    <message>
        <source>&amp;Tritanopia</source>
        <translation>&amp;Tritanopie</translation>
    </message>
    <message>
        <source>Simulating tritanopia</source>
        <translation>Simulation: Tritanopie</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia</source>
        <translation>&amp;Achromatopsie</translation>
    </message>
    <message>
        <source>Simulating achromatopsia</source>
        <translation>Simulation: Achromatopsie</translation>
    </message>
    <message>
        <source>Make All &amp;Pass</source>
        <translation>Überall &amp;Kontrast herstellen</translation>
    </message>
    <message>
        <source>%1 passes %2 already.</source>
        <translation>%1 erfüllt %2 bereits.</translation>
    </message>
    <message>
        <source>No text colour can make %1 pass %2 over what lies behind it, not even black or white.

Nothing was changed.</source>
        <translation>Keine Textfarbe lässt %1 vor dem, was dahinter liegt, %2 erfüllen, nicht einmal Schwarz oder Weiß.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Make %1 pass</source>
        <translation>Kontrast für %1 herstellen</translation>
    </message>
    <message>
        <source>Make All Pass</source>
        <translation>Überall Kontrast herstellen</translation>
    </message>
    <message>
        <source>No text colour can make these rows pass %1 over what lies behind them; they were left as they are:

%2

The other rows pass now.</source>
        <translation>Keine Textfarbe lässt diese Zeilen vor dem, was dahinter liegt, %1 erfüllen; sie blieben, wie sie waren:

%2

Die übrigen Zeilen erfüllen die Stufe jetzt.</translation>
    </message>
    <message>
        <source>No text colour can make these rows pass %1 over what lies behind them:

%2

Nothing was changed.</source>
        <translation>Keine Textfarbe lässt diese Zeilen vor dem, was dahinter liegt, %1 erfüllen:

%2

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Every text row passes %1 already.</source>
        <translation>Alle Textzeilen erfüllen %1 bereits.</translation>
    </message>
    <message>
        <source>These rows do not pass %1, but their text colour is locked, so they were left as they are:

%2</source>
        <translation>Diese Zeilen bestehen %1 nicht, aber ihre Textfarbe ist gesperrt; sie bleiben, wie sie sind:

%2</translation>
    </message>
    <message>
        <source>To pass, these rows had to come as light or as dark as one another, so they no longer differ as they did:

%1</source>
        <translation>Um zu bestehen, mussten diese Zeilen einander gleich hell oder gleich dunkel werden; sie unterscheiden sich nicht mehr wie zuvor:

%1</translation>
    </message>
    <message>
        <source>These links are now closer to the body text&apos;s colour than before and may be hard to tell from it:

%1</source>
        <translation>Diese Links liegen nun näher an der Farbe des Fließtexts als zuvor und sind womöglich schwer von ihm zu unterscheiden:

%1</translation>
    </message>
    <message>
        <source>%1 does not pass %2, but its text colour is locked, so it was left as it is.</source>
        <translation>%1 besteht %2 nicht, aber seine Textfarbe ist gesperrt; es bleibt, wie es ist.</translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2. Click, or press Space, to choose another colour.</source>
        <translation>%1: %2. Zum Ändern klicken oder die Leertaste drücken.</translation>
    </message>
    <message>
        <source>%1, %2, locked</source>
        <translation>%1, %2, gesperrt</translation>
    </message>
    <message>
        <source>%1: %2, locked: making variants and Make It Pass leave it as it is. Click, or press Space, to choose another colour.</source>
        <translation>%1: %2, gesperrt: Varianten erstellen und Kontrast herstellen lassen sie, wie sie ist. Klicken oder Leertaste drücken, um eine andere Farbe zu wählen.</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Double-click a line to take its value back.</source>
        <translation>Ein Doppelklick auf eine Zeile holt ihren früheren Wert zurück.</translation>
    </message>
    <message>
        <source>Compare with &amp;Loaded</source>
        <translation>Mit &amp;Geladenem vergleichen</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Mit &amp;Datei vergleichen...</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>font style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>no differences</source>
        <translation>keine Unterschiede</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Nothing loaded yet.</source>
        <translation>Noch nichts geladen.</translation>
    </message>
    <message>
        <source>Compared with %1: %2.</source>
        <translation>Verglichen mit %1: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>An element and one of its attributes in a step of the history: &quot;Heading 2 text colour&quot;.</extracomment>
        <translation>%2 von %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <translation>%1 zurücksetzen</translation>
    </message>
</context>
<context>
    <name>ContrastMark</name>
    <message>
        <source>large text is at least 18 pt, or 14 pt bold</source>
        <translation>großer Text hat mindestens 18 pt oder 14 pt fett</translation>
    </message>
    <message>
        <source>Judged as normal text: its size is none the preview draws (%1)</source>
        <translation>Als normaler Text bewertet: Diese Größe zeichnet die Vorschau nicht (%1)</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>, judged as not bold (its style code is none the preview draws)</source>
        <translation>, als nicht fett bewertet (diesen Stilcode zeichnet die Vorschau nicht)</translation>
    </message>
    <message>
        <source> bold</source>
        <translation> fett</translation>
    </message>
    <message>
        <source>, not bold</source>
        <translation>, nicht fett</translation>
    </message>
    <message>
        <source>: large text (%1)</source>
        <translation>: großer Text (%1)</translation>
    </message>
    <message>
        <source>: normal text (%1)</source>
        <translation>: normaler Text (%1)</translation>
    </message>
    <message>
        <source>Advice: %1:1 against the body text %2; a link told apart by colour alone needs %3</source>
        <translation>Hinweis: %1:1 gegenüber dem Fließtext %2; ein Link, der sich nur durch die Farbe abhebt, braucht %3</translation>
    </message>
    <message>
        <source>Advice: with %1 this looks like %2 (%3)</source>
        <translation>Hinweis: Bei %1 sieht das aus wie %2 (%3)</translation>
    </message>
    <message>
        <source>%1: passes %2</source>
        <translation>%1: erfüllt %2</translation>
    </message>
    <message>
        <source>%1: fails %2</source>
        <translation>%1: verfehlt %2</translation>
    </message>
    <message>
        <source>%1:1, needs %2</source>
        <translation>%1:1, nötig sind %2</translation>
    </message>
    <message>
        <source>Text %1 over a picture</source>
        <translation>Text %1 über einem Bild</translation>
    </message>
    <message>
        <source>95 % of the pixels behind it reach %1:1 (%2); the worst %3:1</source>
        <translation>95 % der Pixel dahinter erreichen %1:1 (%2); die ungünstigsten %3:1</translation>
    </message>
    <message>
        <source>Text %1 on %2</source>
        <translation>Text %1 auf %2</translation>
    </message>
    <message>
        <source>%1, passes %2</source>
        <translation>%1, erfüllt %2</translation>
    </message>
    <message>
        <source>%1, fails %2</source>
        <translation>%1, verfehlt %2</translation>
    </message>
</context>
<context>
    <name>Deficiency</name>
    <message>
        <source>normal</source>
        <translation>normalem Farbsehen</translation>
    </message>
    <message>
        <source>protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
</context>
<context>
    <name>DesktopStartUp</name>
    <message>
        <source>The settings file %1 is not an ordinary file of at most %2 MiB. Tintora starts without what it remembers there and leaves the file as it is.</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei von höchstens %2 MiB. Tintora startet ohne die dort gespeicherten Einstellungen und lässt die Datei unverändert.</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>The colour scheme has been changed.
Do you want to save the changes to %1?</source>
        <translation>Das Farbschema wurde geändert.
Möchten Sie die Änderungen in %1 speichern?</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Revert &amp;Row</source>
        <translation>&amp;Zeile zurücksetzen</translation>
    </message>
    <message>
        <source>Revert &amp;All</source>
        <translation>&amp;Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Mit &amp;Datei vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Revert %1</source>
        <translation>%1 zurücksetzen</translation>
    </message>
    <message>
        <source>Revert All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>%1 colour</source>
        <translation>Farbe von %1</translation>
    </message>
    <message>
        <source>Copy Background</source>
        <translation>Hintergrund für alle</translation>
    </message>
    <message>
        <source>Copy FontName</source>
        <translation>Schrift für alle</translation>
    </message>
    <message>
        <source>%1 font</source>
        <translation>Schrift von %1</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste as a colour.</source>
        <translation>Die Zwischenablage enthält keinen Text, der als Farbe eingefügt werden kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no colour: paste #RRGGBB, #RGB, rgb(r, g, b) or a colour name.</source>
        <translation>„%1“ ist keine Farbe: Fügen Sie #RRGGBB, #RGB, rgb(r, g, b) oder einen Farbnamen ein.</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>Show Bckgnd Image</source>
        <translation>Hintergrundbild zeigen</translation>
    </message>
    <message>
        <source>Copy FontName</source>
        <translation>Schrift für alle</translation>
    </message>
    <message>
        <source>Copy Background</source>
        <translation>Hintergrund für alle</translation>
    </message>
    <message>
        <source>Transparant Labels</source>
        <translation>Transparente Labels</translation>
    </message>
    <message>
        <source>ITEM NAME</source>
        <translation>ELEMENT</translation>
    </message>
    <message>
        <source>FONT</source>
        <translation>SCHRIFT</translation>
    </message>
    <message>
        <source>RATIO</source>
        <translation>KONTRAST</translation>
    </message>
    <message>
        <source>Make It Pass</source>
        <translation>Kontrast herstellen</translation>
    </message>
    <message>
        <source>Shows the theme&apos;s background picture behind the preview page.</source>
        <translation>Zeigt das Hintergrundbild des Themes hinter der Vorschauseite.</translation>
    </message>
    <message>
        <source>The next font chosen goes to every row.</source>
        <translation>Die nächste gewählte Schrift gilt für alle Zeilen.</translation>
    </message>
    <message>
        <source>A background colour chosen goes to every row.</source>
        <translation>Eine gewählte Hintergrundfarbe gilt für alle Zeilen.</translation>
    </message>
    <message>
        <source>Lets the pictures show through the banner, navigation and quick-link labels.</source>
        <translation>Lässt die Bilder durch die Beschriftungen von Banner, Navigation und Schnelllinks scheinen.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>HGR.</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Farbe von %1</translation>
    </message>
    <message>
        <source>%1 background colour</source>
        <translation>Hintergrundfarbe von %1</translation>
    </message>
    <message>
        <source>Opens the colour dialog to choose the background colour of %1.</source>
        <translation>Öffnet den Farbdialog, um die Hintergrundfarbe von %1 zu wählen.</translation>
    </message>
    <message>
        <source>%1 text colour</source>
        <translation>Textfarbe von %1</translation>
    </message>
    <message>
        <source>Opens the colour dialog to choose the text colour of %1.</source>
        <translation>Öffnet den Farbdialog, um die Textfarbe von %1 zu wählen.</translation>
    </message>
    <message>
        <source>Opens the font dialog to choose the font of %1.</source>
        <translation>Öffnet den Schriftdialog, um die Schrift von %1 zu wählen.</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>%1 font, %2</source>
        <translation>Schrift von %1, %2</translation>
    </message>
    <message>
        <source>%1 font: %2. Click to choose another font.</source>
        <translation>Schrift von %1: %2. Zum Ändern klicken.</translation>
    </message>
    <message>
        <source>Lock Colour</source>
        <translation>Farbe sperren</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>RUNTIME ERROR</source>
        <translation>LAUFZEITFEHLER</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>ErrorListBox</name>
    <message numerus="yes">
        <source>... and %n more:</source>
        <translation>
            <numerusform>... und %n weiterer:</numerusform>
            <numerusform>... und %n weitere:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Export Theme</source>
        <translation>Theme exportieren</translation>
    </message>
    <message>
        <source>Name of the new theme:</source>
        <translation>Name des neuen Themes:</translation>
    </message>
    <message>
        <source>The theme cannot be named &quot;%1&quot;: %2.</source>
        <translation>Das Theme kann nicht „%1“ heißen: %2.</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; exists already.

Do you want to replace it?</source>
        <translation>Das Theme „%1“ gibt es bereits.

Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>%1 could not be imported whole; what could not be read was left as it was:</source>
        <translation>%1 konnte nicht vollständig importiert werden; was nicht gelesen werden konnte, blieb unverändert:</translation>
    </message>
    <message>
        <source>The scheme has the values of %1 already; nothing was changed.</source>
        <translation>Das Schema hat die Werte aus %1 bereits; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>%1 exist already.

Do you want to replace them?</source>
        <translation>%1 gibt es bereits.

Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>%1 exists already.

Do you want to replace it?</source>
        <translation>%1 gibt es bereits.

Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Exported the theme &quot;%1&quot; to %2.</source>
        <translation>Das Theme „%1“ wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 wrote into the folder &quot;%2&quot;, but not all of it:</source>
        <translation>%1 hat in den Ordner „%2“ geschrieben, aber nicht alles:</translation>
    </message>
    <message>
        <source>%1 could not write into the folder &quot;%2&quot;:</source>
        <translation>%1 konnte nicht in den Ordner „%2“ schreiben:</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>&amp;CSS...</source>
        <translation>&amp;CSS...</translation>
    </message>
    <message>
        <source>Export CSS</source>
        <translation>CSS exportieren</translation>
    </message>
    <message>
        <source>Style Sheet (*.css)|*.css|All Files (*.*)|*.*</source>
        <translation>Stylesheet (*.css)|*.css|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;Import CSS...</source>
        <translation>CSS &amp;importieren...</translation>
    </message>
    <message>
        <source>%1 holds no Tintora colour scheme: none of its &quot;:root&quot; rules sets a --tintora- property.

Nothing was changed.</source>
        <translation>%1 enthält kein Tintora-Farbschema: Keine seiner „:root“-Regeln setzt eine --tintora-Eigenschaft.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>T&amp;heme...</source>
        <translation>T&amp;heme...</translation>
    </message>
    <message>
        <source>Export Theme</source>
        <translation>Theme exportieren</translation>
    </message>
    <message>
        <source>Design &amp;Tokens...</source>
        <translation>Design-&amp;Tokens...</translation>
    </message>
    <message>
        <source>Export Design Tokens</source>
        <translation>Design-Tokens exportieren</translation>
    </message>
    <message>
        <source>Design Tokens (*.json)|*.json|All Files (*.*)|*.*</source>
        <translation>Design-Tokens (*.json)|*.json|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Import Design &amp;Tokens...</source>
        <translation>Design-&amp;Tokens importieren...</translation>
    </message>
    <message>
        <source>%1 holds no Tintora colour scheme: none of its groups is named as an element (banner, body, h1 ...).

Nothing was changed.</source>
        <translation>%1 enthält kein Tintora-Farbschema: Keine seiner Gruppen ist nach einem Element benannt (banner, body, h1 ...).

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Tai&amp;lwind...</source>
        <translation>Tai&amp;lwind...</translation>
    </message>
    <message>
        <source>Export Tailwind</source>
        <translation>Tailwind exportieren</translation>
    </message>
    <message>
        <source>&amp;SCSS...</source>
        <translation>&amp;SCSS...</translation>
    </message>
    <message>
        <source>Export SCSS</source>
        <translation>SCSS exportieren</translation>
    </message>
    <message>
        <source>SCSS (*.scss)|*.scss|All Files (*.*)|*.*</source>
        <translation>SCSS (*.scss)|*.scss|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The export carries neither the scheme&apos;s Dark and High contrast variants nor its locked colours; the scheme keeps them.</source>
        <translation>Der Export enthält weder die dunkle und die kontrastreiche Variante des Schemas noch seine gesperrten Farben; das Schema behält sie.</translation>
    </message>
    <message>
        <source>The export does not carry the scheme&apos;s Dark and High contrast variants; the scheme keeps them.</source>
        <translation>Der Export enthält die dunkle und die kontrastreiche Variante des Schemas nicht; das Schema behält sie.</translation>
    </message>
    <message>
        <source>The export does not carry which colours are locked; the scheme keeps its locks.</source>
        <translation>Der Export enthält nicht, welche Farben gesperrt sind; das Schema behält seine Sperren.</translation>
    </message>
</context>
<context>
    <name>ExportNames</name>
    <message>
        <source>a theme name cannot be empty</source>
        <translation>ein Theme-Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>a theme name cannot begin or end with a blank</source>
        <translation>ein Theme-Name darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a theme name cannot hold control characters</source>
        <translation>ein Theme-Name darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>a theme name cannot hold &quot;%1&quot;</source>
        <translation>ein Theme-Name darf kein „%1“ enthalten</translation>
    </message>
    <message>
        <source>&quot;Default&quot; is the Themes menu&apos;s name for the theme Studio</source>
        <translation>„Default“ ist der Name, den das Menü „Themes“ dem Theme Studio gibt</translation>
    </message>
    <message>
        <source>&quot;-&quot; is the Themes menu&apos;s separator</source>
        <translation>„-“ ist die Trennlinie des Menüs „Themes“</translation>
    </message>
    <message>
        <source>a theme name can be at most %1 bytes long</source>
        <translation>ein Theme-Name darf höchstens %1 Bytes lang sein</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Tintora Scheme (*.tna)</source>
        <translation>Tintora-Schema (*.tna)</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Familie:</translation>
    </message>
    <message>
        <source>St&amp;yle:</source>
        <translation>Sc&amp;hnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Shown in %1.</source>
        <translation>Dargestellt in %1.</translation>
    </message>
    <message>
        <source>%1 is not installed here: shown in %2, as the preview shows it.</source>
        <translation>%1 ist hier nicht installiert: dargestellt in %2, wie in der Vorschau.</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Tintora</source>
        <translation>&amp;Über Tintora</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Tintora</source>
        <translation>Über Tintora</translation>
    </message>
    <message>
        <source>Designs the colour scheme of a web-site theme.</source>
        <translation>Gestaltet das Farbschema eines Website-Themes.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later (GNU General Public License, version 3 or any later version).</source>
        <translation>Lizenz: GPL-3.0-or-later (GNU General Public License, Version 3 oder jede spätere Version).</translation>
    </message>
    <message>
        <source>Runs with:</source>
        <translation>Läuft mit:</translation>
    </message>
</context>
<context>
    <name>PackageUnpacker</name>
    <message>
        <source>an entry has no name</source>
        <translation>ein Eintrag hat keinen Namen</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has an absolute name</source>
        <translation>der Eintrag „%1“ hat einen absoluten Namen</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; points outside its folder</source>
        <translation>der Eintrag „%1“ zeigt aus seinem Ordner hinaus</translation>
    </message>
    <message>
        <source>it holds no files</source>
        <translation>es enthält keine Dateien</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>it is not a theme package</source>
        <translation>es ist kein Theme-Paket</translation>
    </message>
    <message>
        <source>it holds more than %1 entries</source>
        <translation>es enthält mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>it is damaged or not in a format this program reads (%1)</source>
        <translation>es ist beschädigt oder in einem Format, das dieses Programm nicht liest (%1)</translation>
    </message>
    <message>
        <source>unknown archive error</source>
        <translation>unbekannter Archivfehler</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is a link</source>
        <translation>der Eintrag „%1“ ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is not an ordinary file</source>
        <translation>der Eintrag „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; has no file name</source>
        <translation>der Eintrag „%1“ hat keinen Dateinamen</translation>
    </message>
    <message>
        <source>it unpacks to more than %1</source>
        <translation>entpackt ergibt es mehr als %1</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; clashes with another entry</source>
        <translation>der Eintrag „%1“ kollidiert mit einem anderen Eintrag</translation>
    </message>
    <message>
        <source>the folder for &quot;%1&quot; cannot be made</source>
        <translation>der Ordner für „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2)</source>
        <translation>„%1“ kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>its working folder is missing</source>
        <translation>sein Arbeitsordner fehlt</translation>
    </message>
</context>
<context>
    <name>PictureReport</name>
    <message>
        <source>%1 names pictures that are not where it says. Found beside the file or in its theme&apos;s folder and shown from there: %2. Save the scheme to keep where they are now.</source>
        <translation>%1 nennt Bilder, die nicht dort liegen, wo die Datei sagt. Neben der Datei oder im Ordner ihres Themes gefunden und von dort gezeigt: %2. Speichern Sie das Schema, um die neuen Orte zu behalten.</translation>
    </message>
</context>
<context>
    <name>PreviewCommands</name>
    <message>
        <source>&amp;Text Colour...</source>
        <translation>&amp;Textfarbe...</translation>
    </message>
    <message>
        <source>&amp;Background Colour...</source>
        <translation>&amp;Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schrift...</translation>
    </message>
    <message>
        <source>&amp;Make It Pass</source>
        <translation>&amp;Kontrast herstellen</translation>
    </message>
    <message>
        <source>&amp;Copy Colour</source>
        <translation>Farbe &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>Farbe &amp;einfügen</translation>
    </message>
</context>
<context>
    <name>PreviewHitMap</name>
    <message>
        <source>%1 — %2 (no editor row)</source>
        <translation>%1 — %2 (keine Zeile im Editor)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — %2 on %3, %4 %5</source>
        <translation>%1 — %2 auf %3, %4 %5</translation>
    </message>
</context>
<context>
    <name>PreviewPage</name>
    <message>
        <source>This theme didn&apos;t load correctly</source>
        <translation>Dieses Theme wurde nicht vollständig geladen</translation>
    </message>
    <message>
        <source> (not a picture that can be read)</source>
        <translation> (kein lesbares Bild)</translation>
    </message>
    <message>
        <source> (too large to show)</source>
        <translation> (zu groß zum Anzeigen)</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Horizontal Navigation</source>
        <translation>Horizontale Navigation</translation>
    </message>
    <message>
        <source>Bullet List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Quick Hyperlinks</source>
        <translation>Schnelllinks</translation>
    </message>
    <message>
        <source>Selected Quick Hyperlinks</source>
        <translation>Ausgewählte Schnelllinks</translation>
    </message>
    <message>
        <source>Global Navigation Buttons</source>
        <translation>Globale Navigationsschaltflächen</translation>
    </message>
    <message>
        <source>Vertical Navigation</source>
        <translation>Vertikale Navigation</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Bullet 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Bullet 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Bullet 3</source>
        <translation>Punkt 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Heading 1 Style</source>
        <translation>Stil Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2 Style</source>
        <translation>Stil Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3 Style</source>
        <translation>Stil Überschrift 3</translation>
    </message>
    <message>
        <source>Heading 4 Style</source>
        <translation>Stil Überschrift 4</translation>
    </message>
    <message>
        <source>Heading 5 Style</source>
        <translation>Stil Überschrift 5</translation>
    </message>
    <message>
        <source>Heading 6 Style</source>
        <translation>Stil Überschrift 6</translation>
    </message>
    <message>
        <source>Regular Text Sample</source>
        <translation>Beispiel für normalen Text</translation>
    </message>
    <message>
        <source>Regular Hyperlink</source>
        <translation>Normaler Hyperlink</translation>
    </message>
    <message>
        <source>Followed Hyperlink</source>
        <translation>Besuchter Hyperlink</translation>
    </message>
    <message>
        <source>Active Hyperlink</source>
        <translation>Aktiver Hyperlink</translation>
    </message>
</context>
<context>
    <name>PreviewPointer</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The preview page. Tab and the arrow keys move between its elements, Enter chooses the text colour, Shift+F10 opens the element&apos;s menu.</source>
        <translation>Die Vorschauseite. Tab und die Pfeiltasten wechseln zwischen ihren Elementen, Eingabe wählt die Textfarbe, Umschalt+F10 öffnet das Menü des Elements.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>%1: this picture shows the window as a person with that colour vision sees it. The report gives the real colours.</source>
        <translation>%1: Dieses Bild zeigt das Fenster so, wie es ein Mensch mit diesem Farbsehen sieht. Der Bericht nennt die echten Farben.</translation>
    </message>
</context>
<context>
    <name>RememberCommands</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 (no longer there)</source>
        <translation>%1 (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Menü &amp;leeren</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Encountered Err#%1 - %2</source>
        <translation>Fehler Nr. %1 aufgetreten - %2</translation>
    </message>
    <message>
        <source>Routine: %1</source>
        <translation>Routine: %1</translation>
    </message>
    <message>
        <source>Task: %1</source>
        <translation>Aufgabe: %1</translation>
    </message>
    <message>
        <source>A graphics file is missing. The Theme may not look right.</source>
        <translation>Eine Grafikdatei fehlt. Das Theme sieht möglicherweise nicht richtig aus.</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer falsch</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ein-/Ausgabefehler des Geräts</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Einlesen hinter Dateiende</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zu viele Dateien</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>File too large (more than %1 MiB)</source>
        <translation>Datei zu groß (mehr als %1 MiB)</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Attempting to open a file not created by the Tintora software.</source>
        <translation>Es wurde versucht, eine Datei zu öffnen, die nicht mit der Tintora-Software erstellt wurde.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
</context>
<context>
    <name>SchemeDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>the theme %1</source>
        <translation>dem Theme %1</translation>
    </message>
    <message>
        <source>Theme %1</source>
        <translation>Theme %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
</context>
<context>
    <name>SchemeFile</name>
    <message>
        <source>%1 is not a Tintora scheme file: no section was recognised.</source>
        <translation>%1 ist keine Tintora-Schemadatei: Es wurde kein Abschnitt erkannt.</translation>
    </message>
</context>
<context>
    <name>ThemeElement</name>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Banner Text</source>
        <translation>Bannertext</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Fließtext</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Heading 4</source>
        <translation>Überschrift 4</translation>
    </message>
    <message>
        <source>Heading 5</source>
        <translation>Überschrift 5</translation>
    </message>
    <message>
        <source>Heading 6</source>
        <translation>Überschrift 6</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>Hyperlink (Followed)</source>
        <translation>Hyperlink (besucht)</translation>
    </message>
    <message>
        <source>Hyperlink (Active)</source>
        <translation>Hyperlink (aktiv)</translation>
    </message>
    <message>
        <source>Navigation Text</source>
        <translation>Navigationstext</translation>
    </message>
    <message>
        <source>Global Navigation Buttons</source>
        <translation>Globale Navigationsschaltflächen</translation>
    </message>
    <message>
        <source>Horizontal Navigation Button</source>
        <translation>Horizontale Navigationsschaltfläche</translation>
    </message>
    <message>
        <source>Horizontal Navigation Button (Pressed)</source>
        <translation>Horizontale Navigationsschaltfläche (gedrückt)</translation>
    </message>
    <message>
        <source>Bullet 1</source>
        <translation>Aufzählungszeichen 1</translation>
    </message>
    <message>
        <source>Bullet 2</source>
        <translation>Aufzählungszeichen 2</translation>
    </message>
    <message>
        <source>Bullet 3</source>
        <translation>Aufzählungszeichen 3</translation>
    </message>
    <message>
        <source>Horizontal Rule</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <source>Quick Link Back</source>
        <translation>Schnelllink Zurück</translation>
    </message>
    <message>
        <source>Quick Link Home</source>
        <translation>Schnelllink Start</translation>
    </message>
    <message>
        <source>Quick Link Up</source>
        <translation>Schnelllink Hoch</translation>
    </message>
    <message>
        <source>Quick Link Next</source>
        <translation>Schnelllink Weiter</translation>
    </message>
    <message>
        <source>Selected Quick Link Back</source>
        <translation>Ausgewählter Schnelllink Zurück</translation>
    </message>
    <message>
        <source>Selected Quick Link Home</source>
        <translation>Ausgewählter Schnelllink Start</translation>
    </message>
    <message>
        <source>Selected Quick Link Up</source>
        <translation>Ausgewählter Schnelllink Hoch</translation>
    </message>
    <message>
        <source>Selected Quick Link Next</source>
        <translation>Ausgewählter Schnelllink Weiter</translation>
    </message>
    <message>
        <source>Vertical Navigation Button</source>
        <translation>Vertikale Navigationsschaltfläche</translation>
    </message>
    <message>
        <source>Vertical Navigation Button (Pressed)</source>
        <translation>Vertikale Navigationsschaltfläche (gedrückt)</translation>
    </message>
</context>
<context>
    <name>ThemeInstaller</name>
    <message>
        <source>These folders are not offered as themes, because their names hold control characters (such as a line end) that a scheme file cannot keep:</source>
        <translation>Diese Ordner werden nicht als Themes angeboten, weil ihre Namen Steuerzeichen enthalten (etwa ein Zeilenende), die eine Schemadatei nicht aufnehmen kann:</translation>
    </message>
    <message>
        <source>The theme package &quot;%1&quot; could not be unpacked: %2.

The theme %3 was not installed. The package is not tried again while it stays as it is: remove it, or put a whole one in its place.</source>
        <translation>Das Theme-Paket „%1“ konnte nicht entpackt werden: %2.

Das Theme %3 wurde nicht installiert. Das Paket wird nicht erneut versucht, solange es unverändert bleibt: Entfernen Sie es oder ersetzen Sie es durch ein vollständiges.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <source>&amp;Themes</source>
        <translation>&amp;Themes</translation>
    </message>
</context>
<context>
    <name>VariantCommands</name>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>Make &amp;Dark Variant</source>
        <translation>&amp;Dunkle Variante erstellen</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
    <message>
        <source>Make &amp;High-Contrast Variant</source>
        <translation>&amp;Hochkontrast-Variante erstellen</translation>
    </message>
    <message>
        <source>dark variant</source>
        <translation>dunkle Variante</translation>
    </message>
    <message>
        <source>high-contrast variant</source>
        <translation>Hochkontrast-Variante</translation>
    </message>
    <message>
        <source>%1: its text colour is locked</source>
        <translation>%1: seine Textfarbe ist gesperrt</translation>
    </message>
    <message>
        <source>%1: the colour behind it is locked</source>
        <translation>%1: die Farbe dahinter ist gesperrt</translation>
    </message>
    <message>
        <source>%1: no text colour passes over what lies behind it</source>
        <translation>%1: mit keiner Textfarbe besteht es über dem, was dahinter liegt</translation>
    </message>
    <message>
        <source>The %1 is made, but these rows do not pass %2 in it:

%3</source>
        <translation>Die %1 ist erstellt, aber diese Zeilen bestehen %2 darin nicht:

%3</translation>
    </message>
    <message>
        <source>This scheme has no %1 yet. Make it from the light colours now?</source>
        <translation>Dieses Schema hat noch keine %1. Jetzt aus den hellen Farben erstellen?</translation>
    </message>
    <message>
        <source>Lock %1</source>
        <translation>%1 sperren</translation>
    </message>
    <message>
        <source>Unlock %1</source>
        <translation>%1 entsperren</translation>
    </message>
</context>
<context>
    <name>ZoomCommands</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Contrast &amp;Level</source>
        <translation>Kontrast&amp;stufe</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>S&amp;imulieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Refresh the editor and the preview</source>
        <translation>Editor und Vorschau neu anzeigen</translation>
    </message>
    <message>
        <source>&amp;Variant</source>
        <translation>V&amp;ariante</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copying and extracting theme files. Just a few moments.</source>
        <translation>Themes werden kopiert und entpackt. Einen Moment bitte.</translation>
    </message>
    <message>
        <source>Tintora is free software under the GNU General Public License, version 3 or later: you may copy, change and share it on its terms. It comes with no warranty.</source>
        <translation>Tintora ist freie Software unter der GNU General Public License, Version 3 oder später: Sie dürfen es zu deren Bedingungen kopieren, ändern und weitergeben. Es gibt keine Gewährleistung.</translation>
    </message>
    <message>
        <source>Made by the Tintora team</source>
        <translation>Erstellt vom Tintora-Team</translation>
    </message>
    <message>
        <source>Copyright 2026 Tintora Studio Works</source>
        <translation>Copyright 2026 Tintora Studio Works</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>File copy &amp; extraction complete.</source>
        <translation>Kopieren &amp; Entpacken abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>tintora</name>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version and exits.</source>
        <translation>Zeigt Namen und Version des Programms und beendet es.</translation>
    </message>
    <message>
        <source>The scheme file to open after start-up.</source>
        <translation>Die Schemadatei, die nach dem Start geöffnet wird.</translation>
    </message>
</context>
</TS>
