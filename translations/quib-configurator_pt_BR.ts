<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutPage</name>
    <message>
        <source>for Quib and QuibW 0.72 WIP</source>
        <translation>para Quib e QuibW 0.72 WIP</translation>
    </message>
    <message>
        <source>Written by </source>
        <translation>Escrito por </translation>
    </message>
    <message>
        <source>Quib itself is the work of </source>
        <translation>O Quib em si é obra de </translation>
    </message>
    <message>
        <source>Links: </source>
        <translation>Links: </translation>
    </message>
    <message>
        <source>My website</source>
        <translation>Meu site</translation>
    </message>
    <message>
        <source>Quib homepage</source>
        <translation>Página do Quib</translation>
    </message>
    <message>
        <source>Documentation: </source>
        <translation>Documentação: </translation>
    </message>
    <message>
        <source>Quib: </source>
        <translation>Quib: </translation>
    </message>
    <message>
        <source>Thanks to everyone who tested it, drew themes and sent in blitters.</source>
        <translation>Obrigado a todos que testaram, desenharam temas e enviaram blitters.</translation>
    </message>
</context>
<context>
    <name>BlitterNameForm</name>
    <message>
        <source>Blitter name</source>
        <translation>Nome do blitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Pressione F1 no Quib para
alternar entre os blitters</translation>
    </message>
    <message>
        <source>Blitter properties</source>
        <translation>Propriedades do blitter</translation>
    </message>
    <message>
        <source>Res&amp;olution</source>
        <translation>Res&amp;olução</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Você pode digitar a resolução que
quiser, no formato [largura]x[altura]</translation>
    </message>
    <message>
        <source>Refres&amp;h rate</source>
        <extracomment>How many pictures the screen shows per second (the monitor&apos;s refresh rate); the same term as the GUI page&apos;s Refresh</extracomment>
        <translation>&amp;Taxa de atualização</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Taxas múltiplas da velocidade do sistema (50
ou 60), combinadas com VSync, dão os melhores resultados.
Valores altos não funcionam.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Driv&amp;er</source>
        <translation>D&amp;river</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best mode your card supports</source>
        <translation>A detecção automática escolhe um modo mais lento, então
escolha o melhor modo que sua placa suporta</translation>
    </message>
    <message>
        <source>&amp;Colour depth</source>
        <translation>Profundidade de &amp;cor</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Bli&amp;tter</source>
        <translation>&amp;Filtro</translation>
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
        <translation>Define como a imagem do SMS é levada para a tela do PC.
Normal: sem efeito
Dobrado: a imagem é ampliada 2 vezes, permitindo tela cheia em 512x384
Scanlines: uma linha sim, outra não fica preta para imitar uma TV (rápido)
Modo TV: uma linha sim, outra não fica mais escura para imitar uma TV (lento)
Modo TV (dobrado): como acima, mas esticado na horizontal para ficar certo
Eagle: tenta suavizar bordas serrilhadas, mas fica horrível
hq2x: tenta suavizar bordas serrilhadas e fica bom; exige cor de 16 bits 
Paralelo: quadros pares e ímpares são mostrados lado a lado</translation>
    </message>
    <message>
        <source>&amp;Flipped</source>
        <extracomment>Page flipping: the picture is drawn into a second buffer while the first is shown, then the two swap (the video term, not mirrored or turned over)</extracomment>
        <translation>Troca de pá&amp;ginas</translation>
    </message>
    <message>
        <source>Reduces colour flickering,
but reduces speed</source>
        <translation>Reduz a cintilação das cores,
mas reduz a velocidade</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>Stops &quot;tearing&quot;, but reduces speed.
Better than Flipped</source>
        <extracomment>Flipped is the page-flipping box beside it: use the same word</extracomment>
        <translation>Evita o &quot;tearing&quot;, mas reduz a velocidade.
Melhor que a troca de páginas</translation>
    </message>
    <message>
        <source>Tri&amp;ple buffered</source>
        <translation>Buffer tri&amp;plo</translation>
    </message>
    <message>
        <source>Use three video buffers to enable VSync updates without slowing emulation - best option</source>
        <translation>Usa três buffers de vídeo para ativar o VSync sem deixar a emulação lenta – a melhor opção</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>E&amp;sticar</translation>
    </message>
    <message>
        <source>Strecth the image to fill the screen/window</source>
        <translation>Estica a imagem para preencher a tela ou a janela</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Add a new blitter</source>
        <translation>Adiciona um novo blitter</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>R&amp;enomear</translation>
    </message>
    <message>
        <source>Rename the currently selected blitter</source>
        <translation>Renomeia o blitter selecionado</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Delete the currently selected blitter</source>
        <translation>Exclui o blitter selecionado</translation>
    </message>
    <message>
        <source>&amp;Uncomment</source>
        <translation>&amp;Descomentar</translation>
    </message>
    <message>
        <source>Most of the blitters in quib.blt are commented out.
Click on this button to make them all available</source>
        <translation>A maioria dos blitters em quib.blt está comentada.
