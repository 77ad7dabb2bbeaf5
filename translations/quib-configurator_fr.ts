<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>for Quib and QuibW 0.72 WIP</source>
        <translation>pour Quib et QuibW 0.72 WIP</translation>
    </message>
    <message>
        <source>Written by </source>
        <translation>Écrit par </translation>
    </message>
    <message>
        <source>Quib itself is the work of </source>
        <translation>Quib lui-même est l&apos;œuvre de </translation>
    </message>
    <message>
        <source>Links: </source>
        <translation>Liens&#xa0;: </translation>
    </message>
    <message>
        <source>My website</source>
        <translation>Mon site web</translation>
    </message>
    <message>
        <source>Quib homepage</source>
        <translation>Site de Quib</translation>
    </message>
    <message>
        <source>Documentation: </source>
        <translation>Documentation&#xa0;: </translation>
    </message>
    <message>
        <source>Quib: </source>
        <translation>Quib&#xa0;: </translation>
    </message>
    <message>
        <source>Thanks to everyone who tested it, drew themes and sent in blitters.</source>
        <translation>Merci à tous ceux qui l&apos;ont testé, ont dessiné des thèmes et envoyé des blitters.</translation>
    </message>
</context>
<context>
    <name>BlitterNameForm</name>
    <message>
        <source>Blitter name</source>
        <translation>Nom du blitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Appuyez sur F1 dans Quib pour
passer d&apos;un blitter à l&apos;autre</translation>
    </message>
    <message>
        <source>Blitter properties</source>
        <translation>Propriétés du blitter</translation>
    </message>
    <message>
        <source>Res&amp;olution</source>
        <translation>Rés&amp;olution</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Vous pouvez saisir la résolution
de votre choix, sous la forme [largeur]x[hauteur]</translation>
    </message>
    <message>
        <source>Refres&amp;h rate</source>
        <extracomment>How many pictures the screen shows per second (the monitor&apos;s refresh rate); the same term as the GUI page&apos;s Refresh</extracomment>
        <translation>Fréq&amp;uence de rafraîchissement</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Les fréquences multiples de la vitesse du système (50
ou 60), combinées à la VSync, donnent les meilleurs résultats.
Les valeurs élevées ne fonctionnent pas.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Driv&amp;er</source>
        <translation>&amp;Pilote</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best mode your card supports</source>
        <translation>La détection automatique choisit un mode plus lent&#xa0;:
choisissez le meilleur mode que votre carte prend en charge</translation>
    </message>
    <message>
        <source>&amp;Colour depth</source>
        <translation>Profondeur des &amp;couleurs</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Bli&amp;tter</source>
        <translation>&amp;Filtre</translation>
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
        <translation>Détermine comment l&apos;image SMS est rendue sur l&apos;écran du PC.
Normal&#xa0;: aucun effet
Double&#xa0;: l&apos;image est agrandie deux fois, pour jouer en plein écran en 512x384
Scanlines&#xa0;: une ligne sur deux est noire pour imiter une télé (rapide)
Mode TV&#xa0;: une ligne sur deux est plus sombre pour imiter une télé (lent)
Mode TV (doublé)&#xa0;: comme ci-dessus, mais étiré horizontalement pour de bonnes proportions
Eagle&#xa0;: tente de lisser les bords crénelés, mais le résultat est affreux
hq2x&#xa0;: tente de lisser les bords crénelés avec un bon résultat, exige des couleurs 16 bits 
Parallèle&#xa0;: les images paires et impaires sont affichées côte à côte</translation>
    </message>
    <message>
        <source>&amp;Flipped</source>
        <extracomment>Page flipping: the picture is drawn into a second buffer while the first is shown, then the two swap (the video term, not mirrored or turned over)</extracomment>
        <translation>Échange de pa&amp;ges</translation>
    </message>
    <message>
        <source>Reduces colour flickering,
but reduces speed</source>
        <translation>Réduit le scintillement des couleurs,
mais ralentit</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>Stops &quot;tearing&quot;, but reduces speed.
Better than Flipped</source>
        <extracomment>Flipped is the page-flipping box beside it: use the same word</extracomment>
        <translation>Empêche le «&#xa0;tearing&#xa0;», mais ralentit.
Mieux que l’échange de pages</translation>
    </message>
    <message>
        <source>Tri&amp;ple buffered</source>
        <translation>&amp;Triple tampon</translation>
    </message>
    <message>
        <source>Use three video buffers to enable VSync updates without slowing emulation - best option</source>
        <translation>Utilise trois tampons vidéo pour la VSync sans ralentir l&apos;émulation – le meilleur choix</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>Étir&amp;er</translation>
    </message>
    <message>
        <source>Strecth the image to fill the screen/window</source>
        <translation>Étire l&apos;image pour remplir l&apos;écran ou la fenêtre</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add a new blitter</source>
        <translation>Ajoute un nouveau blitter</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Rename the currently selected blitter</source>
        <translation>Renomme le blitter sélectionné</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the currently selected blitter</source>
        <translation>Supprime le blitter sélectionné</translation>
    </message>
    <message>
        <source>&amp;Uncomment</source>
        <translation>&amp;Décommenter</translation>
    </message>
    <message>
        <source>Most of the blitters in quib.blt are commented out.
Click on this button to make them all available</source>
        <translation>La plupart des blitters de quib.blt sont en commentaire.
