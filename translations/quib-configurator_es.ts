<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutPage</name>
    <message>
        <source>for Quib and QuibW 0.72 WIP</source>
        <translation>para Quib y QuibW 0.72 WIP</translation>
    </message>
    <message>
        <source>Written by </source>
        <translation>Escrito por </translation>
    </message>
    <message>
        <source>Quib itself is the work of </source>
        <translation>Quib en sí es obra de </translation>
    </message>
    <message>
        <source>Links: </source>
        <translation>Enlaces: </translation>
    </message>
    <message>
        <source>My website</source>
        <translation>Mi sitio web</translation>
    </message>
    <message>
        <source>Quib homepage</source>
        <translation>Página de Quib</translation>
    </message>
    <message>
        <source>Documentation: </source>
        <translation>Documentación: </translation>
    </message>
    <message>
        <source>Quib: </source>
        <translation>Quib: </translation>
    </message>
    <message>
        <source>Thanks to everyone who tested it, drew themes and sent in blitters.</source>
        <translation>Gracias a todos los que lo probaron, dibujaron temas y enviaron blitters.</translation>
    </message>
</context>
<context>
    <name>BlitterNameForm</name>
    <message>
        <source>Blitter name</source>
        <translation>Nombre del blitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Pulse F1 en Quib para
recorrer los blitters</translation>
    </message>
    <message>
        <source>Blitter properties</source>
        <translation>Propiedades del blitter</translation>
    </message>
    <message>
        <source>Res&amp;olution</source>
        <translation>Res&amp;olución</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Puede escribir la resolución que
quiera, con el formato [ancho]x[alto]</translation>
    </message>
    <message>
        <source>Refres&amp;h rate</source>
        <extracomment>How many pictures the screen shows per second (the monitor&apos;s refresh rate); the same term as the GUI page&apos;s Refresh</extracomment>
        <translation>&amp;Frecuencia de refresco</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Las frecuencias múltiplos de la velocidad del sistema (50
o 60), junto con VSync, dan los mejores resultados.
Los valores altos no funcionan.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Driv&amp;er</source>
        <translation>Con&amp;trolador</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best mode your card supports</source>
        <translation>La detección automática elige un modo más lento, así que
elija el mejor modo que admita su tarjeta</translation>
    </message>
    <message>
        <source>&amp;Colour depth</source>
        <translation>Profundidad de &amp;color</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Bli&amp;tter</source>
        <translation>F&amp;iltro</translation>
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
        <translation>Determina cómo se pasa la imagen de la SMS a la pantalla del PC.
Normal: sin efecto
Doble: la imagen se amplía al doble, para jugar a pantalla completa a 512x384
Scanlines: una de cada dos líneas es negra para imitar un televisor (rápido)
Modo TV: una de cada dos líneas es más oscura para imitar un televisor (lento)
Modo TV (doble): como el anterior, pero estirado en horizontal para que se vea bien
Eagle: intenta suavizar los bordes dentados, pero queda fatal
hq2x: intenta suavizar los bordes dentados y queda bien; requiere color de 16 bits 
Paralelo: los cuadros pares e impares se muestran uno al lado del otro</translation>
    </message>
    <message>
        <source>&amp;Flipped</source>
        <extracomment>Page flipping: the picture is drawn into a second buffer while the first is shown, then the two swap (the video term, not mirrored or turned over)</extracomment>
        <translation>Intercambio de pá&amp;ginas</translation>
    </message>
    <message>
        <source>Reduces colour flickering,
but reduces speed</source>
        <translation>Reduce el parpadeo de color,
pero resta velocidad</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>Stops &quot;tearing&quot;, but reduces speed.
Better than Flipped</source>
        <extracomment>Flipped is the page-flipping box beside it: use the same word</extracomment>
        <translation>Evita el «tearing», pero resta velocidad.
Mejor que el intercambio de páginas</translation>
    </message>
    <message>
        <source>Tri&amp;ple buffered</source>
        <translation>Búfer tri&amp;ple</translation>
    </message>
    <message>
        <source>Use three video buffers to enable VSync updates without slowing emulation - best option</source>
        <translation>Usa tres búferes de vídeo para activar VSync sin ralentizar la emulación; la mejor opción</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>E&amp;stirar</translation>
    </message>
    <message>
        <source>Strecth the image to fill the screen/window</source>
        <translation>Estira la imagen para llenar la pantalla o la ventana</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add a new blitter</source>
        <translation>Añade un blitter nuevo</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Cambia&amp;r nombre</translation>
    </message>
    <message>
        <source>Rename the currently selected blitter</source>
        <translation>Cambia el nombre del blitter seleccionado</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the currently selected blitter</source>
        <translation>Elimina el blitter seleccionado</translation>
    </message>
    <message>
        <source>&amp;Uncomment</source>
        <translation>&amp;Descomentar</translation>
    </message>
    <message>
        <source>Most of the blitters in quib.blt are commented out.
Click on this button to make them all available</source>
        <translation>La mayoría de los blitters de quib.blt están comentados.