Clique neste botão para deixar todos disponíveis</translation>
    </message>
    <message>
        <source>Blitter name</source>
        <translation>Nome do blitter</translation>
    </message>
    <message>
        <source>Please confirm blitter deletion</source>
        <translation>Confirme a exclusão do blitter</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this blitter:<byte value="xd"/>%1</source>
        <translation>Tem certeza de que deseja excluir este blitter?<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>This is an automated function and should correctly uncomment all of the blitters.<byte value="xd"/>It works OK with my standard Quib.blt, but could possibly mess up a modified file.<byte value="xd"/>Note that the uncommented blitters might need some tweaking to work as well as possible.<byte value="xd"/><byte value="xd"/>Are you sure you want to continue?</source>
        <translation>Esta é uma função automática e deve descomentar corretamente todos os blitters.<byte value="xd"/>Funciona bem com o meu Quib.blt padrão, mas pode bagunçar um arquivo modificado.<byte value="xd"/>Observe que os blitters descomentados podem precisar de alguns ajustes para funcionar da melhor forma.<byte value="xd"/><byte value="xd"/>Tem certeza de que deseja continuar?</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Autodetect</source>
        <translation>Detecção automática</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>A video driver: the mode that works on any card (not &quot;secure&quot;).</extracomment>
        <translation>Modo de segurança</translation>
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
        <translation>Detecção automática (janela)</translation>
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
        <translation>DirectX (modo de segurança)</translation>
    </message>
    <message>
        <source>DirectX (windowed)</source>
        <translation>DirectX (janela)</translation>
    </message>
    <message>
        <source>DirectX (windowed overlay)</source>
        <translation>DirectX (janela com overlay)</translation>
    </message>
    <message>
        <source>GDI (windowed)</source>
        <translation>GDI (janela)</translation>
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
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Rest of the world</source>
        <translation>Resto do mundo</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>2 button</source>
        <translation>2 botões</translation>
    </message>
    <message>
        <source>4 button</source>
        <translation>4 botões</translation>
    </message>
    <message>
        <source>6 button</source>
        <translation>6 botões</translation>
    </message>
    <message>
        <source>8 button</source>
        <translation>8 botões</translation>
    </message>
    <message>
        <source>Dual (2 pads/sticks)</source>
        <translation>Duplo (2 controles/joysticks)</translation>
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
        <translation>DB9 (ex.: controle do SMS)</translation>
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
        <translation>Mostrar os dois lados</translation>
    </message>
    <message>
        <source>Show left side</source>
        <translation>Mostrar o lado esquerdo</translation>
    </message>
    <message>
        <source>Show right side</source>
        <translation>Mostrar o lado direito</translation>
    </message>
    <message>
        <source>Use glasses on COM port 1</source>
        <translation>Óculos na porta COM 1</translation>
    </message>
    <message>
        <source>Use glasses on COM port 2</source>
        <translation>Óculos na porta COM 2</translation>
    </message>
    <message>
        <source>OPL is not possible under Windows NT/2000/XP</source>
        <translation>OPL não é possível no Windows NT/2000/XP</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>An image filter: every pixel drawn twice as wide and high.</extracomment>
        <translation>Dobrado</translation>
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
        <translation>Modo TV (dobrado)</translation>
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
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no joypad driver</comment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no FM engine</comment>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>ColourChooserForm</name>
    <message>
        <source>Colour chooser</source>
        <translation>Seletor de cores</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Vermelho</translation>
    </message>
    <message>
        <source>You can enter values in the range 0..255 but they will be rounded off for Quib</source>
        <translation>Você pode digitar valores de 0 a 255, mas eles serão arredondados para o Quib</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>V&amp;erde</translation>
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
        <translation>Ma&amp;tiz</translation>
    </message>
    <message>
        <source>The type of the colour</source>
        <translation>O tipo da cor</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>&amp;Sat.</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>The strength of the colour</source>
        <translation>A intensidade da cor</translation>
    </message>
    <message>
        <source>&amp;Lum</source>
        <translation>&amp;Lum.</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminosidade</translation>
    </message>
    <message>
        <source>The brightness of the colour</source>
        <translation>O brilho da cor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Cor escolhida</translation>
    </message>
</context>
<context>
    <name>ConfiguratorSettings</name>
    <message>
        <source>Configurator settings</source>
        <translation>Configurações do configurador</translation>
    </message>
    <message>
        <source>&amp;Quib location:</source>
        <translation>Local do &amp;Quib:</translation>
    </message>
    <message>
        <source>Locate Quib</source>
        <translation>Localizar o Quib</translation>
    </message>
    <message>
        <source>&amp;Run Quib</source>
        <translation>&amp;Executar Quib</translation>
    </message>
    <message>
        <source>Run Qu&amp;ibW</source>
        <translation>Executar Qu&amp;ibW</translation>
    </message>
    <message>
        <source>When ticked, the run buttons first ask for a game file to load.
Cancelling that question starts the emulator without a game.</source>
        <translation>Quando marcada, os botões de executar pedem primeiro um arquivo de jogo.
Cancelar essa pergunta inicia o emulador sem jogo.</translation>
    </message>
    <message>
        <source>Load ROM on run</source>
        <translation>Carregar ROM ao executar</translation>
    </message>
    <message>
        <source>Reads every settings file again, discarding changes not yet applied</source>
        <translation>Lê de novo todos os arquivos de configuração e descarta as alterações ainda não aplicadas</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>&amp;Desfazer alterações</translation>
    </message>
    <message>
        <source>Shows again every message you chose not to see</source>
        <translation>Volta a mostrar todas as mensagens que você escolheu não ver</translation>
    </message>
    <message>
        <source>Reset &amp;warnings</source>
        <translation>Redefinir a&amp;visos</translation>
    </message>
    <message>
        <source>If only one is available, this setting will be ignored</source>
        <translation>Se só houver um disponível, esta configuração é ignorada</translation>
    </message>
    <message>
        <source>Prefer settings &amp;from</source>
        <translation>Preferir con&amp;figurações de</translation>
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
        <translation>&amp;Visualizador de tiles</translation>
    </message>
    <message>
        <source>Tiles above 448 are usually not used and show junk due to the memory being used for other things.</source>
        <translation>Tiles acima de 448 geralmente não são usados e mostram lixo, porque essa memória é usada para outras coisas.</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tiles</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>Modo de depuração</translation>
    </message>
    <message>
        <source>Quib will always act as if invoked with the /DEBUG parameter</source>
        <translation>O Quib sempre vai agir como se fosse iniciado com o parâmetro /DEBUG</translation>
    </message>
    <message>
        <source>Always &amp;enabled</source>
        <translation>Sempre &amp;ativado</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>Depurador</translation>
    </message>
    <message>
        <source>&amp;Console</source>
        <translation>&amp;Console</translation>
    </message>
    <message>
        <source>How high the top half of the debugger window is</source>
        <translation>A altura da metade de cima da janela do depurador</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>linhas</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>&amp;Desmontagem</translation>
    </message>
    <message>
        <source>How high the bottom half of the debugger window is</source>
        <translation>A altura da metade de baixo da janela do depurador</translation>
    </message>
    <message>
        <source>Save debugger console output to debug\debuglog.txt</source>
        <translation>Salva a saída do console do depurador em debug\debuglog.txt</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>Load NO$GMB style symbol files and replace references where possible</source>
        <translation>Carrega arquivos de símbolos no estilo do NO$GMB e substitui as referências quando possível</translation>
    </message>
    <message>
        <source>&amp;Show labels</source>
        <translation>Mostrar &amp;rótulos</translation>
    </message>
    <message>
        <source>Memory editor default size</source>
        <translation>Tamanho padrão do editor de memória</translation>
    </message>
    <message>
        <source>How high the memory editor window is</source>
        <translation>A altura da janela do editor de memória</translation>
    </message>
    <message>
        <source>lines x</source>
        <translation>linhas x</translation>
    </message>
    <message>
        <source>How many bytes per row; should usually be a multiple of 8</source>
        <translation>Quantos bytes por linha; normalmente deve ser múltiplo de 8</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>colunas</translation>
    </message>