Cliquez sur ce bouton pour les rendre tous disponibles</translation>
    </message>
    <message>
        <source>Blitter name</source>
        <translation>Nom du blitter</translation>
    </message>
    <message>
        <source>Please confirm blitter deletion</source>
        <translation>Confirmer la suppression du blitter</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this blitter:<byte value="xd"/>%1</source>
        <translation>Voulez-vous vraiment supprimer ce blitter&#x202f;?<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This is an automated function and should correctly uncomment all of the blitters.<byte value="xd"/>It works OK with my standard Quib.blt, but could possibly mess up a modified file.<byte value="xd"/>Note that the uncommented blitters might need some tweaking to work as well as possible.<byte value="xd"/><byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Cette fonction automatique devrait décommenter correctement tous les blitters.<byte value="xd"/>Elle fonctionne bien avec mon Quib.blt standard, mais pourrait abîmer un fichier modifié.<byte value="xd"/>Les blitters décommentés peuvent demander quelques réglages pour donner le meilleur d&apos;eux-mêmes.<byte value="xd"/><byte value="xd"/>Voulez-vous vraiment continuer&#x202f;?</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Autodetect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>A video driver: the mode that works on any card (not &quot;secure&quot;).</extracomment>
        <translation>Sans échec</translation>
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
        <translation>VESA 2 (par banques)</translation>
    </message>
    <message>
        <source>Vesa 2 (linear)</source>
        <translation>VESA 2 (linéaire)</translation>
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
        <translation>Détection automatique (fenêtré)</translation>
    </message>
    <message>
        <source>DirectX (auto)</source>
        <translation>DirectX (automatique)</translation>
    </message>
    <message>
        <source>DirectX (software)</source>
        <translation>DirectX (logiciel)</translation>
    </message>
    <message>
        <source>DirectX (safe)</source>
        <translation>DirectX (sans échec)</translation>
    </message>
    <message>
        <source>DirectX (windowed)</source>
        <translation>DirectX (fenêtré)</translation>
    </message>
    <message>
        <source>DirectX (windowed overlay)</source>
        <translation>DirectX (fenêtré, overlay)</translation>
    </message>
    <message>
        <source>GDI (windowed)</source>
        <translation>GDI (fenêtré)</translation>
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
        <translation>DirectX (expérimental)</translation>
    </message>
    <message>
        <source>DirectX</source>
        <translation>DirectX</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Rest of the world</source>
        <translation>Reste du monde</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>2 button</source>
        <translation>2 boutons</translation>
    </message>
    <message>
        <source>4 button</source>
        <translation>4 boutons</translation>
    </message>
    <message>
        <source>6 button</source>
        <translation>6 boutons</translation>
    </message>
    <message>
        <source>8 button</source>
        <translation>8 boutons</translation>
    </message>
    <message>
        <source>Dual (2 pads/sticks)</source>
        <translation>Double (2 manettes/joysticks)</translation>
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
        <translation>DB9 (p. ex. manette SMS)</translation>
    </message>
    <message>
        <source>PC Engine/Turbo Grafx</source>
        <translation>PC Engine/TurboGrafx</translation>
    </message>
    <message>
        <source>SNES</source>
        <translation>Super Nintendo</translation>
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
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Show both sides</source>
        <translation>Afficher les deux côtés</translation>
    </message>
    <message>
        <source>Show left side</source>
        <translation>Afficher le côté gauche</translation>
    </message>
    <message>
        <source>Show right side</source>
        <translation>Afficher le côté droit</translation>
    </message>
    <message>
        <source>Use glasses on COM port 1</source>
        <translation>Lunettes sur le port COM 1</translation>
    </message>
    <message>
        <source>Use glasses on COM port 2</source>
        <translation>Lunettes sur le port COM 2</translation>
    </message>
    <message>
        <source>OPL is not possible under Windows NT/2000/XP</source>
        <translation>OPL est impossible sous Windows NT/2000/XP</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>An image filter: every pixel drawn twice as wide and high.</extracomment>
        <translation>Double</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>Scanlines</translation>
    </message>
    <message>
        <source>TV mode</source>
        <translation>Mode TV</translation>
    </message>
    <message>
        <source>TV mode (doubled)</source>
        <translation>Mode TV (doublé)</translation>
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
        <translation>Parallèle</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sound card</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no joypad driver</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no FM engine</comment>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>ColourChooserForm</name>
    <message>
        <source>Colour chooser</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RVB</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>You can enter values in the range 0..255 but they will be rounded off for Quib</source>
        <translation>Vous pouvez saisir des valeurs de 0 à 255, mais elles seront arrondies pour Quib</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HT&amp;ML&#xa0;:</translation>
    </message>
    <message>
        <source>HSL</source>
        <translation>TSL</translation>
    </message>
    <message>
        <source>&amp;Hue</source>
        <translation>&amp;Teinte</translation>
    </message>
    <message>
        <source>The type of the colour</source>
        <translation>Le type de couleur</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>&amp;Sat.</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>The strength of the colour</source>
        <translation>L&apos;intensité de la couleur</translation>
    </message>
    <message>
        <source>&amp;Lum</source>
        <translation>&amp;Lum.</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>The brightness of the colour</source>
        <translation>La clarté de la couleur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Couleur choisie</translation>
    </message>
</context>
<context>
    <name>ConfiguratorSettings</name>
    <message>
        <source>Configurator settings</source>
        <translation>Réglages du configurateur</translation>
    </message>
    <message>
        <source>&amp;Quib location:</source>
        <translation>Emplacement de &amp;Quib&#xa0;:</translation>
    </message>
    <message>
        <source>Locate Quib</source>
        <translation>Trouver Quib</translation>
    </message>
    <message>
        <source>&amp;Run Quib</source>
        <translation>&amp;Lancer Quib</translation>
    </message>
    <message>
        <source>Run Qu&amp;ibW</source>
        <translation>Lancer Qu&amp;ibW</translation>
    </message>
    <message>
        <source>When ticked, the run buttons first ask for a game file to load.
Cancelling that question starts the emulator without a game.</source>
        <translation>Si la case est cochée, les boutons de lancement demandent d&apos;abord un fichier de jeu.
Annuler cette question lance l&apos;émulateur sans jeu.</translation>
    </message>
    <message>
        <source>Load ROM on run</source>
        <translation>Charger une ROM au lancement</translation>
    </message>
    <message>
        <source>Reads every settings file again, discarding changes not yet applied</source>
        <translation>Relit tous les fichiers de réglages et abandonne les modifications non appliquées</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>&amp;Annuler les modifications</translation>
    </message>
    <message>
        <source>Shows again every message you chose not to see</source>
        <translation>Réaffiche tous les messages que vous avez choisi de masquer</translation>
    </message>
    <message>
        <source>Reset &amp;warnings</source>
        <translation>Réinitialiser les a&amp;vertissements</translation>
    </message>
    <message>
        <source>If only one is available, this setting will be ignored</source>
        <translation>Si un seul est disponible, ce réglage est ignoré</translation>
    </message>
    <message>
        <source>Prefer settings &amp;from</source>
        <translation>Préférer les réglages &amp;de</translation>
    </message>
