<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutPage</name>
    <message>
        <source>for Quib and QuibW 0.72 WIP</source>
        <translation>für Quib und QuibW 0.72 WIP</translation>
    </message>
    <message>
        <source>Written by </source>
        <translation>Geschrieben von </translation>
    </message>
    <message>
        <source>Quib itself is the work of </source>
        <translation>Quib selbst stammt von </translation>
    </message>
    <message>
        <source>Links: </source>
        <translation>Links: </translation>
    </message>
    <message>
        <source>My website</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>Quib homepage</source>
        <translation>Quib-Homepage</translation>
    </message>
    <message>
        <source>Documentation: </source>
        <translation>Dokumentation: </translation>
    </message>
    <message>
        <source>Quib: </source>
        <translation>Quib: </translation>
    </message>
    <message>
        <source>Thanks to everyone who tested it, drew themes and sent in blitters.</source>
        <translation>Danke an alle, die getestet, Themes gezeichnet und Blitter eingeschickt haben.</translation>
    </message>
</context>
<context>
    <name>BlitterNameForm</name>
    <message>
        <source>Blitter name</source>
        <translation>Blittername</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BlitterPage</name>
    <message>
        <source>&amp;Blitter</source>
        <translation>&amp;Blitter</translation>
    </message>
    <message>
        <source>Press F1 in Quib to cycle
through the blitters</source>
        <translation>Mit F1 wechselt Quib
reihum die Blitter</translation>
    </message>
    <message>
        <source>Blitter properties</source>
        <translation>Blitter-Eigenschaften</translation>
    </message>
    <message>
        <source>Res&amp;olution</source>
        <translation>&amp;Auflösung</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Sie können jede beliebige Auflösung
eingeben, in der Form [Breite]x[Höhe]</translation>
    </message>
    <message>
        <source>Refres&amp;h rate</source>
        <extracomment>How many pictures the screen shows per second (the monitor&apos;s refresh rate); the same term as the GUI page&apos;s Refresh</extracomment>
        <translation>B&amp;ildwiederholrate</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Bildwiederholraten, die ein Vielfaches der Systemgeschwindigkeit (50
oder 60) sind, bringen zusammen mit VSync die besten Ergebnisse.
Hohe Werte funktionieren nicht.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Driv&amp;er</source>
        <translation>T&amp;reiber</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best mode your card supports</source>
        <translation>Die automatische Erkennung wählt einen langsameren Modus,
wählen Sie also den besten Modus, den Ihre Karte kann</translation>
    </message>
    <message>
        <source>&amp;Colour depth</source>
        <translation>Farb&amp;tiefe</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Bli&amp;tter</source>
        <translation>Fi&amp;lter</translation>
    </message>
    <message>
        <source>This affects how the SMS screen is translated to the PC screen.
Normal: no effect
Double: the image is stretched by 2, allowing fullscreen play at 512x384
Scanlines: every other line is black to simulate a TV (fast)
TV mode: every other line is darker to simulate a TV (slow)
TV mode (doubled): as above, but stretched in the X direction so it looks right
Eagle: tries to smooth jagged edges but looks terrible
hq2x: tries to smooth jagges edges and looks OK, requires 16 bits colour 
Parallel: even and odd frames are shown side by side</source>
        <translation>Bestimmt, wie das SMS-Bild auf den PC-Bildschirm übertragen wird.
Normal: keine Wirkung
Doppelt: das Bild wird in beide Richtungen verdoppelt, für Vollbild bei 512x384
Scanlines: jede zweite Zeile ist schwarz, wie auf einem Fernseher (schnell)
TV-Modus: jede zweite Zeile ist dunkler, wie auf einem Fernseher (langsam)
TV-Modus (doppelt): wie oben, aber in X-Richtung gestreckt, damit es stimmt
Eagle: versucht, Treppenkanten zu glätten, sieht aber furchtbar aus
hq2x: versucht, Treppenkanten zu glätten, sieht gut aus, braucht 16-Bit-Farbe 
Parallel: gerade und ungerade Bilder werden nebeneinander gezeigt</translation>
    </message>
    <message>
        <source>&amp;Flipped</source>
        <extracomment>Page flipping: the picture is drawn into a second buffer while the first is shown, then the two swap (the video term, not mirrored or turned over)</extracomment>
        <translation>Page-Flippin&amp;g</translation>
    </message>
    <message>
        <source>Reduces colour flickering,
but reduces speed</source>
        <translation>Verringert Farbflimmern,
kostet aber Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>Stops &quot;tearing&quot;, but reduces speed.
Better than Flipped</source>
        <extracomment>Flipped is the page-flipping box beside it: use the same word</extracomment>
        <translation>Verhindert „Tearing“, kostet aber Geschwindigkeit.
Besser als Page-Flipping</translation>
    </message>
    <message>
        <source>Tri&amp;ple buffered</source>
        <translation>Dreifach&amp;puffer</translation>
    </message>
    <message>
        <source>Use three video buffers to enable VSync updates without slowing emulation - best option</source>
        <translation>Drei Bildpuffer erlauben VSync, ohne die Emulation zu bremsen – die beste Wahl</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>Strecth the image to fill the screen/window</source>
        <translation>Das Bild auf Bildschirm- bzw. Fenstergröße strecken</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new blitter</source>
        <translation>Einen neuen Blitter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename the currently selected blitter</source>
        <translation>Den gewählten Blitter umbenennen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lösch&amp;en</translation>
    </message>
    <message>
        <source>Delete the currently selected blitter</source>
        <translation>Den gewählten Blitter löschen</translation>
    </message>
    <message>
        <source>&amp;Uncomment</source>
        <translation>&amp;Freischalten</translation>
    </message>
    <message>
        <source>Most of the blitters in quib.blt are commented out.
Click on this button to make them all available</source>
        <translation>Die meisten Blitter in quib.blt sind auskommentiert.