Pulse este botón para que estén todos disponibles</translation>
    </message>
    <message>
        <source>Blitter name</source>
        <translation>Nombre del blitter</translation>
    </message>
    <message>
        <source>Please confirm blitter deletion</source>
        <translation>Confirme la eliminación del blitter</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this blitter:<byte value="xd"/>%1</source>
        <translation>¿Seguro que quiere eliminar este blitter?<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>This is an automated function and should correctly uncomment all of the blitters.<byte value="xd"/>It works OK with my standard Quib.blt, but could possibly mess up a modified file.<byte value="xd"/>Note that the uncommented blitters might need some tweaking to work as well as possible.<byte value="xd"/><byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Es una función automática y debería descomentar correctamente todos los blitters.<byte value="xd"/>Funciona bien con mi Quib.blt estándar, pero podría estropear un archivo modificado.<byte value="xd"/>Tenga en cuenta que los blitters descomentados quizá necesiten algún ajuste para funcionar lo mejor posible.<byte value="xd"/><byte value="xd"/>¿Seguro que quiere continuar?</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Autodetect</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>A video driver: the mode that works on any card (not &quot;secure&quot;).</extracomment>
        <translation>Modo seguro</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Mode X</source>
        <translation>Modo X</translation>
    </message>
    <message>
        <source>Vesa 1</source>
        <translation>VESA 1</translation>
    </message>
    <message>
        <source>Vesa 2 (banked)</source>
        <translation>VESA 2 (por bancos)</translation>
    </message>
    <message>
        <source>Vesa 2 (linear)</source>
        <translation>VESA 2 (lineal)</translation>
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
        <translation>Detección automática (ventana)</translation>
    </message>
    <message>
        <source>DirectX (auto)</source>
        <translation>DirectX (automático)</translation>
    </message>
    <message>
        <source>DirectX (software)</source>
        <translation>DirectX (software)</translation>
    </message>
    <message>
        <source>DirectX (safe)</source>
        <translation>DirectX (modo seguro)</translation>
    </message>
    <message>
        <source>DirectX (windowed)</source>
        <translation>DirectX (ventana)</translation>
    </message>
    <message>
        <source>DirectX (windowed overlay)</source>
        <translation>DirectX (ventana con overlay)</translation>
    </message>
    <message>
        <source>GDI (windowed)</source>
        <translation>GDI (ventana)</translation>
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
        <translation>DirectX (experimental)</translation>
    </message>
    <message>
        <source>DirectX</source>
        <translation>DirectX</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Rest of the world</source>
        <translation>Resto del mundo</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>2 button</source>
        <translation>2 botones</translation>
    </message>
    <message>
        <source>4 button</source>
        <translation>4 botones</translation>
    </message>
    <message>
        <source>6 button</source>
        <translation>6 botones</translation>
    </message>
    <message>
        <source>8 button</source>
        <translation>8 botones</translation>
    </message>
    <message>
        <source>Dual (2 pads/sticks)</source>
        <translation>Doble (2 mandos/joysticks)</translation>
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
        <translation>DB9 (p. ej., mando de SMS)</translation>
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
        <translation>Digital</translation>
    </message>
    <message>
        <source>Show both sides</source>
        <translation>Mostrar ambos lados</translation>
    </message>
    <message>
        <source>Show left side</source>
        <translation>Mostrar el lado izquierdo</translation>
    </message>
    <message>
        <source>Show right side</source>
        <translation>Mostrar el lado derecho</translation>
    </message>
    <message>
        <source>Use glasses on COM port 1</source>
        <translation>Gafas en el puerto COM 1</translation>
    </message>
    <message>
        <source>Use glasses on COM port 2</source>
        <translation>Gafas en el puerto COM 2</translation>
    </message>
    <message>
        <source>OPL is not possible under Windows NT/2000/XP</source>
        <translation>OPL no es posible en Windows NT/2000/XP</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>An image filter: every pixel drawn twice as wide and high.</extracomment>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>Scanlines</translation>
    </message>
    <message>
        <source>TV mode</source>
        <translation>Modo TV</translation>
    </message>
    <message>
        <source>TV mode (doubled)</source>
        <translation>Modo TV (doble)</translation>
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
        <translation>Paralelo</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sound card</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no joypad driver</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no FM engine</comment>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>ColourChooserForm</name>
    <message>
        <source>Colour chooser</source>
        <translation>Selector de color</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>You can enter values in the range 0..255 but they will be rounded off for Quib</source>
        <translation>Puede introducir valores de 0 a 255, pero se redondearán para Quib</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Azul</translation>
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
        <translation>&amp;Tono</translation>
    </message>
    <message>
        <source>The type of the colour</source>
        <translation>El tipo de color</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>&amp;Sat.</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>The strength of the colour</source>
        <translation>La intensidad del color</translation>
    </message>
    <message>
        <source>&amp;Lum</source>
        <translation>&amp;Lum.</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>The brightness of the colour</source>
        <translation>El brillo del color</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Color elegido</translation>
    </message>
</context>
<context>
    <name>ConfiguratorSettings</name>
    <message>
        <source>Configurator settings</source>
        <translation>Ajustes del configurador</translation>
    </message>
    <message>
        <source>&amp;Quib location:</source>
        <translation>Ubicación de &amp;Quib:</translation>
    </message>
    <message>
        <source>Locate Quib</source>
        <translation>Buscar Quib</translation>
    </message>
    <message>
        <source>&amp;Run Quib</source>
        <translation>&amp;Ejecutar Quib</translation>
    </message>
    <message>
        <source>Run Qu&amp;ibW</source>
        <translation>Ejecutar Qu&amp;ibW</translation>
    </message>
    <message>
        <source>When ticked, the run buttons first ask for a game file to load.
Cancelling that question starts the emulator without a game.</source>
        <translation>Si está marcada, los botones de ejecutar piden primero un archivo de juego.
Si se cancela, el emulador se inicia sin juego.</translation>
    </message>
    <message>
        <source>Load ROM on run</source>
        <translation>Cargar ROM al ejecutar</translation>
    </message>
    <message>
        <source>Reads every settings file again, discarding changes not yet applied</source>
        <translation>Vuelve a leer todos los archivos de ajustes y descarta los cambios no aplicados</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>&amp;Deshacer cambios</translation>
    </message>
    <message>
        <source>Shows again every message you chose not to see</source>
        <translation>Vuelve a mostrar todos los mensajes que eligió no ver</translation>
    </message>
    <message>
        <source>Reset &amp;warnings</source>
        <translation>Restablecer a&amp;visos</translation>
    </message>
    <message>
        <source>If only one is available, this setting will be ignored</source>
        <translation>Si solo hay uno disponible, este ajuste se ignora</translation>
    </message>
    <message>
        <source>Prefer settings &amp;from</source>
        <translation>Preferir a&amp;justes de</translation>
    </message>