</context>
<context>
    <name>DonatePage</name>
    <message>
        <source>Donate to support Quib and its community</source>
        <translation>Faça uma doação para apoiar o Quib e sua comunidade</translation>
    </message>
    <message>
        <source>&amp;CPU speed</source>
        <translation>Velocidade da &amp;CPU</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Video card memory</source>
        <translation>Memória da placa de &amp;vídeo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>&amp;Suggested donation</source>
        <translation>Doação &amp;sugerida</translation>
    </message>
    <message>
        <source>This calculation is just for fun! Read quib.txt for more information on donating.</source>
        <translation>Este cálculo é só por diversão! Leia quib.txt para saber mais sobre doações.</translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Sprite &amp;flickering</source>
        <translation>&amp;Cintilação de sprites</translation>
    </message>
    <message>
        <source>Emulates a limit of the console&apos;s video chip: only a few
sprites fit on one line, the others disappear (they flicker).
Some games rely on it to hide sprites on purpose.
Automatic only uses it for the games that need it</source>
        <translation>Emula um limite do chip de vídeo do console: só alguns
sprites cabem em uma linha, os outros somem (piscam).
Alguns jogos usam isso para esconder sprites de propósito.
Automático só usa nos jogos que precisam</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>Paí&amp;s</translation>
    </message>
    <message>
        <source>Choose Japan to see the Japanese names for some games in Quib,
the Mark III logo and japanese text and/or different title screens in some games</source>
        <translation>Escolha Japão para ver no Quib os nomes japoneses de alguns jogos,
o logotipo do Mark III e texto em japonês e/ou telas de título diferentes em alguns jogos</translation>
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
        <translation>Afeta o número de linhas de tela emuladas.
Não importa muito qual você escolhe,
pois o Quib muda a configuração se precisar.
Alguns jogos usam isso para detectar a velocidade PAL/NTSC,
então o salto de quadros deve combinar (PAL/50, NTSC/60)</translation>
    </message>
    <message>
        <source>3&amp;D mode</source>
        <translation>Modo &amp;3D</translation>
    </message>
    <message>
        <source>Disable this to load games faster,
enable it for nostalgia</source>
        <translation>Desative para carregar os jogos mais rápido,
ative por nostalgia</translation>
    </message>
    <message>
        <source>Show &amp;BIOS logo</source>
        <translation>Mostrar o logotipo da &amp;BIOS</translation>
    </message>
    <message>
        <source>Frameskip</source>
        <translation>Salto de quadros</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F2</source>
        <translation>Tecla de atalho no Quib:
F2</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nual</translation>
    </message>
    <message>
        <source>Show one frame in &amp;every</source>
        <translation>Mostrar um quadro a cad&amp;a</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F3 &amp; F4</source>
        <translation>Teclas de atalho no Quib:
F3 &amp; F4</translation>
    </message>
    <message>
        <source>A&amp;utomatic</source>
        <translation>A&amp;utomático</translation>
    </message>
    <message>
        <source>Simulate refresh rate &amp;of</source>
        <translation>Simular &amp;frequência de</translation>
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
        <translation>O backup não contém nenhum dos arquivos de configuração.</translation>
    </message>
    <message>
        <source>It was replaced by another file while it was being saved.</source>
        <translation>Ele foi substituído por outro arquivo enquanto era salvo.</translation>
    </message>
    <message>
        <source>%1 Its old contents could not be put back.</source>
        <translation>%1 Não foi possível restaurar o conteúdo antigo dele.</translation>
    </message>
    <message>
        <source>%1 Its old contents are kept in &quot;%2&quot;.</source>
        <translation>%1 O conteúdo antigo dele está guardado em &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Windows error %1.</source>
        <translation>Erro do Windows %1.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>A pasta de backup &quot;%1&quot; é um link simbólico. Backups nunca são guardados nem lidos por meio de um: remova-o ou mova-o para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>O conjunto de backup &quot;%1&quot; é um link simbólico. Backups nunca são guardados nem lidos por meio de um: remova-o ou mova-o para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>O arquivo de backup &quot;%1&quot; é um link simbólico. Backups nunca são guardados nem lidos por meio de um: remova-o ou mova-o para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>A pasta de backup &quot;%1&quot; pertence a outro usuário. Backups só são guardados em pastas suas: remova-a ou mova-a para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>O conjunto de backup &quot;%1&quot; pertence a outro usuário. Backups só são guardados em pastas suas: remova-o ou mova-o para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>O arquivo de backup &quot;%1&quot; pertence a outro usuário. Backups só são guardados em pastas suas: remova-o ou mova-o para outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar a pasta de backup &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir a pasta de backup &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; from the backup. %2</source>
        <translation>Não foi possível ler &quot;%1&quot; do backup. %2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;.</source>
        <translation>Não foi possível abrir a pasta de backup &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>It is a file.</source>
        <translation>É um arquivo.</translation>
    </message>
    <message>
        <source>Nothing was saved: someone else changed these files on disk just before they were to be replaced:</source>
        <translation>Nada foi salvo: outra pessoa alterou estes arquivos no disco pouco antes de serem substituídos:</translation>
    </message>
    <message>
        <source>Nothing can be backed up: %1 is not set, so there is no folder for backups.</source>
        <translation>Não é possível fazer backup: %1 não está definida, então não há pasta para os backups.</translation>
    </message>
    <message>
        <source>Cannot flush the backup folder &quot;%1&quot;. %2</source>
        <translation>Não foi possível gravar no disco a pasta de backup &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>Não foi possível gravar &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is missing.</source>
        <translation>O conjunto de backup &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; to back it up. %2</source>
        <translation>Não foi possível ler &quot;%1&quot; para fazer o backup dele. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;. %2</source>
        <translation>Não foi possível gravar o arquivo de backup &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot name the backup folder &quot;%1&quot;. %2</source>
        <translation>Não foi possível dar nome à pasta de backup &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot open the lock file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo de bloqueio &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Nothing was saved: another Quib Configurator is saving the files in &quot;%1&quot; right now. Try again when it is done; files it changed meanwhile are then shown as changed on disk.</source>
        <translation>Nada foi salvo: outro Quib Configurator está salvando os arquivos em &quot;%1&quot; neste momento. Tente de novo quando ele terminar; os arquivos que ele alterar nesse meio-tempo aparecerão então como alterados no disco.</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;. %2</source>
        <translation>Não foi possível bloquear &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Nothing was saved: the files it would replace could not be backed up first.<byte value="xd"/>%1</source>
        <translation>Nada foi salvo: não foi possível fazer antes o backup dos arquivos que seriam substituídos.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; pode conter parte das configurações novas e não pôde ser restaurado (%2); o conteúdo antigo dele está em &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; contém as configurações novas e não pôde ser restaurado (%2); o conteúdo antigo dele está em &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>&quot;%1&quot; pode conter parte das configurações novas e não pôde ser restaurado (%2); ele não existia antes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>&quot;%1&quot; contém as configurações novas e não pôde ser restaurado (%2); ele não existia antes.</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 The files already replaced were put back.</source>
        <translation>Nada foi salvo: %1 Os arquivos já substituídos foram restaurados.</translation>
    </message>
    <message>
        <source>Not all settings files were saved: %1</source>
        <translation>Nem todos os arquivos de configuração foram salvos: %1</translation>
    </message>
    <message>
        <source>As they were: %1.</source>
        <translation>Sem alterações: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>Nada foi salvo: %1</translation>
    </message>
    <message>
        <source>Saved: %1.</source>
        <translation>Salvos: %1.</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Não salvos: %1.</translation>
    </message>
    <message>
        <source>%1 may hold part of the new settings.</source>
        <translation>%1 pode conter parte das configurações novas.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não foi possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a settings file.</source>
        <translation>Tem mais de %1 MB, grande demais para um arquivo de configuração.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason the system gave for an error (its own words in %1), made a sentence of the message it stands in.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Its record is incomplete.</source>
        <translation>O registro dele está incompleto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer holds what was kept.</source>
        <translation>&quot;%1&quot; não contém mais o que foi guardado.</translation>
    </message>
    <message>
        <source>An Apply that did not finish cannot be put back: %1 The emulator&apos;s files are left as they are.</source>
        <translation>Um Aplicar que não terminou não pode ser desfeito: %1 Os arquivos do emulador ficam como estão.</translation>
    </message>
    <message>
        <source>Not every file could be put back:</source>
        <translation>Nem todos os arquivos puderam ser restaurados:</translation>
    </message>
</context>
<context>
    <name>GuiPage</name>
    <message>
        <source>... or fullscreen. Only works when
the game is passed on the commandline,
always opens in GUI otherwise</source>
        <translation>… ou em tela cheia. Só funciona quando
o jogo é passado na linha de comando;
caso contrário, sempre abre na interface</translation>
    </message>
    <message>
        <source>&amp;Start in GUI</source>
        <translation>&amp;Iniciar na interface</translation>
    </message>
    <message>
        <source>Video mode</source>
        <translation>Modo de vídeo</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>&amp;Resolução</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>Você pode digitar a resolução que
quiser, no formato [largura]x[altura]</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Driver</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best Vesa/DirectX mode your card supports</source>
        <translation>A detecção automática escolhe um modo mais lento, então
escolha o melhor modo VESA/DirectX que sua placa suporta</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <extracomment>The monitor&apos;s refresh rate (pictures per second); the same term as the Blitter page&apos;s Refresh rate</extracomment>
        <translation>A&amp;tualização</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>Taxas múltiplas da velocidade do sistema (50
ou 60), combinadas com VSync, dão os melhores resultados.
Valores altos não funcionam.</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>This will slow the GUI
but stop &apos;tearing&apos;</source>
        <translation>Deixa a interface mais lenta,