Mit dieser Schaltfläche stehen alle zur Verfügung</translation>
    </message>
    <message>
        <source>Blitter name</source>
        <translation>Blittername</translation>
    </message>
    <message>
        <source>Please confirm blitter deletion</source>
        <translation>Löschen des Blitters bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this blitter:<byte value="xd"/>%1</source>
        <translation>Möchten Sie diesen Blitter wirklich löschen:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>This is an automated function and should correctly uncomment all of the blitters.<byte value="xd"/>It works OK with my standard Quib.blt, but could possibly mess up a modified file.<byte value="xd"/>Note that the uncommented blitters might need some tweaking to work as well as possible.<byte value="xd"/><byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Diese Funktion arbeitet automatisch und sollte die Auskommentierung aller Blitter korrekt aufheben.<byte value="xd"/>Mit meiner Standard-Quib.blt klappt das, eine veränderte Datei könnte dabei aber beschädigt werden.<byte value="xd"/>Die wieder aktivierten Blitter müssen eventuell noch nachjustiert werden, damit sie bestmöglich laufen.<byte value="xd"/><byte value="xd"/>Möchten Sie wirklich fortfahren?</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Autodetect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>A video driver: the mode that works on any card (not &quot;secure&quot;).</extracomment>
        <translation>Abgesichert</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Mode X</source>
        <translation>Mode X</translation>
    </message>
    <message>
        <source>Vesa 1</source>
        <translation>VESA 1</translation>
    </message>
    <message>
        <source>Vesa 2 (banked)</source>
        <translation>VESA 2 (Banked)</translation>
    </message>
    <message>
        <source>Vesa 2 (linear)</source>
        <translation>VESA 2 (linear)</translation>
    </message>
    <message>
        <source>Vesa 3</source>
        <translation>VESA 3</translation>
    </message>
    <message>
        <source>VBE AF</source>
        <translation>VBE/AF</translation>
    </message>
    <message>
        <source>Autodetect (windowed)</source>
        <translation>Automatisch erkennen (Fenster)</translation>
    </message>
    <message>
        <source>DirectX (auto)</source>
        <translation>DirectX (automatisch)</translation>
    </message>
    <message>
        <source>DirectX (software)</source>
        <translation>DirectX (Software)</translation>
    </message>
    <message>
        <source>DirectX (safe)</source>
        <translation>DirectX (abgesichert)</translation>
    </message>
    <message>
        <source>DirectX (windowed)</source>
        <translation>DirectX (Fenster)</translation>
    </message>
    <message>
        <source>DirectX (windowed overlay)</source>
        <translation>DirectX (Fenster mit Overlay)</translation>
    </message>
    <message>
        <source>GDI (windowed)</source>
        <translation>GDI (Fenster)</translation>
    </message>
    <message>
        <source>XDFS</source>
        <translation>XDFS</translation>
    </message>
    <message>
        <source>Sound Blaster</source>
        <translation>Sound Blaster</translation>
    </message>
    <message>
        <source>Sound Blaster AWE32</source>
        <translation>Sound Blaster AWE32</translation>
    </message>
    <message>
        <source>Pro Audio Spectrum</source>
        <translation>Pro Audio Spectrum</translation>
    </message>
    <message>
        <source>Ultrasound Max</source>
        <translation>UltraSound MAX</translation>
    </message>
    <message>
        <source>Ultrasound</source>
        <translation>UltraSound</translation>
    </message>
    <message>
        <source>Windows Sound System</source>
        <translation>Windows Sound System</translation>
    </message>
    <message>
        <source>Ensoniq Soundscape</source>
        <translation>Ensoniq Soundscape</translation>
    </message>
    <message>
        <source>Microsoft Sound Mapper</source>
        <translation>Microsoft Sound Mapper</translation>
    </message>
    <message>
        <source>DirectX (experimental)</source>
        <translation>DirectX (experimentell)</translation>
    </message>
    <message>
        <source>DirectX</source>
        <translation>DirectX</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Rest of the world</source>
        <translation>Rest der Welt</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>2 button</source>
        <translation>2 Tasten</translation>
    </message>
    <message>
        <source>4 button</source>
        <translation>4 Tasten</translation>
    </message>
    <message>
        <source>6 button</source>
        <translation>6 Tasten</translation>
    </message>
    <message>
        <source>8 button</source>
        <translation>8 Tasten</translation>
    </message>
    <message>
        <source>Dual (2 pads/sticks)</source>
        <translation>Dual (2 Pads/Sticks)</translation>
    </message>
    <message>
        <source>MS Sidewinder</source>
        <translation>MS SideWinder</translation>
    </message>
    <message>
        <source>Flight Stick Pro</source>
        <translation>Flight Stick Pro</translation>
    </message>
    <message>
        <source>Wingman Extreme</source>
        <translation>WingMan Extreme</translation>
    </message>
    <message>
        <source>Wingman Warrior</source>
        <translation>WingMan Warrior</translation>
    </message>
    <message>
        <source>Gravis Gamepad Pro</source>
        <translation>Gravis GamePad Pro</translation>
    </message>
    <message>
        <source>Gravis GRiP</source>
        <translation>Gravis GrIP</translation>
    </message>
    <message>
        <source>Gravis GRiP 4</source>
        <translation>Gravis GrIP 4</translation>
    </message>
    <message>
        <source>DB9 (eg. SMS pad)</source>
        <translation>DB9 (z. B. SMS-Pad)</translation>
    </message>
    <message>
        <source>PC Engine/Turbo Grafx</source>
        <translation>PC Engine/TurboGrafx</translation>
    </message>
    <message>
        <source>SNES</source>
        <translation>SNES</translation>
    </message>
    <message>
        <source>PlayStation</source>
        <translation>PlayStation</translation>
    </message>
    <message>
        <source>N64</source>
        <translation>N64</translation>
    </message>
    <message>
        <source>IfSega</source>
        <translation>IfSega</translation>
    </message>
    <message>
        <source>OPL</source>
        <translation>OPL</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Show both sides</source>
        <translation>Beide Seiten zeigen</translation>
    </message>
    <message>
        <source>Show left side</source>
        <translation>Linke Seite zeigen</translation>
    </message>
    <message>
        <source>Show right side</source>
        <translation>Rechte Seite zeigen</translation>
    </message>
    <message>
        <source>Use glasses on COM port 1</source>
        <translation>Brille an COM-Port 1</translation>
    </message>
    <message>
        <source>Use glasses on COM port 2</source>
        <translation>Brille an COM-Port 2</translation>
    </message>
    <message>
        <source>OPL is not possible under Windows NT/2000/XP</source>
        <translation>OPL ist unter Windows NT/2000/XP nicht möglich</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>An image filter: every pixel drawn twice as wide and high.</extracomment>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>Scanlines</translation>
    </message>
    <message>
        <source>TV mode</source>
        <translation>TV-Modus</translation>
    </message>
    <message>
        <source>TV mode (doubled)</source>
        <translation>TV-Modus (doppelt)</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Eagle</translation>
    </message>
    <message>
        <source>hq2x</source>
        <translation>hq2x</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sound card</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no joypad driver</comment>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no FM engine</comment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>ColourChooserForm</name>
    <message>
        <source>Colour chooser</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>You can enter values in the range 0..255 but they will be rounded off for Quib</source>
        <translation>Sie können Werte von 0 bis 255 eingeben, für Quib werden sie aber gerundet</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HT&amp;ML:</translation>
    </message>
    <message>
        <source>HSL</source>
        <translation>HSL</translation>
    </message>
    <message>
        <source>&amp;Hue</source>
        <translation>&amp;Farbton</translation>
    </message>
    <message>
        <source>The type of the colour</source>
        <translation>Die Art der Farbe</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>&amp;Sätt.</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>The strength of the colour</source>
        <translation>Die Kräftigkeit der Farbe</translation>
    </message>
    <message>
        <source>&amp;Lum</source>
        <translation>&amp;Hell.</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>The brightness of the colour</source>
        <translation>Die Helligkeit der Farbe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Gewählte Farbe</translation>
    </message>