</context>
<context>
    <name>DebuggingPage</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Tile &amp;viewer</source>
        <translation>&amp;Visor de tiles</translation>
    </message>
    <message>
        <source>Tiles above 448 are usually not used and show junk due to the memory being used for other things.</source>
        <translation>Los tiles por encima de 448 no suelen usarse y muestran basura porque esa memoria se usa para otras cosas.</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tiles</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>Modo de depuración</translation>
    </message>
    <message>
        <source>Quib will always act as if invoked with the /DEBUG parameter</source>
        <translation>Quib actuará siempre como si se iniciara con el parámetro /DEBUG</translation>
    </message>
    <message>
        <source>Always &amp;enabled</source>
        <translation>Siempre a&amp;ctivado</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>Depurador</translation>
    </message>
    <message>
        <source>&amp;Console</source>
        <translation>C&amp;onsola</translation>
    </message>
    <message>
        <source>How high the top half of the debugger window is</source>
        <translation>La altura de la mitad superior de la ventana del depurador</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>líneas</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>&amp;Desensamblado</translation>
    </message>
    <message>
        <source>How high the bottom half of the debugger window is</source>
        <translation>La altura de la mitad inferior de la ventana del depurador</translation>
    </message>
    <message>
        <source>Save debugger console output to debug\debuglog.txt</source>
        <translation>Guarda la salida de la consola del depurador en debug\debuglog.txt</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>Load NO$GMB style symbol files and replace references where possible</source>
        <translation>Carga archivos de símbolos al estilo de NO$GMB y sustituye las referencias cuando se puede</translation>
    </message>
    <message>
        <source>&amp;Show labels</source>
        <translation>Mostrar &amp;etiquetas</translation>
    </message>
    <message>
        <source>Memory editor default size</source>
        <translation>Tamaño predeterminado del editor de memoria</translation>
    </message>
    <message>
        <source>How high the memory editor window is</source>
        <translation>La altura de la ventana del editor de memoria</translation>
    </message>
    <message>
        <source>lines x</source>
        <translation>líneas x</translation>
    </message>
    <message>
        <source>How many bytes per row; should usually be a multiple of 8</source>
        <translation>Cuántos bytes por fila; normalmente debería ser múltiplo de 8</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>columnas</translation>
    </message>
</context>
<context>
    <name>DonatePage</name>
    <message>
        <source>Donate to support Quib and its community</source>
        <translation>Done para apoyar a Quib y a su comunidad</translation>
    </message>
    <message>
        <source>&amp;CPU speed</source>
        <translation>Velocidad de la &amp;CPU</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Video card memory</source>
        <translation>Memoria de la tarjeta de &amp;vídeo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>&amp;Suggested donation</source>
        <translation>Donativo &amp;sugerido</translation>
    </message>
    <message>
        <source>This calculation is just for fun! Read quib.txt for more information on donating.</source>
        <translation>¡Este cálculo es solo por diversión! Lea quib.txt para saber más sobre cómo donar.</translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Sprite &amp;flickering</source>
        <translation>&amp;Parpadeo de sprites</translation>
    </message>
    <message>
        <source>Emulates a limit of the console&apos;s video chip: only a few
sprites fit on one line, the others disappear (they flicker).
Some games rely on it to hide sprites on purpose.
Automatic only uses it for the games that need it</source>
        <translation>Emula un límite del chip de vídeo de la consola: solo caben unos
pocos sprites en una línea, los demás desaparecen (parpadean).
Algunos juegos lo aprovechan para ocultar sprites a propósito.
Automático solo lo usa en los juegos que lo necesitan</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>P&amp;aís</translation>
    </message>
    <message>
        <source>Choose Japan to see the Japanese names for some games in Quib,
the Mark III logo and japanese text and/or different title screens in some games</source>
        <translation>Elija Japón para ver en Quib los nombres japoneses de algunos juegos,
el logotipo de Mark III y texto japonés o pantallas de título distintas en algunos juegos</translation>
    </message>
    <message>
        <source>TV &amp;type</source>
        <translation>&amp;Tipo de TV</translation>
    </message>
    <message>
        <source>Affects the number of screen lines emulated.
It doesn&apos;t really matter which you choose
since if needed, Quib will change the setting.
Some games use it to detect PAL/NTSC speed so
the Frameskip value should match (PAL/50, NTSC/60)</source>
        <translation>Afecta al número de líneas de pantalla emuladas.
En realidad da igual cuál elija,
porque si hace falta Quib cambiará el ajuste.
Algunos juegos lo usan para detectar la velocidad PAL/NTSC,
por lo que el salto de cuadros debería coincidir (PAL/50, NTSC/60)</translation>
    </message>
    <message>
        <source>3&amp;D mode</source>
        <translation>Modo &amp;3D</translation>
    </message>
    <message>
        <source>Disable this to load games faster,
enable it for nostalgia</source>
        <translation>Desactívelo para cargar los juegos más rápido,
actívelo por nostalgia</translation>
    </message>
    <message>
        <source>Show &amp;BIOS logo</source>
        <translation>Mostrar el logotipo de la &amp;BIOS</translation>
    </message>
    <message>
        <source>Frameskip</source>
        <translation>Salto de cuadros</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F2</source>
        <translation>Atajo de teclado en Quib:
F2</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nual</translation>
    </message>
    <message>
        <source>Show one frame in &amp;every</source>
        <translation>Mostrar un cuadro de &amp;cada</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F3 &amp; F4</source>
        <translation>Atajos de teclado en Quib:
F3 &amp; F4</translation>
    </message>
    <message>
        <source>A&amp;utomatic</source>
        <translation>A&amp;utomático</translation>
    </message>
    <message>
        <source>Simulate refresh rate &amp;of</source>
        <translation>Simular una &amp;frecuencia de</translation>
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
        <translation>La copia de seguridad no contiene ninguno de los archivos de ajustes.</translation>
    </message>
    <message>
        <source>It was replaced by another file while it was being saved.</source>
        <translation>Otro archivo lo reemplazó mientras se guardaba.</translation>
    </message>
    <message>
        <source>%1 Its old contents could not be put back.</source>
        <translation>%1 No se pudo devolver su contenido anterior.</translation>
    </message>
    <message>
        <source>%1 Its old contents are kept in &quot;%2&quot;.</source>
        <translation>%1 Su contenido anterior se conserva en «%2».</translation>
    </message>
    <message>
        <source>Windows error %1.</source>
        <translation>Error de Windows %1.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>La carpeta de copias de seguridad «%1» es un enlace simbólico. Las copias de seguridad nunca se guardan ni se leen a través de uno: elimínelo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>El conjunto de copia de seguridad «%1» es un enlace simbólico. Las copias de seguridad nunca se guardan ni se leen a través de uno: elimínelo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>El archivo de copia de seguridad «%1» es un enlace simbólico. Las copias de seguridad nunca se guardan ni se leen a través de uno: elimínelo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>La carpeta de copias de seguridad «%1» pertenece a otro usuario. Las copias de seguridad solo se guardan en carpetas propias: elimínela o muévala a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>El conjunto de copia de seguridad «%1» pertenece a otro usuario. Las copias de seguridad solo se guardan en carpetas propias: elimínelo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>El archivo de copia de seguridad «%1» pertenece a otro usuario. Las copias de seguridad solo se guardan en carpetas propias: elimínelo o muévalo a otro sitio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder &quot;%1&quot;. %2</source>
        <translation>No se puede crear la carpeta de copias de seguridad «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;. %2</source>
        <translation>No se puede abrir la carpeta de copias de seguridad «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; from the backup. %2</source>
        <translation>No se puede leer «%1» de la copia de seguridad. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;.</source>
        <translation>No se puede abrir la carpeta de copias de seguridad «%1».</translation>
    </message>
    <message>
        <source>It is a file.</source>
        <translation>Es un archivo.</translation>
    </message>
    <message>
        <source>Nothing was saved: someone else changed these files on disk just before they were to be replaced:</source>
        <translation>No se guardó nada: alguien más cambió estos archivos en el disco justo antes de que se reemplazaran:</translation>
    </message>
    <message>
        <source>Nothing can be backed up: %1 is not set, so there is no folder for backups.</source>
        <translation>No se puede hacer ninguna copia de seguridad: %1 no está definida, así que no hay carpeta para las copias de seguridad.</translation>
    </message>
    <message>
        <source>Cannot flush the backup folder &quot;%1&quot;. %2</source>
        <translation>No se puede escribir en el disco la carpeta de copias de seguridad «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>No se puede escribir «%1». %2</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is missing.</source>
        <translation>Falta el conjunto de copia de seguridad «%1».</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; to back it up. %2</source>
        <translation>No se puede leer «%1» para hacer su copia de seguridad. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir el archivo de copia de seguridad «%1». %2</translation>
    </message>
    <message>
        <source>Cannot name the backup folder &quot;%1&quot;. %2</source>
        <translation>No se puede dar nombre a la carpeta de copias de seguridad «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open the lock file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo de bloqueo «%1». %2</translation>
    </message>
    <message>
        <source>Nothing was saved: another Quib Configurator is saving the files in &quot;%1&quot; right now. Try again when it is done; files it changed meanwhile are then shown as changed on disk.</source>
        <translation>No se guardó nada: otro Quib Configurator está guardando ahora mismo los archivos de «%1». Vuelva a intentarlo cuando termine; los archivos que haya cambiado mientras tanto aparecerán entonces como cambiados en el disco.</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;. %2</source>
        <translation>No se puede bloquear «%1». %2</translation>
    </message>
    <message>
        <source>Nothing was saved: the files it would replace could not be backed up first.<byte value="xd"/>%1</source>
        <translation>No se guardó nada: no se pudo hacer antes una copia de seguridad de los archivos que se iban a reemplazar.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>«%1» puede contener parte de los ajustes nuevos y no se pudo devolver a su estado anterior (%2); su contenido anterior está en «%3».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>«%1» contiene los ajustes nuevos y no se pudo devolver a su estado anterior (%2); su contenido anterior está en «%3».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>«%1» puede contener parte de los ajustes nuevos y no se pudo devolver a su estado anterior (%2); antes no existía.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>«%1» contiene los ajustes nuevos y no se pudo devolver a su estado anterior (%2); antes no existía.</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 The files already replaced were put back.</source>
        <translation>No se guardó nada: %1 Los archivos ya reemplazados se devolvieron a su estado anterior.</translation>
    </message>
    <message>
        <source>Not all settings files were saved: %1</source>
        <translation>No se guardaron todos los archivos de ajustes: %1</translation>
    </message>
    <message>
        <source>As they were: %1.</source>
        <translation>Sin cambios: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>No se guardó nada: %1</translation>
    </message>
    <message>
        <source>Saved: %1.</source>
        <translation>Guardados: %1.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>No guardados: %1.</translation>
    </message>
    <message>
        <source>%1 may hold part of the new settings.</source>
        <translation>%1 puede contener parte de los ajustes nuevos.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a settings file.</source>
        <translation>Ocupa más de %1 MB, demasiado para un archivo de ajustes.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason the system gave for an error (its own words in %1), made a sentence of the message it stands in.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Its record is incomplete.</source>
        <translation>Su registro está incompleto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer holds what was kept.</source>
        <translation>«%1» ya no contiene lo que se guardó.</translation>
    </message>
    <message>
        <source>An Apply that did not finish cannot be put back: %1 The emulator&apos;s files are left as they are.</source>
        <translation>Un Aplicar que no terminó no se puede deshacer: %1 Los archivos del emulador se quedan como están.</translation>
    </message>
    <message>
        <source>Not every file could be put back:</source>
        <translation>No se pudieron devolver todos los archivos a su estado anterior:</translation>
    </message>
</context>
<context>
    <name>GuiPage</name>
    <message>
        <source>... or fullscreen. Only works when
the game is passed on the commandline,
always opens in GUI otherwise</source>
        <translation>… o a pantalla completa. Solo funciona si
el juego se pasa en la línea de órdenes;
si no, siempre se abre en la interfaz</translation>
    </message>
    <message>
        <source>&amp;Start in GUI</source>
        <translation>&amp;Iniciar en la interfaz</translation>
    </message>
    <message>
        <source>Video mode</source>
        <translation>Modo de vídeo</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>&amp;Resolución</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Puede escribir la resolución que
quiera, con el formato [ancho]x[alto]</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best Vesa/DirectX mode your card supports</source>
        <translation>La detección automática elige un modo más lento, así que
elija el mejor modo VESA/DirectX que admita su tarjeta</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <extracomment>The monitor&apos;s refresh rate (pictures per second); the same term as the Blitter page&apos;s Refresh rate</extracomment>
        <translation>Re&amp;fresco</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Las frecuencias múltiplos de la velocidad del sistema (50
o 60), junto con VSync, dan los mejores resultados.
Los valores altos no funcionan.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>This will slow the GUI
but stop &apos;tearing&apos;</source>
        <translation>Ralentiza la interfaz,