mas evita o &quot;tearing&quot;</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>&amp;VSync</translation>
    </message>
    <message>
        <source>File browser</source>
        <translation>Navegador de arquivos</translation>
    </message>
    <message>
        <source>&amp;pixels x</source>
        <translation>&amp;pixels x</translation>
    </message>
    <message>
        <source>&amp;lines</source>
        <translation>&amp;linhas</translation>
    </message>
    <message>
        <source>&amp;Use virtual long filenames</source>
        <translation>&amp;Usar nomes de arquivo longos virtuais</translation>
    </message>
    <message>
        <source>&amp;Close file browser after load</source>
        <translation>Fechar o navegador após &amp;carregar</translation>
    </message>
    <message>
        <source>&amp;Fullscreen/windowed after load</source>
        <translation>Tela cheia/janela após carre&amp;gar</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Rapid-fire</source>
        <translation>Tiro rápido</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Button &amp;1</source>
        <translation>Botão &amp;1</translation>
    </message>
    <message>
        <source>Button &amp;2</source>
        <translation>Botão &amp;2</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>&amp;Button 1</source>
        <translation>&amp;Botão 1</translation>
    </message>
    <message>
        <source>Bu&amp;tton 2</source>
        <translation>Bo&amp;tão 2</translation>
    </message>
    <message>
        <source>Mouse speed</source>
        <translation>Velocidade do mouse</translation>
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
        <translation>Velocidades do mouse:
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
        <translation>Geral</translation>
    </message>
    <message>
        <source>&amp;Cabinet mode</source>
        <translation>Modo &amp;fliperama</translation>
    </message>
    <message>
        <source>When enabled, F10 (quit) and Esc (toggle fullscreen) reverse their meanings</source>
        <translation>Quando ativado, F10 (sair) e Esc (alternar tela cheia) trocam de função</translation>
    </message>
    <message>
        <source>Allow &amp;opposite directions</source>
        <translation>Permitir direções &amp;opostas</translation>
    </message>
    <message>
        <source>Real pads stop you from pressing L+R or U+D simultaneously; some games have bugs if this input occurs, but other games might need it to be possible</source>
        <translation>Controles reais impedem apertar E+D ou C+B ao mesmo tempo; alguns jogos têm bugs com essa entrada, mas outros podem precisar dela</translation>
    </message>
    <message>
        <source>Joypad/stick (DOS only)</source>
        <translation>Controle/joystick (só DOS)</translation>
    </message>
    <message>
        <source>QuibW uses any joystick loaded through DirectInput</source>
        <translation>O QuibW usa qualquer joystick carregado pelo DirectInput</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>&amp;Driver</translation>
    </message>
    <message>
        <source>&amp;Using DirectPad Pro on</source>
        <translation>&amp;Usar DirectPad Pro em</translation>
    </message>
    <message>
        <source>DirectPad Pro is a device which lets you use
console joypads on your PC via the parallel port</source>
        <translation>DirectPad Pro é um adaptador que permite usar
controles de console no PC pela porta paralela</translation>
    </message>
    <message>
        <source>&amp;IfSega card type</source>
        <translation>Tipo de placa &amp;IfSega</translation>
    </message>
    <message>
        <source>IfSega is an expansion board which
lets you use Saturn pads on your PC</source>
        <translation>IfSega é uma placa de expansão que permite
usar controles de Saturn no PC</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>...when you load a game</source>
        <translation>… ao carregar um jogo</translation>
    </message>
    <message>
        <source>Show product &amp;numbers</source>
        <translation>Mostrar os &amp;números de produto</translation>
    </message>
    <message>
        <source>Show messages in &amp;fullscreen mode</source>
        <translation>Mostrar mensagens em &amp;tela cheia</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Sega fanboy settings</source>
        <translation>Configurações para fãs da Sega</translation>
    </message>
    <message>
        <source>&amp;NES sucks</source>
        <translation>O &amp;NES é um lixo</translation>
    </message>
    <message>
        <source>If he is, maybe Quib can
play some NES roms?</source>
        <translation>Se for, talvez o Quib consiga
rodar algumas ROMs de NES?</translation>
    </message>
    <message>
        <source>Mario is a fat &amp;plumber</source>
        <translation>Mario é um encanador &amp;gordo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please remember that Quib&apos;s NES support is unofficial and unsupported.<byte value="xd"/>It will only play a few NES games.<byte value="xd"/>There are better NES emulators available.<byte value="xd"/>PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES EMULATION.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Lembre-se de que o suporte a NES do Quib é extraoficial e não tem suporte.<byte value="xd"/>Só alguns jogos de NES funcionam.<byte value="xd"/>Existem emuladores de NES melhores.<byte value="xd"/>POR FAVOR, NÃO MANDE E-MAIL AO AUTOR DO QUIB NEM AO AUTOR DO QUIB CONFIGURATOR SOBRE A EMULAÇÃO DE NES.<byte value="xd"/><byte value="xd"/>Mostrar esta mensagem novamente?</translation>
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
        <translation>Fechar este aviso</translation>
    </message>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>%1 foi alterado no disco.</numerusform>
            <numerusform>%1 foram alterados no disco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>%n de suas alterações também foi alterada lá; Aplicar perguntará qual manter.</numerusform>
            <numerusform>%n de suas alterações também foram alteradas lá; Aplicar perguntará quais manter.</numerusform>
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
            <numerusform>Quib regravou %1 e desfez a configuração que você aplicou: %2</numerusform>
            <numerusform>Quib regravou %1 e desfez %n das configurações que você aplicou: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>See the change</source>
        <translation>Ver a alteração</translation>
    </message>
    <message>
        <source>Apply them again</source>
        <extracomment>Saves again the settings Quib set back.</extracomment>
        <translation>Aplicar de novo</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Leaves the file as it is now on disk.</extracomment>
        <translation>Manter</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The Apply made at %1 did not finish (the program ended, or the power went). </source>
        <translation>O Aplicar feito em %1 não terminou (o programa foi encerrado ou a energia caiu). </translation>
    </message>
    <message>
        <source>It had replaced:</source>
        <translation>Ele já tinha substituído:</translation>
    </message>
    <message>
        <source>Apply not finished</source>
        <translation>Aplicar não concluído</translation>
    </message>
    <message>
        <source>These still hold what they held before it:</source>
        <translation>Estes ainda contêm o que tinham antes:</translation>
    </message>
    <message>
        <source>These hold neither what they held before it nor what it wrote, and are left as they are:</source>
        <translation>Estes não contêm nem o que tinham antes nem o que ele gravou, e ficam como estão:</translation>
    </message>
    <message>
        <source>Do you want to put the emulator&apos;s folder back as it was before that Apply?<byte value="xd"/><byte value="xd"/>Yes gives the files it had replaced what they held before it (what they hold now is kept as a backup too); No keeps every file as it is now.</source>
        <translation>Deseja voltar a pasta do emulador ao estado de antes desse Aplicar?<byte value="xd"/><byte value="xd"/>Sim devolve aos arquivos que ele tinha substituído o que tinham antes (o que eles têm agora também fica guardado como backup); Não mantém cada arquivo como está agora.</translation>
    </message>