</context>
<context>
    <name>ConfiguratorSettings</name>
    <message>
        <source>Configurator settings</source>
        <translation>Einstellungen des Konfigurators</translation>
    </message>
    <message>
        <source>&amp;Quib location:</source>
        <translation>&amp;Quib-Ordner:</translation>
    </message>
    <message>
        <source>Locate Quib</source>
        <translation>Quib suchen</translation>
    </message>
    <message>
        <source>&amp;Run Quib</source>
        <translation>Quib sta&amp;rten</translation>
    </message>
    <message>
        <source>Run Qu&amp;ibW</source>
        <translation>Qu&amp;ibW starten</translation>
    </message>
    <message>
        <source>When ticked, the run buttons first ask for a game file to load.
Cancelling that question starts the emulator without a game.</source>
        <translation>Wenn angekreuzt, fragen die Start-Schaltflächen zuerst nach einer Spieldatei.
Wer die Frage abbricht, startet den Emulator ohne Spiel.</translation>
    </message>
    <message>
        <source>Load ROM on run</source>
        <translation>Beim Start ROM laden</translation>
    </message>
    <message>
        <source>Reads every settings file again, discarding changes not yet applied</source>
        <translation>Liest alle Einstellungsdateien neu ein und verwirft noch nicht übernommene Änderungen</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>Änderungen &amp;verwerfen</translation>
    </message>
    <message>
        <source>Shows again every message you chose not to see</source>
        <translation>Zeigt wieder jede Meldung, die Sie ausgeblendet haben</translation>
    </message>
    <message>
        <source>Reset &amp;warnings</source>
        <translation>&amp;Warnungen zurücksetzen</translation>
    </message>
    <message>
        <source>If only one is available, this setting will be ignored</source>
        <translation>Ist nur eine vorhanden, wird diese Einstellung ignoriert</translation>
    </message>
    <message>
        <source>Prefer settings &amp;from</source>
        <translation>Einstellungen bevorzugt &amp;aus</translation>
    </message>
</context>
<context>
    <name>DebuggingPage</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Tile &amp;viewer</source>
        <translation>&amp;Kachelanzeige</translation>
    </message>
    <message>
        <source>Tiles above 448 are usually not used and show junk due to the memory being used for other things.</source>
        <translation>Kacheln über 448 werden meist nicht genutzt und zeigen Datenmüll, weil der Speicher anderweitig belegt ist.</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>Debug-Modus</translation>
    </message>
    <message>
        <source>Quib will always act as if invoked with the /DEBUG parameter</source>
        <translation>Quib verhält sich immer so, als wäre es mit dem Parameter /DEBUG gestartet worden</translation>
    </message>
    <message>
        <source>Always &amp;enabled</source>
        <translation>&amp;Immer an</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>Debugger</translation>
    </message>
    <message>
        <source>&amp;Console</source>
        <translation>K&amp;onsole</translation>
    </message>
    <message>
        <source>How high the top half of the debugger window is</source>
        <translation>Wie hoch die obere Hälfte des Debugger-Fensters ist</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>Dis&amp;assembler</translation>
    </message>
    <message>
        <source>How high the bottom half of the debugger window is</source>
        <translation>Wie hoch die untere Hälfte des Debugger-Fensters ist</translation>
    </message>
    <message>
        <source>Save debugger console output to debug\debuglog.txt</source>
        <translation>Die Ausgabe der Debugger-Konsole in debug\debuglog.txt speichern</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Load NO$GMB style symbol files and replace references where possible</source>
        <translation>Symboldateien im NO$GMB-Stil laden und Verweise wo möglich ersetzen</translation>
    </message>
    <message>
        <source>&amp;Show labels</source>
        <translation>&amp;Labels zeigen</translation>
    </message>
    <message>
        <source>Memory editor default size</source>
        <translation>Standardgröße des Speichereditors</translation>
    </message>
    <message>
        <source>How high the memory editor window is</source>
        <translation>Wie hoch das Fenster des Speichereditors ist</translation>
    </message>
    <message>
        <source>lines x</source>
        <translation>Zeilen x</translation>
    </message>
    <message>
        <source>How many bytes per row; should usually be a multiple of 8</source>
        <translation>Wie viele Bytes pro Zeile; meist ein Vielfaches von 8</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>Spalten</translation>
    </message>
</context>
<context>
    <name>DonatePage</name>
    <message>
        <source>Donate to support Quib and its community</source>
        <translation>Spenden Sie, um Quib und seine Community zu unterstützen</translation>
    </message>
    <message>
        <source>&amp;CPU speed</source>
        <translation>&amp;Prozessortakt</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Video card memory</source>
        <translation>&amp;Grafikspeicher</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>&amp;Suggested donation</source>
        <translation>&amp;Empfohlene Spende</translation>
    </message>
    <message>
        <source>This calculation is just for fun! Read quib.txt for more information on donating.</source>
        <translation>Diese Rechnung ist nur ein Spaß! Mehr zum Spenden steht in quib.txt.</translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Sprite &amp;flickering</source>
        <translation>Sprite-&amp;Flackern</translation>
    </message>
    <message>
        <source>Emulates a limit of the console&apos;s video chip: only a few
sprites fit on one line, the others disappear (they flicker).
Some games rely on it to hide sprites on purpose.
Automatic only uses it for the games that need it</source>
        <translation>Bildet eine Grenze des Videochips der Konsole nach: nur wenige
Sprites passen in eine Zeile, die übrigen verschwinden (sie flackern).
Manche Spiele verstecken so absichtlich Sprites.
Automatisch nutzt es nur für die Spiele, die es brauchen</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>Choose Japan to see the Japanese names for some games in Quib,
the Mark III logo and japanese text and/or different title screens in some games</source>
        <translation>Wählen Sie Japan, um in Quib die japanischen Namen mancher Spiele,
das Mark-III-Logo sowie japanischen Text und/oder andere Titelbilder in manchen Spielen zu sehen</translation>
    </message>
    <message>
        <source>TV &amp;type</source>
        <translation>Fernseh&amp;norm</translation>
    </message>
    <message>
        <source>Affects the number of screen lines emulated.
It doesn&apos;t really matter which you choose
since if needed, Quib will change the setting.
Some games use it to detect PAL/NTSC speed so
the Frameskip value should match (PAL/50, NTSC/60)</source>
        <translation>Bestimmt die Zahl der emulierten Bildzeilen.
Es ist eigentlich egal, was Sie wählen,
denn Quib ändert die Einstellung bei Bedarf.
Manche Spiele erkennen daran die PAL-/NTSC-Geschwindigkeit,
daher sollte der Frameskip-Wert passen (PAL/50, NTSC/60)</translation>
    </message>
    <message>
        <source>3&amp;D mode</source>
        <translation>&amp;3D-Modus</translation>
    </message>
    <message>
        <source>Disable this to load games faster,
enable it for nostalgia</source>
        <translation>Abschalten, damit Spiele schneller laden,
einschalten für Nostalgie</translation>
    </message>
    <message>
        <source>Show &amp;BIOS logo</source>
        <translation>&amp;BIOS-Logo zeigen</translation>
    </message>
    <message>
        <source>Frameskip</source>
        <translation>Frameskip</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F2</source>
        <translation>Tastenkürzel in Quib:
F2</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <source>Show one frame in &amp;every</source>
        <translation>&amp;Ein Bild zeigen von je</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F3 &amp; F4</source>
        <translation>Tastenkürzel in Quib:
F3 &amp; F4</translation>
    </message>
    <message>
        <source>A&amp;utomatic</source>
        <translation>A&amp;utomatisch</translation>
    </message>
    <message>
        <source>Simulate refresh rate &amp;of</source>
        <translation>Bildwiederholrate &amp;simulieren:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The backup holds none of the settings files.</source>
        <translation>Die Sicherung enthält keine der Einstellungsdateien.</translation>
    </message>
    <message>
        <source>It was replaced by another file while it was being saved.</source>
        <translation>Sie wurde während des Speicherns durch eine andere Datei ersetzt.</translation>
    </message>
    <message>
        <source>%1 Its old contents could not be put back.</source>
        <translation>%1 Ihr alter Inhalt konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>%1 Its old contents are kept in &quot;%2&quot;.</source>
        <translation>%1 Ihr alter Inhalt liegt in „%2“.</translation>
    </message>
    <message>
        <source>Windows error %1.</source>
        <translation>Windows-Fehler %1.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Der Sicherungsordner „%1“ ist eine symbolische Verknüpfung. Sicherungen werden nie über eine solche abgelegt oder gelesen: Entfernen oder verschieben Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Der Sicherungssatz „%1“ ist eine symbolische Verknüpfung. Sicherungen werden nie über eine solche abgelegt oder gelesen: Entfernen oder verschieben Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Die Sicherungsdatei „%1“ ist eine symbolische Verknüpfung. Sicherungen werden nie über eine solche abgelegt oder gelesen: Entfernen oder verschieben Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Der Sicherungsordner „%1“ gehört einem anderen Benutzer. Sicherungen werden nur in Ihren eigenen Ordnern abgelegt: Entfernen oder verschieben Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Der Sicherungssatz „%1“ gehört einem anderen Benutzer. Sicherungen werden nur in Ihren eigenen Ordnern abgelegt: Entfernen oder verschieben Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Die Sicherungsdatei „%1“ gehört einem anderen Benutzer. Sicherungen werden nur in Ihren eigenen Ordnern abgelegt: Entfernen oder verschieben Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder &quot;%1&quot;. %2</source>
        <translation>Der Sicherungsordner „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;. %2</source>
        <translation>Der Sicherungsordner „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; from the backup. %2</source>
        <translation>„%1“ kann nicht aus der Sicherung gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;.</source>
        <translation>Der Sicherungsordner „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>It is a file.</source>
        <translation>Es ist eine Datei.</translation>
    </message>
    <message>
        <source>Nothing was saved: someone else changed these files on disk just before they were to be replaced:</source>
        <translation>Nichts wurde gespeichert: Jemand anderes hat diese Dateien auf der Festplatte geändert, kurz bevor sie ersetzt werden sollten:</translation>
    </message>
    <message>
        <source>Nothing can be backed up: %1 is not set, so there is no folder for backups.</source>
        <translation>Es kann nichts gesichert werden: %1 ist nicht gesetzt, daher gibt es keinen Ordner für Sicherungen.</translation>
    </message>
    <message>
        <source>Cannot flush the backup folder &quot;%1&quot;. %2</source>
        <translation>Der Sicherungsordner „%1“ kann nicht auf die Festplatte geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is missing.</source>
        <translation>Der Sicherungssatz „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; to back it up. %2</source>
        <translation>„%1“ kann für die Sicherung nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;. %2</source>
        <translation>Die Sicherungsdatei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot name the backup folder &quot;%1&quot;. %2</source>
        <translation>Der Sicherungsordner kann nicht in „%1“ umbenannt werden. %2</translation>
    </message>
    <message>
        <source>Cannot open the lock file &quot;%1&quot;. %2</source>
        <translation>Die Sperrdatei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Nothing was saved: another Quib Configurator is saving the files in &quot;%1&quot; right now. Try again when it is done; files it changed meanwhile are then shown as changed on disk.</source>
        <translation>Nichts wurde gespeichert: Ein anderer Quib Configurator speichert gerade die Dateien in „%1“. Versuchen Sie es erneut, wenn er fertig ist; Dateien, die er inzwischen geändert hat, werden dann als auf der Festplatte geändert angezeigt.</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht gesperrt werden. %2</translation>
    </message>
    <message>
        <source>Nothing was saved: the files it would replace could not be backed up first.<byte value="xd"/>%1</source>
        <translation>Nichts wurde gespeichert: Die Dateien, die ersetzt würden, konnten vorher nicht gesichert werden.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>„%1“ enthält womöglich einen Teil der neuen Einstellungen und konnte nicht wiederhergestellt werden (%2); der alte Inhalt liegt in „%3“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>„%1“ enthält die neuen Einstellungen und konnte nicht wiederhergestellt werden (%2); der alte Inhalt liegt in „%3“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>„%1“ enthält womöglich einen Teil der neuen Einstellungen und konnte nicht wiederhergestellt werden (%2); zuvor gab es diese Datei nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>„%1“ enthält die neuen Einstellungen und konnte nicht wiederhergestellt werden (%2); zuvor gab es diese Datei nicht.</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 The files already replaced were put back.</source>
        <translation>Nichts wurde gespeichert: %1 Die bereits ersetzten Dateien wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>Not all settings files were saved: %1</source>
        <translation>Nicht alle Einstellungsdateien wurden gespeichert: %1</translation>
    </message>
    <message>
        <source>As they were: %1.</source>
        <translation>Unverändert: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>Nichts wurde gespeichert: %1</translation>
    </message>
    <message>
        <source>Saved: %1.</source>
        <translation>Gespeichert: %1.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>%1 may hold part of the new settings.</source>
        <translation>%1 enthält womöglich einen Teil der neuen Einstellungen.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a settings file.</source>
        <translation>Sie ist größer als %1 MB und damit zu groß für eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason the system gave for an error (its own words in %1), made a sentence of the message it stands in.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Its record is incomplete.</source>
        <translation>Seine Aufzeichnung ist unvollständig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer holds what was kept.</source>
        <translation>„%1“ enthält nicht mehr, was gesichert wurde.</translation>
    </message>
    <message>
        <source>An Apply that did not finish cannot be put back: %1 The emulator&apos;s files are left as they are.</source>
        <translation>Ein nicht abgeschlossenes Übernehmen kann nicht rückgängig gemacht werden: %1 Die Dateien des Emulators bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Not every file could be put back:</source>
        <translation>Nicht jede Datei konnte wiederhergestellt werden:</translation>
    </message>
</context>
<context>
    <name>GuiPage</name>
    <message>
        <source>... or fullscreen. Only works when
the game is passed on the commandline,
always opens in GUI otherwise</source>
        <translation>… oder im Vollbild. Wirkt nur, wenn das
Spiel auf der Befehlszeile übergeben wird,
sonst startet immer die Oberfläche</translation>
    </message>
    <message>
        <source>&amp;Start in GUI</source>
        <translation>In der &amp;Oberfläche starten</translation>
    </message>
    <message>
        <source>Video mode</source>
        <translation>Videomodus</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>&amp;Auflösung</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Sie können jede beliebige Auflösung