pero evita el «tearing»</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>File browser</source>
        <translation>Explorador de archivos</translation>
    </message>
    <message>
        <source>&amp;pixels x</source>
        <translation>&amp;píxeles x</translation>
    </message>
    <message>
        <source>&amp;lines</source>
        <translation>&amp;líneas</translation>
    </message>
    <message>
        <source>&amp;Use virtual long filenames</source>
        <translation>&amp;Usar nombres de archivo largos virtuales</translation>
    </message>
    <message>
        <source>&amp;Close file browser after load</source>
        <translation>Cerrar el e&amp;xplorador tras cargar</translation>
    </message>
    <message>
        <source>&amp;Fullscreen/windowed after load</source>
        <translation>Pantalla completa/ventana tras c&amp;argar</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Rapid-fire</source>
        <translation>Disparo rápido</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Button &amp;1</source>
        <translation>Botón &amp;1</translation>
    </message>
    <message>
        <source>Button &amp;2</source>
        <translation>Botón &amp;2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>&amp;Button 1</source>
        <translation>&amp;Botón 1</translation>
    </message>
    <message>
        <source>Bu&amp;tton 2</source>
        <translation>Bo&amp;tón 2</translation>
    </message>
    <message>
        <source>Mouse speed</source>
        <translation>Velocidad del ratón</translation>
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
        <translation>Velocidades del ratón:
1 = rápida
2 = normal
3 = lenta</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Cabinet mode</source>
        <translation>Modo &amp;recreativa</translation>
    </message>
    <message>
        <source>When enabled, F10 (quit) and Esc (toggle fullscreen) reverse their meanings</source>
        <translation>Si se activa, F10 (salir) y Esc (alternar pantalla completa) intercambian su función</translation>
    </message>
    <message>
        <source>Allow &amp;opposite directions</source>
        <translation>Permitir direcciones &amp;opuestas</translation>
    </message>
    <message>
        <source>Real pads stop you from pressing L+R or U+D simultaneously; some games have bugs if this input occurs, but other games might need it to be possible</source>
        <translation>Los mandos reales impiden pulsar a la vez I+D o Ar+Ab; algunos juegos fallan con esa entrada, pero otros pueden necesitarla</translation>
    </message>
    <message>
        <source>Joypad/stick (DOS only)</source>
        <translation>Mando/joystick (solo DOS)</translation>
    </message>
    <message>
        <source>QuibW uses any joystick loaded through DirectInput</source>
        <translation>QuibW usa cualquier joystick cargado mediante DirectInput</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>&amp;Using DirectPad Pro on</source>
        <translation>&amp;Usar DirectPad Pro en</translation>
    </message>
    <message>
        <source>DirectPad Pro is a device which lets you use
console joypads on your PC via the parallel port</source>
        <translation>DirectPad Pro es un adaptador que permite usar
mandos de consola en el PC por el puerto paralelo</translation>
    </message>
    <message>
        <source>&amp;IfSega card type</source>
        <translation>Tipo de tarjeta &amp;IfSega</translation>
    </message>
    <message>
        <source>IfSega is an expansion board which
lets you use Saturn pads on your PC</source>
        <translation>IfSega es una tarjeta de expansión que permite
usar mandos de Saturn en el PC</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>...when you load a game</source>
        <translation>… al cargar un juego</translation>
    </message>
    <message>
        <source>Show product &amp;numbers</source>
        <translation>Mostrar los &amp;números de producto</translation>
    </message>
    <message>
        <source>Show messages in &amp;fullscreen mode</source>
        <translation>Mostrar mensajes a &amp;pantalla completa</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Sega fanboy settings</source>
        <translation>Ajustes para fans de Sega</translation>
    </message>
    <message>
        <source>&amp;NES sucks</source>
        <translation>La &amp;NES es un asco</translation>
    </message>
    <message>
        <source>If he is, maybe Quib can
play some NES roms?</source>
        <translation>Si lo es, ¿quizá Quib pueda
jugar algunas ROM de NES?</translation>
    </message>
    <message>
        <source>Mario is a fat &amp;plumber</source>
        <translation>Mario es un &amp;fontanero gordo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Please remember that Quib&apos;s NES support is unofficial and unsupported.<byte value="xd"/>It will only play a few NES games.<byte value="xd"/>There are better NES emulators available.<byte value="xd"/>PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES EMULATION.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Recuerde que el soporte de NES de Quib no es oficial y no tiene asistencia.<byte value="xd"/>Solo funcionan unos pocos juegos de NES.<byte value="xd"/>Hay emuladores de NES mejores.<byte value="xd"/>POR FAVOR, NO ESCRIBA AL AUTOR DE QUIB NI AL AUTOR DE QUIB CONFIGURATOR SOBRE LA EMULACIÓN DE NES.<byte value="xd"/><byte value="xd"/>¿Volver a mostrar este mensaje?</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>Cerrar este aviso</translation>
    </message>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>%1 cambió en el disco.</numerusform>
            <numerusform>%1 cambiaron en el disco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>%n de sus cambios también se cambió allí; Aplicar preguntará cuál conservar.</numerusform>
            <numerusform>%n de sus cambios también se cambiaron allí; Aplicar preguntará cuáles conservar.</numerusform>
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
            <numerusform>Quib reescribió %1 y deshizo el ajuste que usted aplicó: %2</numerusform>
            <numerusform>Quib reescribió %1 y deshizo %n de los ajustes que usted aplicó: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>See the change</source>
        <translation>Ver el cambio</translation>
    </message>
    <message>
        <source>Apply them again</source>
        <extracomment>Saves again the settings Quib set back.</extracomment>
        <translation>Volver a aplicarlos</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Leaves the file as it is now on disk.</extracomment>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The Apply made at %1 did not finish (the program ended, or the power went). </source>
        <translation>El Aplicar hecho el %1 no terminó (el programa se cerró o se fue la luz). </translation>
    </message>
    <message>
        <source>It had replaced:</source>
        <translation>Había reemplazado:</translation>
    </message>
    <message>
        <source>Apply not finished</source>
        <translation>Aplicar sin terminar</translation>
    </message>
    <message>
        <source>These still hold what they held before it:</source>
        <translation>Estos aún contienen lo que tenían antes:</translation>
    </message>
    <message>
        <source>These hold neither what they held before it nor what it wrote, and are left as they are:</source>
        <translation>Estos no contienen ni lo que tenían antes ni lo que escribió, y se quedan como están:</translation>
    </message>
    <message>
        <source>Do you want to put the emulator&apos;s folder back as it was before that Apply?<byte value="xd"/><byte value="xd"/>Yes gives the files it had replaced what they held before it (what they hold now is kept as a backup too); No keeps every file as it is now.</source>
        <translation>¿Quiere devolver la carpeta del emulador a como estaba antes de ese Aplicar?<byte value="xd"/><byte value="xd"/>Sí devuelve a los archivos que había reemplazado lo que tenían antes (lo que contienen ahora también se guarda como copia); No deja cada archivo como está ahora.</translation>
    </message>