</context>
<context>
    <name>ScreenshotsPage</name>
    <message>
        <source>Screenshot &amp;filename:</source>
        <translation>&amp;Nome das capturas de tela:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>Não use caracteres proibidos em nomes de arquivo,
como &quot; \ / , + ? (entre outros)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Número de letras a que o nome é limitado;
digite * para não limitar</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caracteres do nome do arquivo +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Número mínimo de dígitos;
digite * para não ter mínimo</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>dígitos de número +</translation>
    </message>
    <message>
        <source>Example: the fifth screenshot from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Exemplo: a quinta captura do arquivo &quot;Sonic the Hedgehog 2.sms&quot; vai se chamar:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caracteres do nome do arquivo</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texto após o nome do arquivo</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Dígitos do número</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texto após o número</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensão</translation>
    </message>
</context>
<context>
    <name>SoundLoggingPage</name>
    <message>
        <source>&amp;Filename:</source>
        <translation>&amp;Nome do arquivo:</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>Não use caracteres proibidos em nomes de arquivo,
como &quot; \ / , + ? (entre outros)</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>Número de letras a que o nome é limitado;
digite * para não limitar</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>caracteres do nome do arquivo +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>Número mínimo de dígitos;
digite * para não ter mínimo</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>dígitos de número +</translation>
    </message>
    <message>
        <source>&amp;Sample accurate</source>
        <translation>&amp;Precisão de amostra</translation>
    </message>
    <message>
        <source>Sample-accurate VGMs are larger for almost identical output;
but non-sample-accurate VGMs cannot store samples (voices)</source>
        <translation>VGMs com precisão de amostra são maiores para um resultado quase idêntico,
mas os sem essa precisão não guardam amostras (vozes)</translation>
    </message>
    <message>
        <source>Example: the fifth sound dump from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>Exemplo: a quinta gravação de som do arquivo &quot;Sonic the Hedgehog 2.sms&quot; vai se chamar:</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>Caracteres do nome do arquivo</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>Texto após o nome do arquivo</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>Dígitos do número</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>Texto após o número</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Sound &amp;card</source>
        <translation>&amp;Placa de som</translation>
    </message>
    <message>
        <source>Sampling &amp;rate</source>
        <translation>&amp;Taxa de amostragem</translation>
    </message>
    <message>
        <source>Higher numbers give better sound quality.
It may reset to 21739 on some sound cards</source>
        <translation>Números maiores dão melhor qualidade de som.
Em algumas placas pode voltar para 21739</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Emulate &amp;FM unit</source>
        <translation>Emular a unidade &amp;FM</translation>
    </message>
    <message>
        <source>FM &amp;engine</source>
        <translation>M&amp;otor FM</translation>
    </message>
    <message>
        <source>OPL may not work depending on your sound card and OS.
Digital uses more CPU time</source>
        <translation>O OPL pode não funcionar, dependendo da placa de som e do sistema.
Digital usa mais tempo de CPU</translation>
    </message>
    <message>
        <source>&amp;OPL speed</source>
        <translation>Velocidade do OP&amp;L</translation>
    </message>
    <message>
        <source>If FM music skips when using OPL, increase this value;
if your sound card takes a long time to initialise, decrease it</source>
        <translation>Se a música FM falhar ao usar OPL, aumente este valor;
se a placa de som demorar para inicializar, diminua</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message>
        <source>unchanged</source>
        <translation>sem alterações</translation>
    </message>
    <message>
        <source>line ends only</source>
        <translation>só finais de linha</translation>
    </message>
    <message>
        <source>%1 (changed on disk since it was loaded): %2</source>
        <translation>%1 (alterado no disco desde que foi carregado): %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Missing line ends become %1: %2</source>
        <translation>Finais de linha ausentes viram %1: %2</translation>
    </message>
    <message>
        <source>%1 line ends are dropped: %2</source>
        <translation>Finais de linha %1 são removidos: %2</translation>
    </message>
    <message>
        <source>%1 line ends become %3: %2</source>
        <translation>Finais de linha %1 viram %3: %2</translation>
    </message>
    <message>
        <source>The file stays as it is.</source>
        <translation>O arquivo fica como está.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Mudanças</translation>
    </message>
    <message>
        <source>What Apply would change in each file, compared with the file on disk now.</source>
        <translation>O que Aplicar mudaria em cada arquivo, comparado com o arquivo que está no disco agora.</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurar...</translation>
    </message>
    <message>
        <source>Writes back a set of files kept before an earlier Apply</source>
        <translation>Grava de volta um conjunto de arquivos guardado antes de um Aplicar anterior</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Reads the files on disk again and compares anew.</extracomment>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Apply would write nothing: the settings files could not all be read.</source>
        <translation>Aplicar não gravaria nada: não foi possível ler todos os arquivos de configuração.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 of both; every change there is shown.</source>
        <translation>Comparado: linhas 1 a %1 dos dois lados; toda alteração nelas é mostrada.</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is shown.</source>
        <translation>Comparado: linhas 1 a %1 no disco, 1 a %2 a gravar; toda alteração nelas é mostrada.</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
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
            <numerusform>%n linha adicionada</numerusform>
            <numerusform>%n linhas adicionadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n removida</numerusform>
            <numerusform>%n removidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>pelo menos %n linha muda</numerusform>
            <numerusform>pelo menos %n linhas mudam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>; %n é mostrada</numerusform>
            <numerusform>; as %n primeiras são mostradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>arquivo novo, %n linha</numerusform>
            <numerusform>arquivo novo, %n linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>O arquivo fica como está.</numerusform>
            <numerusform>Os %n arquivos ficam como estão.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 of 1 file changes: %1</source>
        <translation>1 de 1 arquivo muda: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>%n de %1 arquivos muda: %2</numerusform>
            <numerusform>%n de %1 arquivos mudam: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Too long to compare in full (%1, %2).</source>
        <translation>Longo demais para comparar por inteiro (%1, %2).</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>%n linha no disco</numerusform>
            <numerusform>%n linhas no disco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>%n a gravar</numerusform>
            <numerusform>%n a gravar</numerusform>
        </translation>
    </message>
    <message>
        <source>After them, lined up one against one: %1, %2 (not shown).</source>
        <translation>Depois, confrontadas uma a uma: %1, %2 (não mostradas).</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionada</numerusform>
            <numerusform>%n adicionadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>Mais %n linha de diferenças não é mostrada.</numerusform>
            <numerusform>Mais %n linhas de diferenças não são mostradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>What changed in each file on disk, compared with the file as the window last read it.</source>
        <translation>O que mudou em cada arquivo no disco, comparado com o arquivo como a janela o leu pela última vez.</translation>
    </message>