eingeben, in der Form [Breite]x[Höhe]</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Treiber</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best Vesa/DirectX mode your card supports</source>
        <translation>Die automatische Erkennung wählt einen langsameren Modus,
wählen Sie also den besten VESA-/DirectX-Modus Ihrer Karte</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <extracomment>The monitor&apos;s refresh rate (pictures per second); the same term as the Blitter page&apos;s Refresh rate</extracomment>
        <translation>&amp;Bildwiederholrate</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Bildwiederholraten, die ein Vielfaches der Systemgeschwindigkeit (50
oder 60) sind, bringen zusammen mit VSync die besten Ergebnisse.
Hohe Werte funktionieren nicht.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>This will slow the GUI
but stop &apos;tearing&apos;</source>
        <translation>Macht die Oberfläche langsamer,
verhindert aber „Tearing“</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>File browser</source>
        <translation>Dateibrowser</translation>
    </message>
    <message>
        <source>&amp;pixels x</source>
        <translation>&amp;Pixel x</translation>
    </message>
    <message>
        <source>&amp;lines</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;Use virtual long filenames</source>
        <translation>Virtuelle &amp;lange Dateinamen verwenden</translation>
    </message>
    <message>
        <source>&amp;Close file browser after load</source>
        <translation>Dateibrowser nach dem Laden &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Fullscreen/windowed after load</source>
        <translation>Vollbild/&amp;Fenster nach dem Laden</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Rapid-fire</source>
        <translation>Dauerfeuer</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Button &amp;1</source>
        <translation>Taste &amp;1</translation>
    </message>
    <message>
        <source>Button &amp;2</source>
        <translation>Taste &amp;2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>&amp;Button 1</source>
        <translation>&amp;Taste 1</translation>
    </message>
    <message>
        <source>Bu&amp;tton 2</source>
        <translation>T&amp;aste 2</translation>
    </message>
    <message>
        <source>Mouse speed</source>
        <translation>Mausgeschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>Mouse speeds:
1 = fast
2 = normal
3 = slow</source>
        <translation>Mausgeschwindigkeit:
1 = schnell
2 = normal
3 = langsam</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;Cabinet mode</source>
        <translation>Automaten&amp;modus</translation>
    </message>
    <message>
        <source>When enabled, F10 (quit) and Esc (toggle fullscreen) reverse their meanings</source>
        <translation>Wenn eingeschaltet, tauschen F10 (Beenden) und Esc (Vollbild umschalten) ihre Bedeutung</translation>
    </message>
    <message>
        <source>Allow &amp;opposite directions</source>
        <translation>&amp;Gegenrichtungen erlauben</translation>
    </message>
    <message>
        <source>Real pads stop you from pressing L+R or U+D simultaneously; some games have bugs if this input occurs, but other games might need it to be possible</source>
        <translation>Echte Pads verhindern, dass Links+Rechts oder Oben+Unten gleichzeitig gedrückt werden; manche Spiele spinnen bei solchen Eingaben, andere brauchen sie vielleicht</translation>
    </message>
    <message>
        <source>Joypad/stick (DOS only)</source>
        <translation>Joypad/Joystick (nur DOS)</translation>
    </message>
    <message>
        <source>QuibW uses any joystick loaded through DirectInput</source>
        <translation>QuibW nutzt jeden über DirectInput geladenen Joystick</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>T&amp;reiber</translation>
    </message>
    <message>
        <source>&amp;Using DirectPad Pro on</source>
        <translation>DirectPad Pro &amp;verwenden an</translation>
    </message>
    <message>
        <source>DirectPad Pro is a device which lets you use
console joypads on your PC via the parallel port</source>
        <translation>DirectPad Pro ist ein Adapter, mit dem Sie
Konsolen-Joypads über den Parallelport am PC nutzen</translation>
    </message>
    <message>
        <source>&amp;IfSega card type</source>
        <translation>IfSega-&amp;Kartentyp</translation>
    </message>
    <message>
        <source>IfSega is an expansion board which
lets you use Saturn pads on your PC</source>
        <translation>IfSega ist eine Erweiterungskarte, mit der
Sie Saturn-Pads am PC nutzen können</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>...when you load a game</source>
        <translation>… beim Laden eines Spiels</translation>
    </message>
    <message>
        <source>Show product &amp;numbers</source>
        <translation>Produkt&amp;nummern zeigen</translation>
    </message>
    <message>
        <source>Show messages in &amp;fullscreen mode</source>
        <translation>Meldungen im &amp;Vollbild zeigen</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Sega fanboy settings</source>
        <translation>Einstellungen für Sega-Fans</translation>
    </message>
    <message>
        <source>&amp;NES sucks</source>
        <translation>&amp;NES ist doof</translation>
    </message>
    <message>
        <source>If he is, maybe Quib can
play some NES roms?</source>
        <translation>Wenn ja, kann Quib ja vielleicht
ein paar NES-ROMs spielen?</translation>
    </message>
    <message>
        <source>Mario is a fat &amp;plumber</source>
        <translation>Mario ist ein dicker &amp;Klempner</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please remember that Quib&apos;s NES support is unofficial and unsupported.<byte value="xd"/>It will only play a few NES games.<byte value="xd"/>There are better NES emulators available.<byte value="xd"/>PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES EMULATION.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Denken Sie daran: Die NES-Unterstützung von Quib ist inoffiziell und ohne Support.<byte value="xd"/>Nur wenige NES-Spiele laufen damit.<byte value="xd"/>Es gibt bessere NES-Emulatoren.<byte value="xd"/>BITTE SCHREIBEN SIE DEM AUTOR VON QUIB ODER DEM AUTOR VON QUIB CONFIGURATOR KEINE E-MAILS ZUR NES-EMULATION.<byte value="xd"/><byte value="xd"/>Diese Meldung wieder anzeigen?</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>Diesen Hinweis schließen</translation>
    </message>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>%1 wurde auf der Festplatte geändert.</numerusform>
            <numerusform>%1 wurden auf der Festplatte geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>%n Ihrer Änderungen wurde dort ebenfalls geändert; Übernehmen fragt, welcher Wert bleiben soll.</numerusform>
            <numerusform>%n Ihrer Änderungen wurden dort ebenfalls geändert; Übernehmen fragt, welche Werte bleiben sollen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of a notice, one after the other.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Quib rewrote %1 and undid %n of the settings you applied: %2</source>
        <extracomment>%1 is a file, %2 the settings Quib set back to what they were before.</extracomment>
        <translation>
            <numerusform>Quib hat %1 neu geschrieben und die von Ihnen übernommene Einstellung zurückgesetzt: %2</numerusform>
            <numerusform>Quib hat %1 neu geschrieben und %n der von Ihnen übernommenen Einstellungen zurückgesetzt: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>See the change</source>
        <translation>Änderung ansehen</translation>
    </message>
    <message>
        <source>Apply them again</source>
        <extracomment>Saves again the settings Quib set back.</extracomment>
        <translation>Erneut übernehmen</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Leaves the file as it is now on disk.</extracomment>
        <translation>Beibehalten</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The Apply made at %1 did not finish (the program ended, or the power went). </source>
        <translation>Das Übernehmen von %1 wurde nicht abgeschlossen (das Programm wurde beendet oder der Strom fiel aus). </translation>
    </message>
    <message>
        <source>It had replaced:</source>
        <translation>Es hatte bereits ersetzt:</translation>
    </message>
    <message>
        <source>Apply not finished</source>
        <translation>Übernehmen nicht abgeschlossen</translation>
    </message>
    <message>
        <source>These still hold what they held before it:</source>
        <translation>Diese enthalten noch, was sie davor enthielten:</translation>
    </message>
    <message>
        <source>These hold neither what they held before it nor what it wrote, and are left as they are:</source>
        <translation>Diese enthalten weder, was sie davor enthielten, noch, was es geschrieben hat, und bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>Do you want to put the emulator&apos;s folder back as it was before that Apply?<byte value="xd"/><byte value="xd"/>Yes gives the files it had replaced what they held before it (what they hold now is kept as a backup too); No keeps every file as it is now.</source>
        <translation>Möchten Sie den Ordner des Emulators auf den Stand vor diesem Übernehmen zurücksetzen?<byte value="xd"/><byte value="xd"/>Ja gibt den Dateien, die es ersetzt hatte, ihren Inhalt von davor zurück (ihr jetziger Inhalt wird ebenfalls gesichert); Nein lässt jede Datei, wie sie jetzt ist.</translation>
    </message>