</context>
<context>
    <name>DebuggingPage</name>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Tile &amp;viewer</source>
        <translation>&amp;Visionneuse de tuiles</translation>
    </message>
    <message>
        <source>Tiles above 448 are usually not used and show junk due to the memory being used for other things.</source>
        <translation>Les tuiles au-delà de 448 ne servent généralement pas et affichent des déchets, car la mémoire sert à autre chose.</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tuiles</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>Mode débogage</translation>
    </message>
    <message>
        <source>Quib will always act as if invoked with the /DEBUG parameter</source>
        <translation>Quib se comportera toujours comme s&apos;il était lancé avec le paramètre /DEBUG</translation>
    </message>
    <message>
        <source>Always &amp;enabled</source>
        <translation>&amp;Toujours activé</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>Débogueur</translation>
    </message>
    <message>
        <source>&amp;Console</source>
        <translation>&amp;Console</translation>
    </message>
    <message>
        <source>How high the top half of the debugger window is</source>
        <translation>La hauteur de la moitié supérieure de la fenêtre du débogueur</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>&amp;Désassemblage</translation>
    </message>
    <message>
        <source>How high the bottom half of the debugger window is</source>
        <translation>La hauteur de la moitié inférieure de la fenêtre du débogueur</translation>
    </message>
    <message>
        <source>Save debugger console output to debug\debuglog.txt</source>
        <translation>Enregistre la sortie de la console du débogueur dans debug\debuglog.txt</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Load NO$GMB style symbol files and replace references where possible</source>
        <translation>Charge des fichiers de symboles au format NO$GMB et remplace les références si possible</translation>
    </message>
    <message>
        <source>&amp;Show labels</source>
        <translation>Afficher les &amp;étiquettes</translation>
    </message>
    <message>
        <source>Memory editor default size</source>
        <translation>Taille par défaut de l&apos;éditeur mémoire</translation>
    </message>
    <message>
        <source>How high the memory editor window is</source>
        <translation>La hauteur de la fenêtre de l&apos;éditeur mémoire</translation>
    </message>
    <message>
        <source>lines x</source>
        <translation>lignes x</translation>
    </message>
    <message>
        <source>How many bytes per row; should usually be a multiple of 8</source>
        <translation>Nombre d&apos;octets par ligne&#x202f;; en général un multiple de 8</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>colonnes</translation>
    </message>
</context>
<context>
    <name>DonatePage</name>
    <message>
        <source>Donate to support Quib and its community</source>
        <translation>Faites un don pour soutenir Quib et sa communauté</translation>
    </message>
    <message>
        <source>&amp;CPU speed</source>
        <translation>Vitesse du &amp;processeur</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Video card memory</source>
        <translation>Mémoire de la carte &amp;vidéo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>&amp;Suggested donation</source>
        <translation>Don &amp;suggéré</translation>
    </message>
    <message>
        <source>This calculation is just for fun! Read quib.txt for more information on donating.</source>
        <translation>Ce calcul est juste pour rire&#x202f;! Lisez quib.txt pour en savoir plus sur les dons.</translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Sprite &amp;flickering</source>
        <translation>&amp;Clignotement des sprites</translation>
    </message>
    <message>
        <source>Emulates a limit of the console&apos;s video chip: only a few
sprites fit on one line, the others disappear (they flicker).
Some games rely on it to hide sprites on purpose.
Automatic only uses it for the games that need it</source>
        <translation>Émule une limite de la puce vidéo de la console&#xa0;: seuls quelques
sprites tiennent sur une ligne, les autres disparaissent (ils clignotent).
Certains jeux s&apos;en servent pour cacher des sprites exprès.
Automatique ne l&apos;utilise que pour les jeux qui en ont besoin</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;Pays</translation>
    </message>
    <message>
        <source>Choose Japan to see the Japanese names for some games in Quib,
the Mark III logo and japanese text and/or different title screens in some games</source>
        <translation>Choisissez Japon pour voir dans Quib les noms japonais de certains jeux,
le logo Mark III, ainsi que du texte japonais ou d&apos;autres écrans titres dans certains jeux</translation>
    </message>
    <message>
        <source>TV &amp;type</source>
        <translation>&amp;Type de télé</translation>
    </message>
    <message>
        <source>Affects the number of screen lines emulated.
It doesn&apos;t really matter which you choose
since if needed, Quib will change the setting.
Some games use it to detect PAL/NTSC speed so
the Frameskip value should match (PAL/50, NTSC/60)</source>
        <translation>Détermine le nombre de lignes d&apos;écran émulées.
Le choix importe peu,
car Quib modifie ce réglage si nécessaire.
Certains jeux s&apos;en servent pour détecter la vitesse PAL/NTSC&#xa0;:
la valeur du saut d&apos;images doit donc correspondre (PAL/50, NTSC/60)</translation>
    </message>
    <message>
        <source>3&amp;D mode</source>
        <translation>Mode &amp;3D</translation>
    </message>
    <message>
        <source>Disable this to load games faster,
enable it for nostalgia</source>
        <translation>Désactivez-le pour charger les jeux plus vite,
activez-le par nostalgie</translation>
    </message>
    <message>
        <source>Show &amp;BIOS logo</source>
        <translation>Afficher le logo du &amp;BIOS</translation>
    </message>
    <message>
        <source>Frameskip</source>
        <translation>Saut d&apos;images</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F2</source>
        <translation>Raccourci dans Quib&#xa0;:
F2</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nuel</translation>
    </message>
    <message>
        <source>Show one frame in &amp;every</source>
        <translation>Afficher une image toutes &amp;les</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F3 &amp; F4</source>
        <translation>Raccourcis dans Quib&#xa0;:
F3 &amp; F4</translation>
    </message>
    <message>
        <source>A&amp;utomatic</source>
        <translation>A&amp;utomatique</translation>
    </message>
    <message>
        <source>Simulate refresh rate &amp;of</source>
        <translation>&amp;Simuler une fréquence de</translation>
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
        <translation>La sauvegarde ne contient aucun des fichiers de réglages.</translation>
    </message>
    <message>
        <source>It was replaced by another file while it was being saved.</source>
        <translation>Il a été remplacé par un autre fichier pendant son enregistrement.</translation>
    </message>
    <message>
        <source>%1 Its old contents could not be put back.</source>
        <translation>%1 Son ancien contenu n&apos;a pas pu être remis en place.</translation>
    </message>
    <message>
        <source>%1 Its old contents are kept in &quot;%2&quot;.</source>
        <translation>%1 Son ancien contenu est conservé dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Windows error %1.</source>
        <translation>Erreur Windows %1.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Le dossier de sauvegarde «&#xa0;%1&#xa0;» est un lien symbolique. Les sauvegardes ne sont jamais conservées ni lues à travers un tel lien&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Le jeu de sauvegarde «&#xa0;%1&#xa0;» est un lien symbolique. Les sauvegardes ne sont jamais conservées ni lues à travers un tel lien&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>Le fichier de sauvegarde «&#xa0;%1&#xa0;» est un lien symbolique. Les sauvegardes ne sont jamais conservées ni lues à travers un tel lien&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Le dossier de sauvegarde «&#xa0;%1&#xa0;» appartient à un autre utilisateur. Les sauvegardes ne sont conservées que dans vos propres dossiers&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Le jeu de sauvegarde «&#xa0;%1&#xa0;» appartient à un autre utilisateur. Les sauvegardes ne sont conservées que dans vos propres dossiers&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>Le fichier de sauvegarde «&#xa0;%1&#xa0;» appartient à un autre utilisateur. Les sauvegardes ne sont conservées que dans vos propres dossiers&#xa0;: supprimez-le ou déplacez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le dossier de sauvegarde «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le dossier de sauvegarde «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; from the backup. %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» dans la sauvegarde. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le dossier de sauvegarde «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>It is a file.</source>
        <translation>C&apos;est un fichier.</translation>
    </message>
    <message>
        <source>Nothing was saved: someone else changed these files on disk just before they were to be replaced:</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: quelqu&apos;un d&apos;autre a modifié ces fichiers sur le disque juste avant leur remplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing can be backed up: %1 is not set, so there is no folder for backups.</source>
        <translation>Impossible de sauvegarder quoi que ce soit&#xa0;: %1 n&apos;est pas défini, il n&apos;y a donc aucun dossier pour les sauvegardes.</translation>
    </message>
    <message>
        <source>Cannot flush the backup folder &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire sur le disque le dossier de sauvegarde «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is missing.</source>
        <translation>Le jeu de sauvegarde «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; to back it up. %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» pour le sauvegarder. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot name the backup folder &quot;%1&quot;. %2</source>
        <translation>Impossible de nommer le dossier de sauvegarde «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot open the lock file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier de verrou «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Nothing was saved: another Quib Configurator is saving the files in &quot;%1&quot; right now. Try again when it is done; files it changed meanwhile are then shown as changed on disk.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: un autre Quib Configurator est en train d&apos;enregistrer les fichiers de «&#xa0;%1&#xa0;». Réessayez quand il aura terminé&#x202f;; les fichiers qu&apos;il aura modifiés entre-temps apparaîtront alors comme modifiés sur le disque.</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;. %2</source>
        <translation>Impossible de verrouiller «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Nothing was saved: the files it would replace could not be backed up first.<byte value="xd"/>%1</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: les fichiers à remplacer n&apos;ont pas pu être sauvegardés d&apos;abord.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» contient peut-être une partie des nouveaux réglages et n&apos;a pas pu être remis en place (%2)&#x202f;; son ancien contenu se trouve dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» contient les nouveaux réglages et n&apos;a pas pu être remis en place (%2)&#x202f;; son ancien contenu se trouve dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>«&#xa0;%1&#xa0;» contient peut-être une partie des nouveaux réglages et n&apos;a pas pu être remis en place (%2)&#x202f;; il n&apos;existait pas auparavant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>«&#xa0;%1&#xa0;» contient les nouveaux réglages et n&apos;a pas pu être remis en place (%2)&#x202f;; il n&apos;existait pas auparavant.</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 The files already replaced were put back.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: %1 Les fichiers déjà remplacés ont été remis en place.</translation>
    </message>
    <message>
        <source>Not all settings files were saved: %1</source>
        <translation>Les fichiers de réglages n&apos;ont pas tous été enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>As they were: %1.</source>
        <translation>Inchangés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved: %1.</source>
        <translation>Enregistrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Non enregistrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 may hold part of the new settings.</source>
        <translation>%1 contient peut-être une partie des nouveaux réglages.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a settings file.</source>
        <translation>Il fait plus de %1 Mo, trop pour un fichier de réglages.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason the system gave for an error (its own words in %1), made a sentence of the message it stands in.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Its record is incomplete.</source>
        <translation>Son journal est incomplet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer holds what was kept.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient plus ce qui avait été conservé.</translation>
    </message>
    <message>
        <source>An Apply that did not finish cannot be put back: %1 The emulator&apos;s files are left as they are.</source>
        <translation>Un enregistrement inachevé ne peut pas être annulé&#xa0;: %1 Les fichiers de l&apos;émulateur restent tels qu&apos;ils sont.</translation>
    </message>
    <message>
        <source>Not every file could be put back:</source>
        <translation>Certains fichiers n&apos;ont pas pu être remis en place&#xa0;:</translation>
    </message>
</context>
<context>
    <name>GuiPage</name>
    <message>
        <source>... or fullscreen. Only works when
the game is passed on the commandline,
always opens in GUI otherwise</source>
        <translation>… ou en plein écran. Ne fonctionne que si
le jeu est donné sur la ligne de commande&#x202f;;
sinon, l&apos;interface s&apos;ouvre toujours</translation>
    </message>
    <message>
        <source>&amp;Start in GUI</source>
        <translation>&amp;Démarrer dans l&apos;interface</translation>
    </message>
    <message>
        <source>Video mode</source>
        <translation>Mode vidéo</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>&amp;Résolution</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Vous pouvez saisir la résolution
de votre choix, sous la forme [largeur]x[hauteur]</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>P&amp;ilote</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best Vesa/DirectX mode your card supports</source>
        <translation>La détection automatique choisit un mode plus lent&#xa0;:
choisissez le meilleur mode VESA/DirectX de votre carte</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <extracomment>The monitor&apos;s refresh rate (pictures per second); the same term as the Blitter page&apos;s Refresh rate</extracomment>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Les fréquences multiples de la vitesse du système (50
ou 60), combinées à la VSync, donnent les meilleurs résultats.
Les valeurs élevées ne fonctionnent pas.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>This will slow the GUI
but stop &apos;tearing&apos;</source>
        <translation>Ralentit l&apos;interface,
mais empêche le «&#xa0;tearing&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>File browser</source>
        <translation>Explorateur de fichiers</translation>
    </message>
    <message>
        <source>&amp;pixels x</source>
        <translation>pi&amp;xels x</translation>
    </message>
    <message>
        <source>&amp;lines</source>
        <translation>&amp;lignes</translation>
    </message>
    <message>
        <source>&amp;Use virtual long filenames</source>
        <translation>&amp;Utiliser les noms de fichiers longs virtuels</translation>
    </message>
    <message>
        <source>&amp;Close file browser after load</source>
        <translation>Fermer l&apos;explorateur après le c&amp;hargement</translation>
    </message>
    <message>
        <source>&amp;Fullscreen/windowed after load</source>
        <translation>Plein écran/fenêtré après le &amp;chargement</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Rapid-fire</source>
        <translation>Tir automatique</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Button &amp;1</source>
        <translation>Bouton &amp;1</translation>
    </message>
    <message>
        <source>Button &amp;2</source>
        <translation>Bouton &amp;2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>&amp;Button 1</source>
        <translation>&amp;Bouton 1</translation>
    </message>
    <message>
        <source>Bu&amp;tton 2</source>
        <translation>Bo&amp;uton 2</translation>
    </message>
    <message>
        <source>Mouse speed</source>
        <translation>Vitesse de la souris</translation>
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
        <translation>Vitesses de la souris&#xa0;:
1 = rapide
2 = normale
3 = lente</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Cabinet mode</source>
        <translation>Mode borne d&apos;&amp;arcade</translation>
    </message>
    <message>
        <source>When enabled, F10 (quit) and Esc (toggle fullscreen) reverse their meanings</source>
        <translation>Une fois activé, F10 (quitter) et Échap (basculer en plein écran) échangent leurs rôles</translation>
    </message>
    <message>
        <source>Allow &amp;opposite directions</source>
        <translation>Autoriser les directions &amp;opposées</translation>
    </message>
    <message>
        <source>Real pads stop you from pressing L+R or U+D simultaneously; some games have bugs if this input occurs, but other games might need it to be possible</source>
        <translation>Les vraies manettes empêchent d&apos;appuyer en même temps sur G+D ou H+B&#x202f;; certains jeux buguent avec ces entrées, mais d&apos;autres peuvent en avoir besoin</translation>
    </message>
    <message>
        <source>Joypad/stick (DOS only)</source>
        <translation>Manette/joystick (DOS uniquement)</translation>
    </message>
    <message>
        <source>QuibW uses any joystick loaded through DirectInput</source>
        <translation>QuibW utilise tout joystick chargé via DirectInput</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Pilote</translation>
    </message>
    <message>
        <source>&amp;Using DirectPad Pro on</source>
        <translation>Utiliser &amp;DirectPad Pro sur</translation>
    </message>
    <message>
        <source>DirectPad Pro is a device which lets you use
console joypads on your PC via the parallel port</source>
        <translation>DirectPad Pro est un adaptateur qui permet d&apos;utiliser
des manettes de console sur le PC via le port parallèle</translation>
    </message>
    <message>
        <source>&amp;IfSega card type</source>
        <translation>Type de carte &amp;IfSega</translation>
    </message>
    <message>
        <source>IfSega is an expansion board which
lets you use Saturn pads on your PC</source>
        <translation>IfSega est une carte d&apos;extension qui permet
d&apos;utiliser des manettes Saturn sur le PC</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>...when you load a game</source>
        <translation>… au chargement d&apos;un jeu</translation>
    </message>
    <message>
        <source>Show product &amp;numbers</source>
        <translation>Afficher les &amp;numéros de produit</translation>
    </message>
    <message>
        <source>Show messages in &amp;fullscreen mode</source>
        <translation>Afficher les messages en plein é&amp;cran</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Sega fanboy settings</source>
        <translation>Réglages pour fans de Sega</translation>
    </message>
    <message>
        <source>&amp;NES sucks</source>
        <translation>La &amp;NES, c&apos;est nul</translation>
    </message>
    <message>
        <source>If he is, maybe Quib can
play some NES roms?</source>
        <translation>Si c&apos;est le cas, Quib pourra peut-être
jouer quelques ROM NES&#x202f;?</translation>
    </message>
    <message>
        <source>Mario is a fat &amp;plumber</source>
        <translation>Mario est un gros &amp;plombier</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please remember that Quib&apos;s NES support is unofficial and unsupported.<byte value="xd"/>It will only play a few NES games.<byte value="xd"/>There are better NES emulators available.<byte value="xd"/>PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES EMULATION.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>N&apos;oubliez pas que la prise en charge de la NES dans Quib est officieuse et non suivie.<byte value="xd"/>Elle ne fait tourner que quelques jeux NES.<byte value="xd"/>Il existe de meilleurs émulateurs NES.<byte value="xd"/>MERCI DE NE PAS ÉCRIRE À L&apos;AUTEUR DE QUIB NI À CELUI DE QUIB CONFIGURATOR AU SUJET DE L&apos;ÉMULATION NES.<byte value="xd"/><byte value="xd"/>Afficher de nouveau ce message&#x202f;?</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>Fermer cet avis</translation>
    </message>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>%1 a été modifié sur le disque.</numerusform>
            <numerusform>%1 ont été modifiés sur le disque.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>%n réglage que vous avez modifié l&apos;a aussi été sur le disque&#x202f;; Appliquer demandera quelle valeur garder.</numerusform>
            <numerusform>%n réglages que vous avez modifiés l&apos;ont aussi été sur le disque&#x202f;; Appliquer demandera quelles valeurs garder.</numerusform>
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
            <numerusform>Quib a réécrit %1 et annulé le réglage que vous aviez appliqué&#xa0;: %2</numerusform>
            <numerusform>Quib a réécrit %1 et annulé %n des réglages que vous aviez appliqués&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>See the change</source>
        <translation>Voir la modification</translation>
    </message>
    <message>
        <source>Apply them again</source>
        <extracomment>Saves again the settings Quib set back.</extracomment>
        <translation>Les appliquer de nouveau</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Leaves the file as it is now on disk.</extracomment>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The Apply made at %1 did not finish (the program ended, or the power went). </source>
        <translation>L&apos;enregistrement lancé par «&#xa0;Appliquer&#xa0;» le %1 ne s&apos;est pas terminé (le programme s&apos;est arrêté, ou le courant a été coupé). </translation>
    </message>
    <message>
        <source>It had replaced:</source>
        <translation>Il avait remplacé&#xa0;:</translation>
    </message>
    <message>
        <source>Apply not finished</source>
        <translation>Enregistrement inachevé</translation>
    </message>
    <message>
        <source>These still hold what they held before it:</source>
        <translation>Ceux-ci contiennent encore ce qu&apos;ils contenaient avant&#xa0;:</translation>
    </message>
    <message>
        <source>These hold neither what they held before it nor what it wrote, and are left as they are:</source>
        <translation>Ceux-ci ne contiennent ni ce qu&apos;ils contenaient avant, ni ce qu&apos;il a écrit, et restent tels qu&apos;ils sont&#xa0;:</translation>
    </message>
    <message>
        <source>Do you want to put the emulator&apos;s folder back as it was before that Apply?<byte value="xd"/><byte value="xd"/>Yes gives the files it had replaced what they held before it (what they hold now is kept as a backup too); No keeps every file as it is now.</source>
        <translation>Voulez-vous remettre le dossier de l&apos;émulateur dans l&apos;état d&apos;avant cet enregistrement&#x202f;?<byte value="xd"/><byte value="xd"/>Oui rend aux fichiers qu&apos;il avait remplacés ce qu&apos;ils contenaient avant lui (leur contenu actuel est aussi sauvegardé)&#x202f;; Non laisse chaque fichier tel qu&apos;il est.</translation>
    </message>