</context>
<context>
    <name>TConflictsForm</name>
    <message>
        <source>Settings changed in two places</source>
        <translation>Configurações alteradas em dois lugares</translation>
    </message>
    <message>
        <source>These settings were changed in this window and also on disk since the files were loaded. Choose for each the value to keep: nothing is saved until each one is answered.</source>
        <translation>Estas configurações foram alteradas nesta janela e também no disco desde que os arquivos foram carregados. Escolha para cada uma o valor a manter: nada é salvo até que todas sejam respondidas.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>When loaded</source>
        <translation>Ao carregar</translation>
    </message>
    <message>
        <source>In the window</source>
        <translation>Na janela</translation>
    </message>
    <message>
        <source>On disk now</source>
        <translation>No disco agora</translation>
    </message>
    <message>
        <source>Keep all from the &amp;window</source>
        <translation>Manter tudo da &amp;janela</translation>
    </message>
    <message>
        <source>Keeps the window&apos;s value of every setting</source>
        <translation>Mantém o valor da janela em cada configuração</translation>
    </message>
    <message>
        <source>Keep all from &amp;disk</source>
        <translation>Manter tudo do &amp;disco</translation>
    </message>
    <message>
        <source>Keeps the value on disk of every setting</source>
        <translation>Mantém o valor do disco em cada configuração</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Saves, once every setting is answered</source>
        <translation>Salva, quando todas as configurações forem respondidas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saves nothing</source>
        <translation>Não salva nada</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(não está no arquivo)</translation>
    </message>
    <message>
        <source>%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.</source>
        <extracomment>What a screen reader says of each row of the table: %1 a setting, %2 its file, %3 to %5 its values.</extracomment>
        <translation>%1 em %2. Ao carregar: %3. Na janela: %4. No disco agora: %5.</translation>
    </message>
    <message>
        <source>Keep the window&apos;s value: %1</source>
        <translation>Manter o valor da janela: %1</translation>
    </message>
    <message>
        <source>Keep the value on disk: %1</source>
        <translation>Manter o valor do disco: %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Blitter</source>
        <translation>Blitter</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>Depuração</translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation>Emulação</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Diversos</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Capturas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound logging</source>
        <translation>Gravação de som</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Shows what Apply would change in each file, and restores backups</source>
        <translation>Mostra o que Aplicar mudaria em cada arquivo e restaura backups</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Aplicar &amp;&amp; executar</translation>
    </message>
    <message>
        <source>Please locate Quib or QuibW (or press Cancel)</source>
        <translation>Localize o Quib ou o QuibW (ou clique em Cancelar)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>You need to locate Quib so this program can load its settings files.<byte value="xd"/>This program will now close.</source>
        <translation>Você precisa localizar o Quib para que este programa carregue os arquivos de configuração dele.<byte value="xd"/>O programa será fechado agora.</translation>
    </message>
    <message>
        <source>One or more of the required configuration files was not found.<byte value="xd"/><byte value="xd"/>The required files are:<byte value="xd"/>Either quib.cfg (for Quib) or quibw.cfg (for QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (input)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (themes)<byte value="xd"/><byte value="xd"/>Do you want to relocate Quib?</source>
        <translation>Um ou mais arquivos de configuração necessários não foram encontrados.<byte value="xd"/><byte value="xd"/>Os arquivos necessários são:<byte value="xd"/>quib.cfg (para o Quib) ou quibw.cfg (para o QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (entrada)<byte value="xd"/>quib.msg (mensagens)<byte value="xd"/>quib.thm (temas)<byte value="xd"/><byte value="xd"/>Deseja localizar o Quib de novo?</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>É preciso reiniciar</translation>
    </message>
    <message>
        <source>Please restart the program to try again.</source>
        <translation>Reinicie o programa para tentar de novo.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <translation>Versão diferente</translation>
    </message>
    <message>
        <source>Quib Configurator has detected that you are running it on a version of Quib other than the one it was designed for.<byte value="xd"/>
It will continue to run but please note that it is not guaranteed to work well or at all. It will not destroy your Quib settings.<byte value="xd"/>
You might want to see if a new version of Quib Configurator has been released yet.</source>
        <translation>O Quib Configurator detectou que você o está usando com uma versão do Quib diferente daquela para a qual foi feito.<byte value="xd"/>
Ele vai continuar funcionando, mas não há garantia de que funcione bem, ou mesmo que funcione. Ele não vai destruir suas configurações do Quib.<byte value="xd"/>
Talvez valha a pena ver se já saiu uma nova versão do Quib Configurator.</translation>
    </message>
    <message>
        <source>Nothing was saved: the settings files in &quot;%1&quot; could not all be read</source>
        <translation>Nada foi salvo: não foi possível ler todos os arquivos de configuração em &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Configurações salvas</translation>
    </message>
    <message>
        <source>Settings saved.<byte value="xd"/><byte value="xd"/>Do you want to see this message again?</source>
        <translation>As configurações foram salvas.<byte value="xd"/><byte value="xd"/>Deseja ver esta mensagem novamente?</translation>
    </message>
    <message>
        <source>Load ROM...</source>
        <translation>Carregar ROM...</translation>
    </message>
    <message>
        <source>All roms</source>
        <translation>Todas as ROMs</translation>
    </message>
    <message>
        <source>Zipped roms</source>
        <translation>ROMs compactadas</translation>
    </message>
    <message>
        <source>Quib is running</source>
        <translation>O Quib está em execução</translation>
    </message>
    <message>
        <source>It looks like Quib is running - your settings will be overwritten when it quits. Try not to use Quib Configurator when Quib is running to avoid confusion.</source>
        <translation>Parece que o Quib está em execução – suas configurações serão sobrescritas quando ele for fechado. Evite usar o Quib Configurator com o Quib aberto para não causar confusão.</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Chan&amp;ges...</source>
        <translation>&amp;Mudanças...</translation>
    </message>
    <message>
        <source>Emulator build</source>
        <translation>Versão do emulador</translation>
    </message>
    <message>
        <source>Log format</source>
        <translation>Formato de gravação</translation>
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
        <translation>Nenhum arquivo tem backup ainda: um backup é feito sempre que Aplicar os substitui.</translation>
    </message>
    <message>
        <source>Before each Apply the files it replaced were kept. Choose the set to write back:</source>
        <translation>Antes de cada Aplicar, os arquivos substituídos foram guardados. Escolha o conjunto a restaurar:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Gravar de volta os arquivos guardados em %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Os arquivos atuais são copiados antes. Depois, todas as páginas são carregadas de novo dos arquivos: alterações ainda não aplicadas são perdidas.</translation>
    </message>
    <message>
        <source>Backup sets</source>
        <translation>Conjuntos de backups</translation>
    </message>
</context>
<context>
    <name>TThemeEditorForm</name>
    <message>
        <source>&lt;default&gt;</source>
        <translation>&lt;padrão&gt;</translation>
    </message>
    <message>
        <source>Theme name</source>
        <translation>Nome do tema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>Esse nome já existe!</translation>
    </message>
    <message>
        <source>The name you chose already exists! Please choose another name.</source>
        <translation>O nome escolhido já existe! Escolha outro nome.</translation>
    </message>
    <message>
        <source>Please confirm theme deletion</source>
        <translation>Confirme a exclusão do tema</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this theme:<byte value="xd"/>%1</source>
        <translation>Tem certeza de que deseja excluir este tema?<byte value="xd"/>%1</translation>
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
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Esticada</translation>
    </message>
    <message>
        <source>Integer stretched</source>
        <translation>Esticada (fator inteiro)</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centralizada</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordas</translation>
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
        <translation>Destacado</translation>
    </message>
    <message>
        <source>Title bars</source>
        <translation>Barras de título</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativa</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Em cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Embaixo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borda</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Listboxes</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>Barras de rolagem</translation>
    </message>
    <message>
        <source>Scroller</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Special effect</source>
        <translation>Efeito especial</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sangue</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corações</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>Autor(es)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Reno&amp;mear</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Parts of the interface</source>
        <translation>Partes da interface</translation>
    </message>
    <message>
        <source>Picture mode</source>
        <translation>Modo da imagem</translation>
    </message>
    <message>
        <source>Gradient start</source>
        <translation>Início do degradê</translation>
    </message>
    <message>
        <source>Gradient finish</source>
        <translation>Fim do degradê</translation>
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
        <translation>A maioria dos temas em quib.thm está comentada
porque não caberiam no menu do Quib.
Clique neste botão para deixar todos disponíveis</translation>
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
        <translation>Esta é uma prévia do tema selecionado.
Ela leva em conta a resolução escolhida na aba Interface,
mas só para a escala da imagem de fundo.</translation>
    </message>
    <message>
        <source>This is an automated function and may not correctly uncomment all of the themes.<byte value="xd"/>It works fine on my standard Quib.thm but could possibly mess up a modified file.<byte value="xd"/>Do you want to continue?</source>
        <translation>Esta é uma função automática e pode não descomentar corretamente todos os temas.<byte value="xd"/>Funciona bem com o meu Quib.thm padrão, mas pode bagunçar um arquivo modificado.<byte value="xd"/>Deseja continuar?</translation>
    </message>
    <message>
        <source>Quib themes page</source>
        <translation>Página de temas do Quib</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Pré-visualização do tema</translation>
    </message>
</context>
<context>
    <name>ThemePreview</name>
    <message>
        <source>Picture not found</source>
        <translation>Imagem não encontrada</translation>
    </message>
    <message>
        <source>This theme should have a background picture:<byte value="xd"/>%1<byte value="xd"/>but it&apos;s not there.<byte value="xd"/>You may need to download the theme pictures from the Quib website.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Este tema deveria ter uma imagem de fundo:<byte value="xd"/>%1<byte value="xd"/>mas ela não está lá.<byte value="xd"/>Talvez você precise baixar as imagens dos temas no site do Quib.<byte value="xd"/><byte value="xd"/>Mostrar esta mensagem novamente?</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <extracomment>The button that raises the number beside it by one.</extracomment>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that lowers the number beside it by one.</extracomment>
        <translation>Para baixo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the settings files of the Quib emulator.</source>
        <translation>Edita os arquivos de configuração do emulador Quib.</translation>
    </message>
    <message>
        <source>The language of the window: %1, or &quot;system&quot; for the system&apos;s (the default).</source>
        <translation>O idioma da janela: %1, ou &quot;system&quot; para o do sistema (padrão).</translation>
    </message>
    <message>
        <source>The emulator directory to open (the folder of quib.cfg); without it, the one opened last.</source>
        <translation>A pasta do emulador a abrir (a de quib.cfg); sem ela, a última aberta.</translation>
    </message>
    <message>
        <source>no translation for language &quot;%1&quot; (see --help)</source>
        <translation>não há tradução para o idioma &quot;%1&quot; (veja --help)</translation>
    </message>
    <message>
        <source>give at most one emulator directory (see --help)</source>
        <translation>informe no máximo uma pasta do emulador (veja --help)</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, set DISPLAY, or run it under xvfb-run</source>
        <translation>não há tela para abrir a janela (nem DISPLAY nem WAYLAND_DISPLAY estão definidos); inicie numa sessão de desktop, defina DISPLAY ou execute com xvfb-run</translation>
    </message>
</context>
</TS>