</context>
<context>
    <name>ScreenshotsPage</name>
    <message>
        <source>Screenshot &amp;filename:</source>
        <translation>Datei&amp;name der Bildschirmfotos:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>Verwenden Sie keine Zeichen, die in Dateinamen verboten sind,
wie &quot; \ / , + ? (und andere)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Auf wie viele Zeichen der Namensteil gekürzt wird;
* für keine Grenze</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>Zeichen des Dateinamens +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Mindestzahl an Ziffern;
* für kein Minimum</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>-stellige Nummer +</translation>
    </message>
    <message>
        <source>Example: the fifth screenshot from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Beispiel: Das fünfte Bildschirmfoto aus der Datei „Sonic the Hedgehog 2.sms“ heißt dann:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Zeichen des Dateinamens</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Text nach dem Dateinamen</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Stellen der Nummer</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Text nach der Nummer</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Dateiendung</translation>
    </message>
</context>
<context>
    <name>SoundLoggingPage</name>
    <message>
        <source>&amp;Filename:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>Verwenden Sie keine Zeichen, die in Dateinamen verboten sind,
wie &quot; \ / , + ? (und andere)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Auf wie viele Zeichen der Namensteil gekürzt wird;
* für keine Grenze</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>Zeichen des Dateinamens +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Mindestzahl an Ziffern;
* für kein Minimum</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>-stellige Nummer +</translation>
    </message>
    <message>
        <source>&amp;Sample accurate</source>
        <translation>&amp;Samplegenau</translation>
    </message>
    <message>
        <source>Sample-accurate VGMs are larger for almost identical output;
but non-sample-accurate VGMs cannot store samples (voices)</source>
        <translation>Samplegenaue VGMs sind bei fast gleichem Klang größer,
aber nicht samplegenaue VGMs können keine Samples (Stimmen) speichern</translation>
    </message>
    <message>
        <source>Example: the fifth sound dump from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Beispiel: Der fünfte Tonmitschnitt aus der Datei „Sonic the Hedgehog 2.sms“ heißt dann:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Zeichen des Dateinamens</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Text nach dem Dateinamen</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Stellen der Nummer</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Text nach der Nummer</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Sound &amp;card</source>
        <translation>Sound&amp;karte</translation>
    </message>
    <message>
        <source>Sampling &amp;rate</source>
        <translation>&amp;Abtastrate</translation>
    </message>
    <message>
        <source>Higher numbers give better sound quality.
It may reset to 21739 on some sound cards</source>
        <translation>Höhere Werte ergeben besseren Klang.
Manche Soundkarten setzen sie auf 21739 zurück</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Emulate &amp;FM unit</source>
        <translation>&amp;FM-Einheit emulieren</translation>
    </message>
    <message>
        <source>FM &amp;engine</source>
        <translation>FM-&amp;Engine</translation>
    </message>
    <message>
        <source>OPL may not work depending on your sound card and OS.
Digital uses more CPU time</source>
        <translation>OPL funktioniert je nach Soundkarte und Betriebssystem eventuell nicht.
Digital braucht mehr Rechenzeit</translation>
    </message>
    <message>
        <source>&amp;OPL speed</source>
        <translation>&amp;OPL-Tempo</translation>
    </message>
    <message>
        <source>If FM music skips when using OPL, increase this value;
if your sound card takes a long time to initialise, decrease it</source>
        <translation>Wenn FM-Musik mit OPL stockt, erhöhen Sie diesen Wert;