</context>
<context>
    <name>ScreenshotsPage</name>
    <message>
        <source>Screenshot &amp;filename:</source>
        <translation>&amp;Nom des captures d&apos;écran&#xa0;:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>N&apos;utilisez pas de caractères interdits dans les noms de fichiers,
comme &quot; \ / , +&#x202f;? (entre autres)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Nombre de caractères auxquels limiter le nom&#x202f;;
saisissez * pour aucune limite</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caractères du nom de fichier +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Nombre minimal de chiffres&#x202f;;
saisissez * pour aucun minimum</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>chiffres de numéro +</translation>
    </message>
    <message>
        <source>Example: the fifth screenshot from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Exemple&#xa0;: la cinquième capture du fichier «&#xa0;Sonic the Hedgehog 2.sms&#xa0;» s&apos;appellera&#xa0;:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caractères du nom de fichier</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texte après le nom de fichier</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Chiffres du numéro</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texte après le numéro</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
</context>
<context>
    <name>SoundLoggingPage</name>
    <message>
        <source>&amp;Filename:</source>
        <translation>&amp;Nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>N&apos;utilisez pas de caractères interdits dans les noms de fichiers,
comme &quot; \ / , +&#x202f;? (entre autres)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Nombre de caractères auxquels limiter le nom&#x202f;;
saisissez * pour aucune limite</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caractères du nom de fichier +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Nombre minimal de chiffres&#x202f;;
saisissez * pour aucun minimum</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>chiffres de numéro +</translation>
    </message>
    <message>
        <source>&amp;Sample accurate</source>
        <translation>&amp;Précis à l&apos;échantillon</translation>
    </message>
    <message>
        <source>Sample-accurate VGMs are larger for almost identical output;
but non-sample-accurate VGMs cannot store samples (voices)</source>
        <translation>Les VGM précis à l&apos;échantillon sont plus gros pour un rendu presque identique,
mais les autres ne peuvent pas stocker d&apos;échantillons (voix)</translation>
    </message>
    <message>
        <source>Example: the fifth sound dump from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Exemple&#xa0;: le cinquième enregistrement sonore du fichier «&#xa0;Sonic the Hedgehog 2.sms&#xa0;» s&apos;appellera&#xa0;:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caractères du nom de fichier</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texte après le nom de fichier</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Chiffres du numéro</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texte après le numéro</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Sound &amp;card</source>
        <translation>&amp;Carte son</translation>
    </message>
    <message>
        <source>Sampling &amp;rate</source>
        <translation>&amp;Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Higher numbers give better sound quality.
It may reset to 21739 on some sound cards</source>
        <translation>Des valeurs plus élevées donnent un meilleur son.
Certaines cartes son la ramènent à 21739</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Emulate &amp;FM unit</source>
        <translation>Émuler l&apos;&amp;unité FM</translation>
    </message>
    <message>
        <source>FM &amp;engine</source>
        <translation>Mo&amp;teur FM</translation>
    </message>
    <message>
        <source>OPL may not work depending on your sound card and OS.
Digital uses more CPU time</source>
        <translation>OPL peut ne pas fonctionner selon votre carte son et votre système.
Numérique demande plus de temps processeur</translation>
    </message>
    <message>
        <source>&amp;OPL speed</source>
        <translation>Vitesse &amp;OPL</translation>
    </message>
    <message>
        <source>If FM music skips when using OPL, increase this value;
if your sound card takes a long time to initialise, decrease it</source>
        <translation>Si la musique FM saute avec OPL, augmentez cette valeur&#x202f;;