</context>
<context>
    <name>ScreenshotsPage</name>
    <message>
        <source>Screenshot &amp;filename:</source>
        <translation>&amp;Nombre de las capturas:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>No use caracteres no válidos en nombres de archivo,
como &quot; \ / , + ? (entre otros)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Número de letras a las que se limita el nombre;
escriba * para no limitarlo</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caracteres del nombre de archivo +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Número mínimo de cifras;
escriba * para no fijar mínimo</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>cifras de número +</translation>
    </message>
    <message>
        <source>Example: the fifth screenshot from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Ejemplo: la quinta captura del archivo «Sonic the Hedgehog 2.sms» se llamará:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caracteres del nombre de archivo</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texto tras el nombre de archivo</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Cifras del número</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texto tras el número</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensión</translation>
    </message>
</context>
<context>
    <name>SoundLoggingPage</name>
    <message>
        <source>&amp;Filename:</source>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>No use caracteres no válidos en nombres de archivo,
como &quot; \ / , + ? (entre otros)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Número de letras a las que se limita el nombre;
escriba * para no limitarlo</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caracteres del nombre de archivo +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Número mínimo de cifras;
escriba * para no fijar mínimo</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>cifras de número +</translation>
    </message>
    <message>
        <source>&amp;Sample accurate</source>
        <translation>&amp;Precisión de muestra</translation>
    </message>
    <message>
        <source>Sample-accurate VGMs are larger for almost identical output;
but non-sample-accurate VGMs cannot store samples (voices)</source>
        <translation>Los VGM con precisión de muestra ocupan más para un resultado casi idéntico,
pero los que no la tienen no pueden guardar muestras (voces)</translation>
    </message>
    <message>
        <source>Example: the fifth sound dump from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Ejemplo: la quinta grabación de sonido del archivo «Sonic the Hedgehog 2.sms» se llamará:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caracteres del nombre de archivo</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texto tras el nombre de archivo</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Cifras del número</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texto tras el número</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Sound &amp;card</source>
        <translation>&amp;Tarjeta de sonido</translation>
    </message>
    <message>
        <source>Sampling &amp;rate</source>
        <translation>&amp;Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Higher numbers give better sound quality.
It may reset to 21739 on some sound cards</source>
        <translation>Cuanto más alto, mejor calidad de sonido.
En algunas tarjetas puede volver a 21739</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Emulate &amp;FM unit</source>
        <translation>Emular la &amp;unidad FM</translation>
    </message>
    <message>
        <source>FM &amp;engine</source>
        <translation>M&amp;otor FM</translation>
    </message>
    <message>
        <source>OPL may not work depending on your sound card and OS.
Digital uses more CPU time</source>
        <translation>OPL puede no funcionar según la tarjeta de sonido y el sistema.
Digital usa más tiempo de CPU</translation>
    </message>
    <message>
        <source>&amp;OPL speed</source>
        <translation>Velocidad O&amp;PL</translation>
    </message>
    <message>
        <source>If FM music skips when using OPL, increase this value;
if your sound card takes a long time to initialise, decrease it</source>
        <translation>Si la música FM da saltos con OPL, aumente este valor;