wenn Ihre Soundkarte lange zum Initialisieren braucht, verringern Sie ihn</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>line ends only</source>
        <translation>nur Zeilenenden</translation>
    </message>
    <message>
        <source>%1 (changed on disk since it was loaded): %2</source>
        <translation>%1 (seit dem Laden auf der Festplatte geändert): %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Missing line ends become %1: %2</source>
        <translation>Fehlende Zeilenenden werden zu %1: %2</translation>
    </message>
    <message>
        <source>%1 line ends are dropped: %2</source>
        <translation>%1-Zeilenenden entfallen: %2</translation>
    </message>
    <message>
        <source>%1 line ends become %3: %2</source>
        <translation>%1-Zeilenenden werden zu %3: %2</translation>
    </message>
    <message>
        <source>The file stays as it is.</source>
        <translation>Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>What Apply would change in each file, compared with the file on disk now.</source>
        <translation>Was Übernehmen an jeder Datei ändern würde, verglichen mit der Datei, wie sie jetzt auf der Festplatte liegt.</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Wiederherstellen...</translation>
    </message>
    <message>
        <source>Writes back a set of files kept before an earlier Apply</source>
        <translation>Schreibt einen Satz Dateien zurück, der vor einem früheren Übernehmen gesichert wurde</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Reads the files on disk again and compares anew.</extracomment>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Apply would write nothing: the settings files could not all be read.</source>
        <translation>Übernehmen würde nichts schreiben: Nicht alle Einstellungsdateien konnten gelesen werden.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 of both; every change there is shown.</source>
        <translation>Verglichen: Zeilen 1 bis %1 beider Seiten; jede Änderung darin wird gezeigt.</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is shown.</source>
        <translation>Verglichen: Zeilen 1 bis %1 auf der Festplatte, 1 bis %2 zu schreiben; jede Änderung darin wird gezeigt.</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two counts of lines side by side: &quot;%n line(s) added&quot; and &quot;%n removed&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) added</source>
        <translation>
            <numerusform>%n Zeile hinzugefügt</numerusform>
            <numerusform>%n Zeilen hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>mindestens %n Zeile ändert sich</numerusform>
            <numerusform>mindestens %n Zeilen ändern sich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>; die erste wird gezeigt</numerusform>
            <numerusform>; die ersten %n werden gezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>neue Datei, %n Zeile</numerusform>
            <numerusform>neue Datei, %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>Die %n Datei bleibt, wie sie ist.</numerusform>
            <numerusform>Alle %n Dateien bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 of 1 file changes: %1</source>
        <translation>1 von 1 Datei ändert sich: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>%n von %1 Dateien ändert sich: %2</numerusform>
            <numerusform>%n von %1 Dateien ändern sich: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Too long to compare in full (%1, %2).</source>
        <translation>Zu lang für einen vollständigen Vergleich (%1, %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>%n Zeile auf der Festplatte</numerusform>
            <numerusform>%n Zeilen auf der Festplatte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>%n zu schreiben</numerusform>
            <numerusform>%n zu schreiben</numerusform>
        </translation>
    </message>
    <message>
        <source>After them, lined up one against one: %1, %2 (not shown).</source>
        <translation>Danach Zeile für Zeile gegenübergestellt: %1, %2 (nicht gezeigt).</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>%n weitere Zeile mit Unterschieden wird nicht gezeigt.</numerusform>
            <numerusform>%n weitere Zeilen mit Unterschieden werden nicht gezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>What changed in each file on disk, compared with the file as the window last read it.</source>
        <translation>Was sich in jeder Datei auf dem Datenträger geändert hat, verglichen mit der Datei, wie das Fenster sie zuletzt gelesen hat.</translation>
    </message>
</context>
<context>
    <name>TConflictsForm</name>
    <message>
        <source>Settings changed in two places</source>
        <translation>Einstellungen an zwei Stellen geändert</translation>
    </message>
    <message>
        <source>These settings were changed in this window and also on disk since the files were loaded. Choose for each the value to keep: nothing is saved until each one is answered.</source>
        <translation>Diese Einstellungen wurden seit dem Laden der Dateien in diesem Fenster und auch auf der Festplatte geändert. Wählen Sie für jede den Wert, der bleiben soll: Gespeichert wird erst, wenn jede beantwortet ist.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>When loaded</source>
        <translation>Beim Laden</translation>
    </message>
    <message>
        <source>In the window</source>
        <translation>Im Fenster</translation>
    </message>
    <message>
        <source>On disk now</source>
        <translation>Jetzt auf der Festplatte</translation>
    </message>
    <message>
        <source>Keep all from the &amp;window</source>
        <translation>Alle aus dem &amp;Fenster behalten</translation>
    </message>
    <message>
        <source>Keeps the window&apos;s value of every setting</source>
        <translation>Behält bei jeder Einstellung den Wert aus dem Fenster</translation>
    </message>
    <message>
        <source>Keep all from &amp;disk</source>
        <translation>Alle von der Festplatte &amp;behalten</translation>
    </message>
    <message>
        <source>Keeps the value on disk of every setting</source>
        <translation>Behält bei jeder Einstellung den Wert auf der Festplatte</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Saves, once every setting is answered</source>
        <translation>Speichert, sobald jede Einstellung beantwortet ist</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saves nothing</source>
        <translation>Speichert nichts</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(nicht in der Datei)</translation>
    </message>
    <message>
        <source>%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.</source>
        <extracomment>What a screen reader says of each row of the table: %1 a setting, %2 its file, %3 to %5 its values.</extracomment>
        <translation>%1 in %2. Beim Laden: %3. Im Fenster: %4. Jetzt auf der Festplatte: %5.</translation>
    </message>
    <message>
        <source>Keep the window&apos;s value: %1</source>
        <translation>Wert aus dem Fenster behalten: %1</translation>
    </message>
    <message>
        <source>Keep the value on disk: %1</source>
        <translation>Wert auf der Festplatte behalten: %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Blitter</source>
        <translation>Blitter</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Debugging</translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation>Emulation</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Bildschirmfotos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound logging</source>
        <translation>Tonmitschnitt</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Shows what Apply would change in each file, and restores backups</source>
        <translation>Zeigt, was Übernehmen an jeder Datei ändern würde, und stellt Sicherungen wieder her</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Apply &amp;&amp; run</source>
        <translation>Übernehmen &amp;&amp; starten</translation>
    </message>
    <message>
        <source>Please locate Quib or QuibW (or press Cancel)</source>
        <translation>Bitte Quib oder QuibW auswählen (oder Abbrechen drücken)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You need to locate Quib so this program can load its settings files.<byte value="xd"/>This program will now close.</source>
        <translation>Sie müssen Quib auswählen, damit dieses Programm seine Einstellungsdateien laden kann.<byte value="xd"/>Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>One or more of the required configuration files was not found.<byte value="xd"/><byte value="xd"/>The required files are:<byte value="xd"/>Either quib.cfg (for Quib) or quibw.cfg (for QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (input)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (themes)<byte value="xd"/><byte value="xd"/>Do you want to relocate Quib?</source>
        <translation>Eine oder mehrere der benötigten Konfigurationsdateien wurden nicht gefunden.<byte value="xd"/><byte value="xd"/>Benötigt werden:<byte value="xd"/>quib.cfg (für Quib) oder quibw.cfg (für QuibW)<byte value="xd"/>quib.blt (Blitter)<byte value="xd"/>quib.inp (Eingabe)<byte value="xd"/>quib.msg (Meldungen)<byte value="xd"/>quib.thm (Themes)<byte value="xd"/><byte value="xd"/>Möchten Sie Quib neu auswählen?</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>Please restart the program to try again.</source>
        <translation>Bitte starten Sie das Programm neu, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <translation>Falsche Version</translation>
    </message>
    <message>
        <source>Quib Configurator has detected that you are running it on a version of Quib other than the one it was designed for.<byte value="xd"/>
It will continue to run but please note that it is not guaranteed to work well or at all. It will not destroy your Quib settings.<byte value="xd"/>
You might want to see if a new version of Quib Configurator has been released yet.</source>
        <translation>Quib Configurator hat festgestellt, dass Sie es mit einer anderen Quib-Version verwenden als der, für die es gemacht wurde.<byte value="xd"/>
Es läuft weiter, aber es ist nicht sicher, dass es gut oder überhaupt funktioniert. Ihre Quib-Einstellungen werden dabei nicht zerstört.<byte value="xd"/>
Sehen Sie am besten nach, ob schon eine neue Version von Quib Configurator erschienen ist.</translation>
    </message>
    <message>
        <source>Nothing was saved: the settings files in &quot;%1&quot; could not all be read</source>
        <translation>Nichts wurde gespeichert: Nicht alle Einstellungsdateien in „%1“ konnten gelesen werden</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Settings saved.<byte value="xd"/><byte value="xd"/>Do you want to see this message again?</source>
        <translation>Die Einstellungen wurden gespeichert.<byte value="xd"/><byte value="xd"/>Möchten Sie diese Meldung wieder sehen?</translation>
    </message>
    <message>
        <source>Load ROM...</source>
        <translation>ROM laden...</translation>
    </message>
    <message>
        <source>All roms</source>
        <translation>Alle ROMs</translation>
    </message>
    <message>
        <source>Zipped roms</source>
        <translation>Gezippte ROMs</translation>
    </message>
    <message>
        <source>Quib is running</source>
        <translation>Quib läuft</translation>
    </message>
    <message>
        <source>It looks like Quib is running - your settings will be overwritten when it quits. Try not to use Quib Configurator when Quib is running to avoid confusion.</source>
        <translation>Quib scheint zu laufen – Ihre Einstellungen werden überschrieben, wenn es beendet wird. Verwenden Sie Quib Configurator möglichst nicht, während Quib läuft, damit nichts durcheinandergerät.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Chan&amp;ges...</source>
        <translation>Än&amp;derungen...</translation>
    </message>
    <message>
        <source>Emulator build</source>
        <translation>Emulator-Variante</translation>
    </message>
    <message>
        <source>Log format</source>
        <translation>Mitschnittformat</translation>
    </message>
</context>
<context>
    <name>TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>No files have been backed up yet: a backup is made each time Apply replaces them.</source>
        <translation>Noch keine Dateien gesichert: Eine Sicherung entsteht jedes Mal, wenn Übernehmen sie ersetzt.</translation>
    </message>
    <message>
        <source>Before each Apply the files it replaced were kept. Choose the set to write back:</source>
        <translation>Vor jedem Übernehmen wurden die ersetzten Dateien gesichert. Wählen Sie den Satz zum Zurückschreiben:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write back the files kept at %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The files there now are backed up first. Every page is then loaded again from the files: changes not yet applied are lost.</source>
        <translation>Die um %1 gesicherten Dateien zurückschreiben?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Die jetzigen Dateien werden vorher gesichert. Danach werden alle Seiten neu aus den Dateien geladen: Noch nicht übernommene Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Backup sets</source>
        <translation>Sicherungen</translation>
    </message>
</context>
<context>
    <name>TThemeEditorForm</name>
    <message>
        <source>&lt;default&gt;</source>
        <translation>&lt;Standard&gt;</translation>
    </message>
    <message>
        <source>Theme name</source>
        <translation>Name des Themes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Name schon vorhanden!</translation>
    </message>
    <message>
        <source>The name you chose already exists! Please choose another name.</source>
        <translation>Den gewählten Namen gibt es schon! Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Please confirm theme deletion</source>
        <translation>Löschen des Themes bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this theme:<byte value="xd"/>%1</source>
        <translation>Möchten Sie dieses Theme wirklich löschen:<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>ThemeEditorForm</name>
    <message>
        <source>Theme Editor</source>
        <translation>Theme-Editor</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Gestreckt</translation>
    </message>
    <message>
        <source>Integer stretched</source>
        <translation>Ganzzahlig gestreckt</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Gekachelt</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Separators</source>
        <translation>Trennlinien</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Highlighted</source>
        <translation>Hervorgehoben</translation>
    </message>
    <message>
        <source>Title bars</source>
        <translation>Titelleisten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerelemente</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Listboxes</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>Bildlaufleisten</translation>
    </message>
    <message>
        <source>Scroller</source>
        <translation>Schieber</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Special effect</source>
        <translation>Spezialeffekt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Blut</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herzen</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(en)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Umbe&amp;nennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Parts of the interface</source>
        <translation>Teile der Oberfläche</translation>
    </message>
    <message>
        <source>Picture mode</source>
        <translation>Bilddarstellung</translation>
    </message>
    <message>
        <source>Gradient start</source>
        <translation>Verlaufsbeginn</translation>
    </message>
    <message>
        <source>Gradient finish</source>
        <translation>Verlaufsende</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Theme</translation>
    </message>
    <message>
        <source>Most of the available themes in quib.thm are commented out
because they wouldn&apos;t fit on the menu in Quib.
Click on this button to make them all available</source>
        <translation>Die meisten Themes in quib.thm sind auskommentiert,
weil sie nicht in das Menü von Quib passen würden.
Mit dieser Schaltfläche stehen alle zur Verfügung</translation>
    </message>
    <message>
        <source>&amp;Uncomment themes</source>
        <translation>Themes &amp;freischalten</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>This is a preview of the selected theme.
It takes into account the resolution selected on the GUI tab,
but only for the background picture scaling.</source>
        <translation>Dies ist eine Vorschau des gewählten Themes.
Sie berücksichtigt die auf der Seite Oberfläche gewählte Auflösung,
aber nur für die Skalierung des Hintergrundbilds.</translation>
    </message>
    <message>
        <source>This is an automated function and may not correctly uncomment all of the themes.<byte value="xd"/>It works fine on my standard Quib.thm but could possibly mess up a modified file.<byte value="xd"/>Do you want to continue?</source>
        <translation>Diese Funktion arbeitet automatisch und hebt die Auskommentierung vielleicht nicht bei allen Themes korrekt auf.<byte value="xd"/>Mit meiner Standard-Quib.thm klappt das gut, eine veränderte Datei könnte dabei aber beschädigt werden.<byte value="xd"/>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Quib themes page</source>
        <translation>Quib-Themes-Seite</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Theme-Vorschau</translation>
    </message>
</context>
<context>
    <name>ThemePreview</name>
    <message>
        <source>Picture not found</source>
        <translation>Bild nicht gefunden</translation>
    </message>
    <message>
        <source>This theme should have a background picture:<byte value="xd"/>%1<byte value="xd"/>but it&apos;s not there.<byte value="xd"/>You may need to download the theme pictures from the Quib website.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Dieses Theme sollte ein Hintergrundbild haben:<byte value="xd"/>%1<byte value="xd"/>doch es fehlt.<byte value="xd"/>Eventuell müssen Sie die Theme-Bilder von der Quib-Website herunterladen.<byte value="xd"/><byte value="xd"/>Diese Meldung wieder anzeigen?</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <extracomment>The button that raises the number beside it by one.</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that lowers the number beside it by one.</extracomment>
        <translation>Runter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the settings files of the Quib emulator.</source>
        <translation>Bearbeitet die Einstellungsdateien des Emulators Quib.</translation>
    </message>
    <message>
        <source>The language of the window: %1, or &quot;system&quot; for the system&apos;s (the default).</source>
        <translation>Die Sprache des Fensters: %1, oder „system“ für die des Systems (Vorgabe).</translation>
    </message>
    <message>
        <source>The emulator directory to open (the folder of quib.cfg); without it, the one opened last.</source>
        <translation>Der zu öffnende Emulatorordner (der Ordner von quib.cfg); ohne Angabe der zuletzt geöffnete.</translation>
    </message>
    <message>
        <source>no translation for language &quot;%1&quot; (see --help)</source>
        <translation>keine Übersetzung für die Sprache „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>give at most one emulator directory (see --help)</source>
        <translation>höchstens einen Emulatorordner angeben (siehe --help)</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, set DISPLAY, or run it under xvfb-run</source>
        <translation>keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); aus einer Desktop-Sitzung starten, DISPLAY setzen oder unter xvfb-run ausführen</translation>
    </message>
</context>
</TS>