si votre carte son met longtemps à s&apos;initialiser, diminuez-la</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>line ends only</source>
        <translation>fins de ligne seulement</translation>
    </message>
    <message>
        <source>%1 (changed on disk since it was loaded): %2</source>
        <translation>%1 (modifié sur le disque depuis son chargement)&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Missing line ends become %1: %2</source>
        <translation>Les fins de ligne manquantes deviennent %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 line ends are dropped: %2</source>
        <translation>Les fins de ligne %1 sont supprimées&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 line ends become %3: %2</source>
        <translation>Les fins de ligne %1 deviennent %3&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file stays as it is.</source>
        <translation>Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>What Apply would change in each file, compared with the file on disk now.</source>
        <translation>Ce qu&apos;Appliquer modifierait dans chaque fichier, par rapport au fichier actuellement sur le disque.</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurer...</translation>
    </message>
    <message>
        <source>Writes back a set of files kept before an earlier Apply</source>
        <translation>Réécrit un jeu de fichiers conservé avant un enregistrement précédent</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Reads the files on disk again and compares anew.</extracomment>
        <translation>Actuali&amp;ser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apply would write nothing: the settings files could not all be read.</source>
        <translation>Appliquer n&apos;écrirait rien&#xa0;: les fichiers de réglages n&apos;ont pas tous pu être lus.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 of both; every change there is shown.</source>
        <translation>Comparé&#xa0;: lignes 1 à %1 des deux côtés&#x202f;; chaque modification y est affichée.</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is shown.</source>
        <translation>Comparé&#xa0;: lignes 1 à %1 sur le disque, 1 à %2 à écrire&#x202f;; chaque modification y est affichée.</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
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
            <numerusform>%n ligne ajoutée</numerusform>
            <numerusform>%n lignes ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>au moins %n ligne change</numerusform>
            <numerusform>au moins %n lignes changent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>&#x202f;; %n est affichée</numerusform>
            <numerusform>&#x202f;; les %n premières sont affichées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>nouveau fichier, %n ligne</numerusform>
            <numerusform>nouveau fichier, %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>Le fichier reste tel quel.</numerusform>
            <numerusform>Les %n fichiers restent tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 of 1 file changes: %1</source>
        <translation>1 fichier sur 1 change&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>%n fichier sur %1 change&#xa0;: %2</numerusform>
            <numerusform>%n fichiers sur %1 changent&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Too long to compare in full (%1, %2).</source>
        <translation>Trop long pour être comparé en entier (%1, %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>%n ligne sur le disque</numerusform>
            <numerusform>%n lignes sur le disque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>%n à écrire</numerusform>
            <numerusform>%n à écrire</numerusform>
        </translation>
    </message>
    <message>
        <source>After them, lined up one against one: %1, %2 (not shown).</source>
        <translation>Au-delà, mises en regard une à une&#xa0;: %1, %2 (non affichées).</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>%n ligne de différences supplémentaire n&apos;est pas affichée.</numerusform>
            <numerusform>%n lignes de différences supplémentaires ne sont pas affichées.</numerusform>
        </translation>
    </message>
    <message>
        <source>What changed in each file on disk, compared with the file as the window last read it.</source>
        <translation>Ce qui a changé dans chaque fichier sur le disque, par rapport au fichier tel que la fenêtre l’a lu la dernière fois.</translation>
    </message>
</context>
<context>
    <name>TConflictsForm</name>
    <message>
        <source>Settings changed in two places</source>
        <translation>Réglages modifiés à deux endroits</translation>
    </message>
    <message>
        <source>These settings were changed in this window and also on disk since the files were loaded. Choose for each the value to keep: nothing is saved until each one is answered.</source>
        <translation>Ces réglages ont été modifiés dans cette fenêtre et aussi sur le disque depuis le chargement des fichiers. Choisissez pour chacun la valeur à garder&#xa0;: rien n&apos;est enregistré tant que chacun n&apos;a pas reçu de réponse.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>When loaded</source>
        <translation>Au chargement</translation>
    </message>
    <message>
        <source>In the window</source>
        <translation>Dans la fenêtre</translation>
    </message>
    <message>
        <source>On disk now</source>
        <translation>Sur le disque</translation>
    </message>
    <message>
        <source>Keep all from the &amp;window</source>
        <translation>Tout garder de la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Keeps the window&apos;s value of every setting</source>
        <translation>Garde la valeur de la fenêtre pour chaque réglage</translation>
    </message>
    <message>
        <source>Keep all from &amp;disk</source>
        <translation>Tout garder du &amp;disque</translation>
    </message>
    <message>
        <source>Keeps the value on disk of every setting</source>
        <translation>Garde la valeur du disque pour chaque réglage</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Saves, once every setting is answered</source>
        <translation>Enregistre, une fois chaque réglage tranché</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saves nothing</source>
        <translation>N&apos;enregistre rien</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(absent du fichier)</translation>
    </message>
    <message>
        <source>%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.</source>
        <extracomment>What a screen reader says of each row of the table: %1 a setting, %2 its file, %3 to %5 its values.</extracomment>
        <translation>%1 dans %2. Au chargement&#xa0;: %3. Dans la fenêtre&#xa0;: %4. Sur le disque&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Keep the window&apos;s value: %1</source>
        <translation>Garder la valeur de la fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keep the value on disk: %1</source>
        <translation>Garder la valeur du disque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Blitter</source>
        <translation>Blitter</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation>Émulation</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Captures</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound logging</source>
        <translation>Enregistrement audio</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Shows what Apply would change in each file, and restores backups</source>
        <translation>Montre ce qu&apos;Appliquer modifierait dans chaque fichier et restaure les sauvegardes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply &amp;&amp; run</source>
        <translation>Appliquer &amp;&amp; lancer</translation>
    </message>
    <message>
        <source>Please locate Quib or QuibW (or press Cancel)</source>
        <translation>Veuillez indiquer Quib ou QuibW (ou appuyez sur Annuler)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You need to locate Quib so this program can load its settings files.<byte value="xd"/>This program will now close.</source>
        <translation>Vous devez indiquer l&apos;emplacement de Quib pour que ce programme puisse charger ses fichiers de réglages.<byte value="xd"/>Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>One or more of the required configuration files was not found.<byte value="xd"/><byte value="xd"/>The required files are:<byte value="xd"/>Either quib.cfg (for Quib) or quibw.cfg (for QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (input)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (themes)<byte value="xd"/><byte value="xd"/>Do you want to relocate Quib?</source>
        <translation>Un ou plusieurs des fichiers de configuration requis sont introuvables.<byte value="xd"/><byte value="xd"/>Les fichiers requis sont&#xa0;:<byte value="xd"/>quib.cfg (pour Quib) ou quibw.cfg (pour QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (entrées)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (thèmes)<byte value="xd"/><byte value="xd"/>Voulez-vous indiquer à nouveau l&apos;emplacement de Quib&#x202f;?</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Redémarrage nécessaire</translation>
    </message>
    <message>
        <source>Please restart the program to try again.</source>
        <translation>Veuillez redémarrer le programme pour réessayer.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <translation>Version différente</translation>
    </message>
    <message>
        <source>Quib Configurator has detected that you are running it on a version of Quib other than the one it was designed for.<byte value="xd"/>
It will continue to run but please note that it is not guaranteed to work well or at all. It will not destroy your Quib settings.<byte value="xd"/>
You might want to see if a new version of Quib Configurator has been released yet.</source>
        <translation>Quib Configurator a détecté que vous l&apos;utilisez avec une version de Quib différente de celle pour laquelle il a été conçu.<byte value="xd"/>
Il va continuer, mais rien ne garantit qu&apos;il fonctionne bien, ni même qu&apos;il fonctionne. Il ne détruira pas vos réglages de Quib.<byte value="xd"/>
Vérifiez si une nouvelle version de Quib Configurator est déjà sortie.</translation>
    </message>
    <message>
        <source>Nothing was saved: the settings files in &quot;%1&quot; could not all be read</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: les fichiers de réglages de «&#xa0;%1&#xa0;» n&apos;ont pas tous pu être lus</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>Settings saved.<byte value="xd"/><byte value="xd"/>Do you want to see this message again?</source>
        <translation>Les réglages ont été enregistrés.<byte value="xd"/><byte value="xd"/>Voulez-vous revoir ce message&#x202f;?</translation>
    </message>
    <message>
        <source>Load ROM...</source>
        <translation>Charger une ROM...</translation>
    </message>
    <message>
        <source>All roms</source>
        <translation>Toutes les ROM</translation>
    </message>
    <message>
        <source>Zipped roms</source>
        <translation>ROM compressées</translation>
    </message>
    <message>
        <source>Quib is running</source>
        <translation>Quib est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>It looks like Quib is running - your settings will be overwritten when it quits. Try not to use Quib Configurator when Quib is running to avoid confusion.</source>
        <translation>Quib semble être en cours d&apos;exécution&#xa0;: vos réglages seront écrasés quand il se fermera. Évitez d&apos;utiliser Quib Configurator pendant que Quib tourne, pour ne pas tout mélanger.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Chan&amp;ges...</source>
        <translation>&amp;Modifications...</translation>
    </message>
    <message>
        <source>Emulator build</source>
        <translation>Version de l&apos;émulateur</translation>
    </message>
    <message>
        <source>Log format</source>
        <translation>Format d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>No files have been backed up yet: a backup is made each time Apply replaces them.</source>
        <translation>Aucun fichier n&apos;a encore été sauvegardé&#xa0;: une sauvegarde est faite chaque fois qu&apos;Appliquer les remplace.</translation>
    </message>
    <message>
        <source>Before each Apply the files it replaced were kept. Choose the set to write back:</source>
        <translation>Avant chaque enregistrement, les fichiers remplacés ont été conservés. Choisissez le jeu à réécrire&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Write back the files kept at %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The files there now are backed up first. Every page is then loaded again from the files: changes not yet applied are lost.</source>
        <translation>Réécrire les fichiers conservés le %1&#x202f;?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Les fichiers actuels sont d&apos;abord sauvegardés. Chaque page est ensuite rechargée depuis les fichiers&#xa0;: les modifications non appliquées sont perdues.</translation>
    </message>
    <message>
        <source>Backup sets</source>
        <translation>Jeux de sauvegardes</translation>
    </message>
</context>
<context>
    <name>TThemeEditorForm</name>
    <message>
        <source>&lt;default&gt;</source>
        <translation>&lt;par défaut&gt;</translation>
    </message>
    <message>
        <source>Theme name</source>
        <translation>Nom du thème</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Ce nom existe déjà&#x202f;!</translation>
    </message>
    <message>
        <source>The name you chose already exists! Please choose another name.</source>
        <translation>Le nom choisi existe déjà&#x202f;! Veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Please confirm theme deletion</source>
        <translation>Confirmer la suppression du thème</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this theme:<byte value="xd"/>%1</source>
        <translation>Voulez-vous vraiment supprimer ce thème&#x202f;?<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>ThemeEditorForm</name>
    <message>
        <source>Theme Editor</source>
        <translation>Éditeur de thèmes</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Étirée</translation>
    </message>
    <message>
        <source>Integer stretched</source>
        <translation>Étirée (facteur entier)</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>En mosaïque</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrée</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Separators</source>
        <translation>Séparateurs</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Highlighted</source>
        <translation>En surbrillance</translation>
    </message>
    <message>
        <source>Title bars</source>
        <translation>Barres de titre</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Contrôles</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Listboxes</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>Barres de défilement</translation>
    </message>
    <message>
        <source>Scroller</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Special effect</source>
        <translation>Effet spécial</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sang</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœurs</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Auteur(s)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Reno&amp;mmer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>Parts of the interface</source>
        <translation>Éléments de l&apos;interface</translation>
    </message>
    <message>
        <source>Picture mode</source>
        <translation>Mode d&apos;affichage de l&apos;image</translation>
    </message>
    <message>
        <source>Gradient start</source>
        <translation>Début du dégradé</translation>
    </message>
    <message>
        <source>Gradient finish</source>
        <translation>Fin du dégradé</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>Most of the available themes in quib.thm are commented out
because they wouldn&apos;t fit on the menu in Quib.
Click on this button to make them all available</source>
        <translation>La plupart des thèmes de quib.thm sont en commentaire,
car ils ne tiendraient pas dans le menu de Quib.
Cliquez sur ce bouton pour les rendre tous disponibles</translation>
    </message>
    <message>
        <source>&amp;Uncomment themes</source>
        <translation>&amp;Décommenter les thèmes</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>Modi&amp;fier...</translation>
    </message>
    <message>
        <source>This is a preview of the selected theme.
It takes into account the resolution selected on the GUI tab,
but only for the background picture scaling.</source>
        <translation>Voici un aperçu du thème sélectionné.
Il tient compte de la résolution choisie dans l&apos;onglet Interface,
mais seulement pour la mise à l&apos;échelle de l&apos;image de fond.</translation>
    </message>
    <message>
        <source>This is an automated function and may not correctly uncomment all of the themes.<byte value="xd"/>It works fine on my standard Quib.thm but could possibly mess up a modified file.<byte value="xd"/>Do you want to continue?</source>
        <translation>Cette fonction automatique risque de ne pas décommenter correctement tous les thèmes.<byte value="xd"/>Elle fonctionne bien avec mon Quib.thm standard, mais pourrait abîmer un fichier modifié.<byte value="xd"/>Voulez-vous continuer&#x202f;?</translation>
    </message>
    <message>
        <source>Quib themes page</source>
        <translation>Page des thèmes de Quib</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Aperçu du thème</translation>
    </message>
</context>
<context>
    <name>ThemePreview</name>
    <message>
        <source>Picture not found</source>
        <translation>Image introuvable</translation>
    </message>
    <message>
        <source>This theme should have a background picture:<byte value="xd"/>%1<byte value="xd"/>but it&apos;s not there.<byte value="xd"/>You may need to download the theme pictures from the Quib website.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Ce thème devrait avoir une image de fond&#xa0;:<byte value="xd"/>%1<byte value="xd"/>mais elle est absente.<byte value="xd"/>Vous devrez peut-être télécharger les images des thèmes sur le site de Quib.<byte value="xd"/><byte value="xd"/>Afficher de nouveau ce message&#x202f;?</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <extracomment>The button that raises the number beside it by one.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that lowers the number beside it by one.</extracomment>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the settings files of the Quib emulator.</source>
        <translation>Modifie les fichiers de réglages de l&apos;émulateur Quib.</translation>
    </message>
    <message>
        <source>The language of the window: %1, or &quot;system&quot; for the system&apos;s (the default).</source>
        <translation>La langue de la fenêtre&#xa0;: %1, ou «&#xa0;system&#xa0;» pour celle du système (par défaut).</translation>
    </message>
    <message>
        <source>The emulator directory to open (the folder of quib.cfg); without it, the one opened last.</source>
        <translation>Le dossier de l&apos;émulateur à ouvrir (celui de quib.cfg)&#x202f;; sans lui, le dernier ouvert.</translation>
    </message>
    <message>
        <source>no translation for language &quot;%1&quot; (see --help)</source>
        <translation>aucune traduction pour la langue «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>give at most one emulator directory (see --help)</source>
        <translation>indiquez au plus un dossier d&apos;émulateur (voir --help)</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, set DISPLAY, or run it under xvfb-run</source>
        <translation>aucun affichage pour ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)&#x202f;; lancez-le depuis une session de bureau, définissez DISPLAY ou exécutez-le avec xvfb-run</translation>
    </message>
</context>
</TS>