si la tarjeta de sonido tarda en iniciarse, redúzcalo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>line ends only</source>
        <translation>solo finales de línea</translation>
    </message>
    <message>
        <source>%1 (changed on disk since it was loaded): %2</source>
        <translation>%1 (cambiado en el disco desde que se cargó): %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Missing line ends become %1: %2</source>
        <translation>Los finales de línea que faltan pasan a %1: %2</translation>
    </message>
    <message>
        <source>%1 line ends are dropped: %2</source>
        <translation>Se quitan los finales de línea %1: %2</translation>
    </message>
    <message>
        <source>%1 line ends become %3: %2</source>
        <translation>Los finales de línea %1 pasan a %3: %2</translation>
    </message>
    <message>
        <source>The file stays as it is.</source>
        <translation>El archivo queda como está.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>What Apply would change in each file, compared with the file on disk now.</source>
        <translation>Lo que Aplicar cambiaría en cada archivo, comparado con el archivo que hay ahora en el disco.</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurar...</translation>
    </message>
    <message>
        <source>Writes back a set of files kept before an earlier Apply</source>
        <translation>Vuelve a escribir un conjunto de archivos guardado antes de un Aplicar anterior</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Reads the files on disk again and compares anew.</extracomment>
        <translation>Actuali&amp;zar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Apply would write nothing: the settings files could not all be read.</source>
        <translation>Aplicar no escribiría nada: no se pudieron leer todos los archivos de ajustes.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 of both; every change there is shown.</source>
        <translation>Comparado: líneas 1 a %1 de ambos; se muestra cada cambio en ellas.</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is shown.</source>
        <translation>Comparado: líneas 1 a %1 en el disco, 1 a %2 por escribir; se muestra cada cambio en ellas.</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
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
            <numerusform>%n línea añadida</numerusform>
            <numerusform>%n líneas añadidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n eliminada</numerusform>
            <numerusform>%n eliminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>cambia al menos %n línea</numerusform>
            <numerusform>cambian al menos %n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>; se muestra la primera</numerusform>
            <numerusform>; se muestran las %n primeras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>archivo nuevo, %n línea</numerusform>
            <numerusform>archivo nuevo, %n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>El archivo queda como está.</numerusform>
            <numerusform>Los %n archivos quedan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 of 1 file changes: %1</source>
        <translation>Cambia 1 de 1 archivo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>Cambia %n de %1 archivos: %2</numerusform>
            <numerusform>Cambian %n de %1 archivos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Too long to compare in full (%1, %2).</source>
        <translation>Demasiado largo para compararlo entero (%1, %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>%n línea en el disco</numerusform>
            <numerusform>%n líneas en el disco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>%n por escribir</numerusform>
            <numerusform>%n por escribir</numerusform>
        </translation>
    </message>
    <message>
        <source>After them, lined up one against one: %1, %2 (not shown).</source>
        <translation>Después, enfrentadas una a una: %1, %2 (no se muestran).</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n añadida</numerusform>
            <numerusform>%n añadidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>No se muestra %n línea más de diferencias.</numerusform>
            <numerusform>No se muestran %n líneas más de diferencias.</numerusform>
        </translation>
    </message>
    <message>
        <source>What changed in each file on disk, compared with the file as the window last read it.</source>
        <translation>Lo que cambió en cada archivo en el disco, comparado con el archivo tal como la ventana lo leyó por última vez.</translation>
    </message>
</context>
<context>
    <name>TConflictsForm</name>
    <message>
        <source>Settings changed in two places</source>
        <translation>Ajustes cambiados en dos lugares</translation>
    </message>
    <message>
        <source>These settings were changed in this window and also on disk since the files were loaded. Choose for each the value to keep: nothing is saved until each one is answered.</source>
        <translation>Estos ajustes se cambiaron en esta ventana y también en el disco desde que se cargaron los archivos. Elija para cada uno el valor que se conserva: no se guarda nada hasta que todos tengan respuesta.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>When loaded</source>
        <translation>Al cargar</translation>
    </message>
    <message>
        <source>In the window</source>
        <translation>En la ventana</translation>
    </message>
    <message>
        <source>On disk now</source>
        <translation>Ahora en el disco</translation>
    </message>
    <message>
        <source>Keep all from the &amp;window</source>
        <translation>Conservar todo de la &amp;ventana</translation>
    </message>
    <message>
        <source>Keeps the window&apos;s value of every setting</source>
        <translation>Conserva el valor de la ventana en cada ajuste</translation>
    </message>
    <message>
        <source>Keep all from &amp;disk</source>
        <translation>Conservar todo del &amp;disco</translation>
    </message>
    <message>
        <source>Keeps the value on disk of every setting</source>
        <translation>Conserva el valor del disco en cada ajuste</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Saves, once every setting is answered</source>
        <translation>Guarda, cuando todos los ajustes tengan respuesta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saves nothing</source>
        <translation>No guarda nada</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(no está en el archivo)</translation>
    </message>
    <message>
        <source>%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.</source>
        <extracomment>What a screen reader says of each row of the table: %1 a setting, %2 its file, %3 to %5 its values.</extracomment>
        <translation>%1 en %2. Al cargar: %3. En la ventana: %4. Ahora en el disco: %5.</translation>
    </message>
    <message>
        <source>Keep the window&apos;s value: %1</source>
        <translation>Conservar el valor de la ventana: %1</translation>
    </message>
    <message>
        <source>Keep the value on disk: %1</source>
        <translation>Conservar el valor del disco: %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Blitter</source>
        <translation>Blitter</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation>Emulación</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound logging</source>
        <translation>Grabación de sonido</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Shows what Apply would change in each file, and restores backups</source>
        <translation>Muestra lo que Aplicar cambiaría en cada archivo y restaura copias de seguridad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Apply &amp;&amp; run</source>
        <translation>Aplicar &amp;&amp; ejecutar</translation>
    </message>
    <message>
        <source>Please locate Quib or QuibW (or press Cancel)</source>
        <translation>Indique dónde está Quib o QuibW (o pulse Cancelar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You need to locate Quib so this program can load its settings files.<byte value="xd"/>This program will now close.</source>
        <translation>Debe indicar dónde está Quib para que este programa pueda cargar sus archivos de ajustes.<byte value="xd"/>El programa se cerrará ahora.</translation>
    </message>
    <message>
        <source>One or more of the required configuration files was not found.<byte value="xd"/><byte value="xd"/>The required files are:<byte value="xd"/>Either quib.cfg (for Quib) or quibw.cfg (for QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (input)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (themes)<byte value="xd"/><byte value="xd"/>Do you want to relocate Quib?</source>
        <translation>No se encontró uno o más de los archivos de configuración necesarios.<byte value="xd"/><byte value="xd"/>Los archivos necesarios son:<byte value="xd"/>quib.cfg (para Quib) o quibw.cfg (para QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (entrada)<byte value="xd"/>quib.msg (mensajes)<byte value="xd"/>quib.thm (temas)<byte value="xd"/><byte value="xd"/>¿Quiere volver a indicar dónde está Quib?</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>Please restart the program to try again.</source>
        <translation>Reinicie el programa para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <translation>Versión distinta</translation>
    </message>
    <message>
        <source>Quib Configurator has detected that you are running it on a version of Quib other than the one it was designed for.<byte value="xd"/>
It will continue to run but please note that it is not guaranteed to work well or at all. It will not destroy your Quib settings.<byte value="xd"/>
You might want to see if a new version of Quib Configurator has been released yet.</source>
        <translation>Quib Configurator ha detectado que lo está usando con una versión de Quib distinta de aquella para la que se diseñó.<byte value="xd"/>
Seguirá funcionando, pero no se garantiza que funcione bien, ni siquiera que funcione. No destruirá sus ajustes de Quib.<byte value="xd"/>
Quizá quiera comprobar si ya ha salido una versión nueva de Quib Configurator.</translation>
    </message>
    <message>
        <source>Nothing was saved: the settings files in &quot;%1&quot; could not all be read</source>
        <translation>No se guardó nada: no se pudieron leer todos los archivos de ajustes de «%1»</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Ajustes guardados</translation>
    </message>
    <message>
        <source>Settings saved.<byte value="xd"/><byte value="xd"/>Do you want to see this message again?</source>
        <translation>Se han guardado los ajustes.<byte value="xd"/><byte value="xd"/>¿Quiere volver a ver este mensaje?</translation>
    </message>
    <message>
        <source>Load ROM...</source>
        <translation>Cargar ROM...</translation>
    </message>
    <message>
        <source>All roms</source>
        <translation>Todas las ROM</translation>
    </message>
    <message>
        <source>Zipped roms</source>
        <translation>ROM comprimidas</translation>
    </message>
    <message>
        <source>Quib is running</source>
        <translation>Quib se está ejecutando</translation>
    </message>
    <message>
        <source>It looks like Quib is running - your settings will be overwritten when it quits. Try not to use Quib Configurator when Quib is running to avoid confusion.</source>
        <translation>Parece que Quib se está ejecutando: sus ajustes se sobrescribirán cuando se cierre. Procure no usar Quib Configurator mientras Quib esté en marcha para evitar confusiones.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Chan&amp;ges...</source>
        <translation>Ca&amp;mbios...</translation>
    </message>
    <message>
        <source>Emulator build</source>
        <translation>Versión del emulador</translation>
    </message>
    <message>
        <source>Log format</source>
        <translation>Formato de grabación</translation>
    </message>
</context>
<context>
    <name>TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>No files have been backed up yet: a backup is made each time Apply replaces them.</source>
        <translation>Aún no hay copias de seguridad: se hace una cada vez que Aplicar reemplaza los archivos.</translation>
    </message>
    <message>
        <source>Before each Apply the files it replaced were kept. Choose the set to write back:</source>
        <translation>Antes de cada Aplicar se guardaron los archivos que se reemplazaron. Elija el conjunto que quiere restaurar:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Write back the files kept at %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The files there now are backed up first. Every page is then loaded again from the files: changes not yet applied are lost.</source>
        <translation>¿Restaurar los archivos guardados el %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Antes se hace una copia de los archivos actuales. Después se vuelven a cargar todas las páginas desde los archivos: se pierden los cambios no aplicados.</translation>
    </message>
    <message>
        <source>Backup sets</source>
        <translation>Conjuntos de copias de seguridad</translation>
    </message>
</context>
<context>
    <name>TThemeEditorForm</name>
    <message>
        <source>&lt;default&gt;</source>
        <translation>&lt;predeterminado&gt;</translation>
    </message>
    <message>
        <source>Theme name</source>
        <translation>Nombre del tema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>¡Ese nombre ya existe!</translation>
    </message>
    <message>
        <source>The name you chose already exists! Please choose another name.</source>
        <translation>¡El nombre que eligió ya existe! Elija otro nombre.</translation>
    </message>
    <message>
        <source>Please confirm theme deletion</source>
        <translation>Confirme la eliminación del tema</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this theme:<byte value="xd"/>%1</source>
        <translation>¿Seguro que quiere eliminar este tema?<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>ThemeEditorForm</name>
    <message>
        <source>Theme Editor</source>
        <translation>Editor de temas</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Estirada</translation>
    </message>
    <message>
        <source>Integer stretched</source>
        <translation>Estirada (factor entero)</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>En mosaico</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrada</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Separators</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Highlighted</source>
        <translation>Resaltado</translation>
    </message>
    <message>
        <source>Title bars</source>
        <translation>Barras de título</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Listboxes</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>Barras de desplazamiento</translation>
    </message>
    <message>
        <source>Scroller</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Special effect</source>
        <translation>Efecto especial</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sangre</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(es)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Parts of the interface</source>
        <translation>Partes de la interfaz</translation>
    </message>
    <message>
        <source>Picture mode</source>
        <translation>Modo de imagen</translation>
    </message>
    <message>
        <source>Gradient start</source>
        <translation>Inicio del degradado</translation>
    </message>
    <message>
        <source>Gradient finish</source>
        <translation>Fin del degradado</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Most of the available themes in quib.thm are commented out
because they wouldn&apos;t fit on the menu in Quib.
Click on this button to make them all available</source>
        <translation>La mayoría de los temas de quib.thm están comentados
porque no cabrían en el menú de Quib.
Pulse este botón para que estén todos disponibles</translation>
    </message>
    <message>
        <source>&amp;Uncomment themes</source>
        <translation>&amp;Descomentar temas</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>This is a preview of the selected theme.
It takes into account the resolution selected on the GUI tab,
but only for the background picture scaling.</source>
        <translation>Esta es una vista previa del tema seleccionado.
Tiene en cuenta la resolución elegida en la pestaña Interfaz,
pero solo para escalar la imagen de fondo.</translation>
    </message>
    <message>
        <source>This is an automated function and may not correctly uncomment all of the themes.<byte value="xd"/>It works fine on my standard Quib.thm but could possibly mess up a modified file.<byte value="xd"/>Do you want to continue?</source>
        <translation>Es una función automática y puede que no descomente correctamente todos los temas.<byte value="xd"/>Funciona bien con mi Quib.thm estándar, pero podría estropear un archivo modificado.<byte value="xd"/>¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Quib themes page</source>
        <translation>Página de temas de Quib</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Vista previa del tema</translation>
    </message>
</context>
<context>
    <name>ThemePreview</name>
    <message>
        <source>Picture not found</source>
        <translation>No se encontró la imagen</translation>
    </message>
    <message>
        <source>This theme should have a background picture:<byte value="xd"/>%1<byte value="xd"/>but it&apos;s not there.<byte value="xd"/>You may need to download the theme pictures from the Quib website.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Este tema debería tener una imagen de fondo:<byte value="xd"/>%1<byte value="xd"/>pero no está.<byte value="xd"/>Quizá tenga que descargar las imágenes de los temas del sitio web de Quib.<byte value="xd"/><byte value="xd"/>¿Volver a mostrar este mensaje?</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <extracomment>The button that raises the number beside it by one.</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that lowers the number beside it by one.</extracomment>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the settings files of the Quib emulator.</source>
        <translation>Edita los archivos de ajustes del emulador Quib.</translation>
    </message>
    <message>
        <source>The language of the window: %1, or &quot;system&quot; for the system&apos;s (the default).</source>
        <translation>El idioma de la ventana: %1, o «system» para el del sistema (predeterminado).</translation>
    </message>
    <message>
        <source>The emulator directory to open (the folder of quib.cfg); without it, the one opened last.</source>
        <translation>La carpeta del emulador que se abrirá (la de quib.cfg); si no se indica, la última abierta.</translation>
    </message>
    <message>
        <source>no translation for language &quot;%1&quot; (see --help)</source>
        <translation>no hay traducción para el idioma «%1» (véase --help)</translation>
    </message>
    <message>
        <source>give at most one emulator directory (see --help)</source>
        <translation>indique como máximo una carpeta del emulador (véase --help)</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, set DISPLAY, or run it under xvfb-run</source>
        <translation>no hay pantalla donde abrir la ventana (no está definido DISPLAY ni WAYLAND_DISPLAY); inícielo desde una sesión de escritorio, defina DISPLAY o ejecútelo con xvfb-run</translation>
    </message>
</context>
</TS>
