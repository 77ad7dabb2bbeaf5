<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutPage</name>
    <message>
        <source>for Quib and QuibW 0.72 WIP</source>
        <translation>Quib および QuibW 0.72 WIP 用</translation>
    </message>
    <message>
        <source>Written by </source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Quib itself is the work of </source>
        <translation>Quib 本体の作者：</translation>
    </message>
    <message>
        <source>Links: </source>
        <translation>リンク：</translation>
    </message>
    <message>
        <source>My website</source>
        <translation>作者のウェブサイト</translation>
    </message>
    <message>
        <source>Quib homepage</source>
        <translation>Quib ホームページ</translation>
    </message>
    <message>
        <source>Documentation: </source>
        <translation>説明書：</translation>
    </message>
    <message>
        <source>Quib: </source>
        <translation>Quib: </translation>
    </message>
    <message>
        <source>Thanks to everyone who tested it, drew themes and sent in blitters.</source>
        <translation>テストしてくれた方、テーマを描いてくれた方、ブリッターを送ってくれた方、皆さんに感謝します。</translation>
    </message>
</context>
<context>
    <name>BlitterNameForm</name>
    <message>
        <source>Blitter name</source>
        <translation>ブリッター名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>BlitterPage</name>
    <message>
        <source>&amp;Blitter</source>
        <translation>ブリッター(&amp;B)</translation>
    </message>
    <message>
        <source>Press F1 in Quib to cycle
through the blitters</source>
        <translation>Quib で F1 を押すと
ブリッターを順に切り替えます</translation>
    </message>
    <message>
        <source>Blitter properties</source>
        <translation>ブリッターのプロパティ</translation>
    </message>
    <message>
        <source>Res&amp;olution</source>
        <translation>解像度(&amp;O)</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>任意の解像度を
[幅]x[高さ] の形式で入力できます</translation>
    </message>
    <message>
        <source>Refres&amp;h rate</source>
        <extracomment>How many pictures the screen shows per second (the monitor&apos;s refresh rate); the same term as the GUI page&apos;s Refresh</extracomment>
        <translation>リフレッシュレート(&amp;H)</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>システム速度（50 または 60）の倍数のリフレッシュレートを
VSync と組み合わせると最良の結果になります。
高すぎる値は動作しません。</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Driv&amp;er</source>
        <translation>ドライバー(&amp;E)</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best mode your card supports</source>
        <translation>自動検出では遅いモードが選ばれるので、
お使いのカードが対応する最良のモードを選んでください</translation>
    </message>
    <message>
        <source>&amp;Colour depth</source>
        <translation>色深度(&amp;C)</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>ビット</translation>
    </message>
    <message>
        <source>Bli&amp;tter</source>
        <translation>フィルター(&amp;T)</translation>
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
        <translation>SMS の画面を PC の画面にどう映すかを決めます。
ノーマル：効果なし
2 倍：画像を 2 倍に拡大し、512x384 の全画面でプレイできます
スキャンライン：1 行おきに黒くしてテレビを再現します（高速）
TV モード：1 行おきに暗くしてテレビを再現します（低速）
TV モード（2 倍）：上と同じですが、正しい比率になるよう横方向に引き伸ばします
Eagle：ギザギザを滑らかにしようとしますが、見た目はひどいです
hq2x：ギザギザを滑らかにし、見た目も良好です。16 ビットカラーが必要です 
パラレル：偶数フレームと奇数フレームを並べて表示します</translation>
    </message>
    <message>
        <source>&amp;Flipped</source>
        <extracomment>Page flipping: the picture is drawn into a second buffer while the first is shown, then the two swap (the video term, not mirrored or turned over)</extracomment>
        <translation>ページフリップ(&amp;F)</translation>
    </message>
    <message>
        <source>Reduces colour flickering,
but reduces speed</source>
        <translation>色のちらつきを抑えますが、
速度が落ちます</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>VSync(&amp;V)</translation>
    </message>
    <message>
        <source>Stops &quot;tearing&quot;, but reduces speed.
Better than Flipped</source>
        <extracomment>Flipped is the page-flipping box beside it: use the same word</extracomment>
        <translation>「ティアリング」を防ぎますが、速度が落ちます。
ページフリップより優れています</translation>
    </message>
    <message>
        <source>Tri&amp;ple buffered</source>
        <translation>トリプルバッファー(&amp;P)</translation>
    </message>
    <message>
        <source>Use three video buffers to enable VSync updates without slowing emulation - best option</source>
        <translation>3 つのビデオバッファーを使い、エミュレーションを遅くせずに VSync を有効にします。最良の選択です</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>引き伸ばし(&amp;S)</translation>
    </message>
    <message>
        <source>Strecth the image to fill the screen/window</source>
        <translation>画像を画面またはウィンドウいっぱいに引き伸ばします</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>追加(&amp;D)</translation>
    </message>
    <message>
        <source>Add a new blitter</source>
        <translation>新しいブリッターを追加します</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>名前の変更(&amp;R)</translation>
    </message>
    <message>
        <source>Rename the currently selected blitter</source>
        <translation>選択中のブリッターの名前を変更します</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>Delete the currently selected blitter</source>
        <translation>選択中のブリッターを削除します</translation>
    </message>
    <message>
        <source>&amp;Uncomment</source>
        <translation>コメント解除(&amp;U)</translation>
    </message>
    <message>
        <source>Most of the blitters in quib.blt are commented out.
Click on this button to make them all available</source>
        <translation>quib.blt のブリッターのほとんどはコメントアウトされています。
このボタンをクリックすると、すべて使えるようになります</translation>
    </message>
    <message>
        <source>Blitter name</source>
        <translation>ブリッター名</translation>
    </message>
    <message>
        <source>Please confirm blitter deletion</source>
        <translation>ブリッターの削除の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this blitter:<byte value="xd"/>%1</source>
        <translation>このブリッターを削除してもよろしいですか？<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This is an automated function and should correctly uncomment all of the blitters.<byte value="xd"/>It works OK with my standard Quib.blt, but could possibly mess up a modified file.<byte value="xd"/>Note that the uncommented blitters might need some tweaking to work as well as possible.<byte value="xd"/><byte value="xd"/>Are you sure you want to continue?</source>
        <translation>これは自動処理で、すべてのブリッターのコメントを正しく解除するはずです。<byte value="xd"/>標準の Quib.blt では問題ありませんが、変更されたファイルでは内容が崩れるおそれがあります。<byte value="xd"/>コメントを解除したブリッターは、最良の結果を得るために調整が必要な場合があります。<byte value="xd"/><byte value="xd"/>続行してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Autodetect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>A video driver: the mode that works on any card (not &quot;secure&quot;).</extracomment>
        <translation>セーフモード</translation>
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
        <translation>VESA 2（バンク切替）</translation>
    </message>
    <message>
        <source>Vesa 2 (linear)</source>
        <translation>VESA 2（リニア）</translation>
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
        <translation>自動検出（ウィンドウ）</translation>
    </message>
    <message>
        <source>DirectX (auto)</source>
        <translation>DirectX（自動）</translation>
    </message>
    <message>
        <source>DirectX (software)</source>
        <translation>DirectX（ソフトウェア）</translation>
    </message>
    <message>
        <source>DirectX (safe)</source>
        <translation>DirectX（セーフモード）</translation>
    </message>
    <message>
        <source>DirectX (windowed)</source>
        <translation>DirectX（ウィンドウ）</translation>
    </message>
    <message>
        <source>DirectX (windowed overlay)</source>
        <translation>DirectX（ウィンドウ・オーバーレイ）</translation>
    </message>
    <message>
        <source>GDI (windowed)</source>
        <translation>GDI（ウィンドウ）</translation>
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
        <translation>DirectX（試験的）</translation>
    </message>
    <message>
        <source>DirectX</source>
        <translation>DirectX</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Rest of the world</source>
        <translation>日本以外</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>2 button</source>
        <translation>2 ボタン</translation>
    </message>
    <message>
        <source>4 button</source>
        <translation>4 ボタン</translation>
    </message>
    <message>
        <source>6 button</source>
        <translation>6 ボタン</translation>
    </message>
    <message>
        <source>8 button</source>
        <translation>8 ボタン</translation>
    </message>
    <message>
        <source>Dual (2 pads/sticks)</source>
        <translation>デュアル（パッド/スティック 2 個）</translation>
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
        <translation>DB9（SMS パッドなど）</translation>
    </message>
    <message>
        <source>PC Engine/Turbo Grafx</source>
        <translation>PC エンジン/TurboGrafx</translation>
    </message>
    <message>
        <source>SNES</source>
        <translation>スーパーファミコン</translation>
    </message>
    <message>
        <source>PlayStation</source>
        <translation>プレイステーション</translation>
    </message>
    <message>
        <source>N64</source>
        <translation>NINTENDO64</translation>
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
        <translation>デジタル</translation>
    </message>
    <message>
        <source>Show both sides</source>
        <translation>両側を表示</translation>
    </message>
    <message>
        <source>Show left side</source>
        <translation>左側を表示</translation>
    </message>
    <message>
        <source>Show right side</source>
        <translation>右側を表示</translation>
    </message>
    <message>
        <source>Use glasses on COM port 1</source>
        <translation>COM ポート 1 のメガネを使用</translation>
    </message>
    <message>
        <source>Use glasses on COM port 2</source>
        <translation>COM ポート 2 のメガネを使用</translation>
    </message>
    <message>
        <source>OPL is not possible under Windows NT/2000/XP</source>
        <translation>Windows NT/2000/XP では OPL は使えません</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>An image filter: every pixel drawn twice as wide and high.</extracomment>
        <translation>2 倍</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>スキャンライン</translation>
    </message>
    <message>
        <source>TV mode</source>
        <translation>TV モード</translation>
    </message>
    <message>
        <source>TV mode (doubled)</source>
        <translation>TV モード（2 倍）</translation>
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
        <translation>パラレル</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no sound card</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no joypad driver</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no FM engine</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>ColourChooserForm</name>
    <message>
        <source>Colour chooser</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>赤(&amp;R)</translation>
    </message>
    <message>
        <source>You can enter values in the range 0..255 but they will be rounded off for Quib</source>
        <translation>0～255 の値を入力できますが、Quib 用に丸められます</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>緑(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>青(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HTML(&amp;M):</translation>
    </message>
    <message>
        <source>HSL</source>
        <translation>HSL</translation>
    </message>
    <message>
        <source>&amp;Hue</source>
        <translation>色相(&amp;H)</translation>
    </message>
    <message>
        <source>The type of the colour</source>
        <translation>色の種類</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>彩度(&amp;S)</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>The strength of the colour</source>
        <translation>色の鮮やかさ</translation>
    </message>
    <message>
        <source>&amp;Lum</source>
        <translation>輝度(&amp;L)</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>The brightness of the colour</source>
        <translation>色の明るさ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>選択した色</translation>
    </message>
</context>
<context>
    <name>ConfiguratorSettings</name>
    <message>
        <source>Configurator settings</source>
        <translation>Configurator の設定</translation>
    </message>
    <message>
        <source>&amp;Quib location:</source>
        <translation>Quib の場所(&amp;Q):</translation>
    </message>
    <message>
        <source>Locate Quib</source>
        <translation>Quib を指定</translation>
    </message>
    <message>
        <source>&amp;Run Quib</source>
        <translation>Quib を実行(&amp;R)</translation>
    </message>
    <message>
        <source>Run Qu&amp;ibW</source>
        <translation>QuibW を実行(&amp;I)</translation>
    </message>
    <message>
        <source>When ticked, the run buttons first ask for a game file to load.
Cancelling that question starts the emulator without a game.</source>
        <translation>チェックすると、実行ボタンはまず読み込むゲームファイルを尋ねます。
キャンセルすると、ゲームなしでエミュレーターが起動します。</translation>
    </message>
    <message>
        <source>Load ROM on run</source>
        <translation>実行時に ROM を読み込む</translation>
    </message>
    <message>
        <source>Reads every settings file again, discarding changes not yet applied</source>
        <translation>すべての設定ファイルを読み直し、まだ適用していない変更を破棄します</translation>
    </message>
    <message>
        <source>&amp;Undo changes</source>
        <translation>変更を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Shows again every message you chose not to see</source>
        <translation>表示しないよう選んだメッセージをすべて再び表示します</translation>
    </message>
    <message>
        <source>Reset &amp;warnings</source>
        <translation>警告をリセット(&amp;W)</translation>
    </message>
    <message>
        <source>If only one is available, this setting will be ignored</source>
        <translation>一方しかない場合、この設定は無視されます</translation>
    </message>
    <message>
        <source>Prefer settings &amp;from</source>
        <translation>優先する設定(&amp;F)</translation>
    </message>
</context>
<context>
    <name>DebuggingPage</name>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Tile &amp;viewer</source>
        <translation>タイルビューアー(&amp;V)</translation>
    </message>
    <message>
        <source>Tiles above 448 are usually not used and show junk due to the memory being used for other things.</source>
        <translation>448 を超えるタイルは通常使われず、メモリーが別の用途に使われているため、ゴミが表示されます。</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>Debug mode</source>
        <translation>デバッグモード</translation>
    </message>
    <message>
        <source>Quib will always act as if invoked with the /DEBUG parameter</source>
        <translation>Quib は常に /DEBUG パラメーター付きで起動したように動作します</translation>
    </message>
    <message>
        <source>Always &amp;enabled</source>
        <translation>常に有効(&amp;E)</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>デバッガー</translation>
    </message>
    <message>
        <source>&amp;Console</source>
        <translation>コンソール(&amp;C)</translation>
    </message>
    <message>
        <source>How high the top half of the debugger window is</source>
        <translation>デバッガーウィンドウ上半分の高さ</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>&amp;Disassembly</source>
        <translation>逆アセンブル(&amp;D)</translation>
    </message>
    <message>
        <source>How high the bottom half of the debugger window is</source>
        <translation>デバッガーウィンドウ下半分の高さ</translation>
    </message>
    <message>
        <source>Save debugger console output to debug\debuglog.txt</source>
        <translation>デバッガーコンソールの出力を debug\debuglog.txt に保存します</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>ログ(&amp;L)</translation>
    </message>
    <message>
        <source>Load NO$GMB style symbol files and replace references where possible</source>
        <translation>NO$GMB 形式のシンボルファイルを読み込み、可能な箇所の参照を置き換えます</translation>
    </message>
    <message>
        <source>&amp;Show labels</source>
        <translation>ラベルを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Memory editor default size</source>
        <translation>メモリーエディターの既定サイズ</translation>
    </message>
    <message>
        <source>How high the memory editor window is</source>
        <translation>メモリーエディターウィンドウの高さ</translation>
    </message>
    <message>
        <source>lines x</source>
        <translation>行 x</translation>
    </message>
    <message>
        <source>How many bytes per row; should usually be a multiple of 8</source>
        <translation>1 行あたりのバイト数。通常は 8 の倍数にします</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>列</translation>
    </message>
</context>
<context>
    <name>DonatePage</name>
    <message>
        <source>Donate to support Quib and its community</source>
        <translation>寄付で Quib とそのコミュニティを支援してください</translation>
    </message>
    <message>
        <source>&amp;CPU speed</source>
        <translation>CPU 速度(&amp;C)</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;Video card memory</source>
        <translation>ビデオメモリー(&amp;V)</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>&amp;Suggested donation</source>
        <translation>おすすめの寄付額(&amp;S)</translation>
    </message>
    <message>
        <source>This calculation is just for fun! Read quib.txt for more information on donating.</source>
        <translation>この計算はただのお遊びです！寄付について詳しくは quib.txt をお読みください。</translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Sprite &amp;flickering</source>
        <translation>スプライトのちらつき(&amp;F)</translation>
    </message>
    <message>
        <source>Emulates a limit of the console&apos;s video chip: only a few
sprites fit on one line, the others disappear (they flicker).
Some games rely on it to hide sprites on purpose.
Automatic only uses it for the games that need it</source>
        <translation>本体のビデオチップの制限を再現します。1 ラインに
収まるスプライトは数個だけで、残りは消えます（ちらつきます）。
これを利用してわざとスプライトを隠すゲームもあります。
自動にすると、必要なゲームでだけ使います</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>地域(&amp;C)</translation>
    </message>
    <message>
        <source>Choose Japan to see the Japanese names for some games in Quib,
the Mark III logo and japanese text and/or different title screens in some games</source>
        <translation>日本を選ぶと、Quib で一部のゲームの日本語名や
マークIII のロゴ、日本語のテキストや別のタイトル画面が表示されます</translation>
    </message>
    <message>
        <source>TV &amp;type</source>
        <translation>TV 方式(&amp;T)</translation>
    </message>
    <message>
        <source>Affects the number of screen lines emulated.
It doesn&apos;t really matter which you choose
since if needed, Quib will change the setting.
Some games use it to detect PAL/NTSC speed so
the Frameskip value should match (PAL/50, NTSC/60)</source>
        <translation>エミュレートする画面のライン数に影響します。
必要に応じて Quib が設定を変えるので、
どちらを選んでも大差はありません。
PAL/NTSC の速度判定に使うゲームもあるので、
フレームスキップの値を合わせてください (PAL/50、NTSC/60)</translation>
    </message>
    <message>
        <source>3&amp;D mode</source>
        <translation>3D モード(&amp;D)</translation>
    </message>
    <message>
        <source>Disable this to load games faster,
enable it for nostalgia</source>
        <translation>無効にするとゲームの読み込みが速くなります。
懐かしさを味わうなら有効に</translation>
    </message>
    <message>
        <source>Show &amp;BIOS logo</source>
        <translation>BIOS ロゴを表示(&amp;B)</translation>
    </message>
    <message>
        <source>Frameskip</source>
        <translation>フレームスキップ</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F2</source>
        <translation>Quib のショートカットキー：
F2</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手動(&amp;M)</translation>
    </message>
    <message>
        <source>Show one frame in &amp;every</source>
        <translation>表示するフレームの間隔(&amp;E)</translation>
    </message>
    <message>
        <source>Quib shortcut key:
F3 &amp; F4</source>
        <translation>Quib のショートカットキー：
F3 &amp; F4</translation>
    </message>
    <message>
        <source>A&amp;utomatic</source>
        <translation>自動(&amp;U)</translation>
    </message>
    <message>
        <source>Simulate refresh rate &amp;of</source>
        <translation>シミュレートするリフレッシュレート(&amp;O)</translation>
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
        <translation>このバックアップには設定ファイルが1つも含まれていません。</translation>
    </message>
    <message>
        <source>It was replaced by another file while it was being saved.</source>
        <translation>保存中に別のファイルに置き換えられました。</translation>
    </message>
    <message>
        <source>%1 Its old contents could not be put back.</source>
        <translation>%1 元の内容を戻せませんでした。</translation>
    </message>
    <message>
        <source>%1 Its old contents are kept in &quot;%2&quot;.</source>
        <translation>%1 元の内容は「%2」に残っています。</translation>
    </message>
    <message>
        <source>Windows error %1.</source>
        <translation>Windows エラー %1。</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>バックアップフォルダー「%1」はシンボリックリンクです。バックアップはシンボリックリンクを通して保存したり読み込んだりしません：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>バックアップセット「%1」はシンボリックリンクです。バックアップはシンボリックリンクを通して保存したり読み込んだりしません：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; is a symbolic link. Backups are never kept or read through one: remove it, or move it away, and try again.</source>
        <translation>バックアップファイル「%1」はシンボリックリンクです。バックアップはシンボリックリンクを通して保存したり読み込んだりしません：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>バックアップフォルダー「%1」は別のユーザーのものです。バックアップは自分のフォルダーにだけ保存します：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>バックアップセット「%1」は別のユーザーのものです。バックアップは自分のフォルダーにだけ保存します：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; belongs to another user. Backups are kept only in folders of your own: remove it, or move it away, and try again.</source>
        <translation>バックアップファイル「%1」は別のユーザーのものです。バックアップは自分のフォルダーにだけ保存します：削除するか別の場所へ移動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot create the backup folder &quot;%1&quot;. %2</source>
        <translation>バックアップフォルダー「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;. %2</source>
        <translation>バックアップフォルダー「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; from the backup. %2</source>
        <translation>バックアップから「%1」を読み込めません。%2</translation>
    </message>
    <message>
        <source>Cannot open the backup folder &quot;%1&quot;.</source>
        <translation>バックアップフォルダー「%1」を開けません。</translation>
    </message>
    <message>
        <source>It is a file.</source>
        <translation>フォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>Nothing was saved: someone else changed these files on disk just before they were to be replaced:</source>
        <translation>何も保存されませんでした：置き換える直前に、ほかの誰かがディスク上の次のファイルを変更しました：</translation>
    </message>
    <message>
        <source>Nothing can be backed up: %1 is not set, so there is no folder for backups.</source>
        <translation>バックアップできません：%1 が設定されていないため、バックアップ用のフォルダーがありません。</translation>
    </message>
    <message>
        <source>Cannot flush the backup folder &quot;%1&quot;. %2</source>
        <translation>バックアップフォルダー「%1」をディスクに書き込めません。%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>「%1」を書き込めません。%2</translation>
    </message>
    <message>
        <source>The backup set &quot;%1&quot; is missing.</source>
        <translation>バックアップセット「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; to back it up. %2</source>
        <translation>バックアップのために「%1」を読み込めません。%2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;. %2</source>
        <translation>バックアップファイル「%1」を書き込めません。%2</translation>
    </message>
    <message>
        <source>Cannot name the backup folder &quot;%1&quot;. %2</source>
        <translation>バックアップフォルダーに「%1」という名前を付けられません。%2</translation>
    </message>
    <message>
        <source>Cannot open the lock file &quot;%1&quot;. %2</source>
        <translation>ロックファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Nothing was saved: another Quib Configurator is saving the files in &quot;%1&quot; right now. Try again when it is done; files it changed meanwhile are then shown as changed on disk.</source>
        <translation>何も保存されませんでした：別の Quib Configurator が「%1」のファイルを保存しています。終わってからもう一度お試しください。その間に変更されたファイルは、ディスク上で変更されたものとして表示されます。</translation>
    </message>
    <message>
        <source>Cannot lock &quot;%1&quot;. %2</source>
        <translation>「%1」をロックできません。%2</translation>
    </message>
    <message>
        <source>Nothing was saved: the files it would replace could not be backed up first.<byte value="xd"/>%1</source>
        <translation>何も保存されませんでした：置き換えるファイルを先にバックアップできませんでした。<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>「%1」には新しい設定の一部が入っている可能性があり、元に戻せませんでした (%2)。元の内容は「%3」にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); its old contents are in &quot;%3&quot;.</source>
        <translation>「%1」には新しい設定が入っており、元に戻せませんでした (%2)。元の内容は「%3」にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may hold part of the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>「%1」には新しい設定の一部が入っている可能性があり、元に戻せませんでした (%2)。このファイルは以前は存在しませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the new settings and could not be put back (%2); it did not exist before.</source>
        <translation>「%1」には新しい設定が入っており、元に戻せませんでした (%2)。このファイルは以前は存在しませんでした。</translation>
    </message>
    <message>
        <source>Nothing was saved: %1 The files already replaced were put back.</source>
        <translation>何も保存されませんでした：%1すでに置き換えたファイルは元に戻しました。</translation>
    </message>
    <message>
        <source>Not all settings files were saved: %1</source>
        <translation>一部の設定ファイルが保存されませんでした：%1</translation>
    </message>
    <message>
        <source>As they were: %1.</source>
        <translation>元のまま：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Nothing was saved: %1</source>
        <translation>何も保存されませんでした：%1</translation>
    </message>
    <message>
        <source>Saved: %1.</source>
        <translation>保存済み：%1。</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>未保存：%1。</translation>
    </message>
    <message>
        <source>%1 may hold part of the new settings.</source>
        <translation>%1 には新しい設定の一部が入っている可能性があります。</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を作成できません。%2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a settings file.</source>
        <translation>%1 MB を超えており、設定ファイルとしては大きすぎます。</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason the system gave for an error (its own words in %1), made a sentence of the message it stands in.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Its record is incomplete.</source>
        <translation>その記録が不完全です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer holds what was kept.</source>
        <translation>「%1」には保存した内容がもうありません。</translation>
    </message>
    <message>
        <source>An Apply that did not finish cannot be put back: %1 The emulator&apos;s files are left as they are.</source>
        <translation>完了しなかった「適用」を元に戻せません：%1エミュレーターのファイルはそのままにします。</translation>
    </message>
    <message>
        <source>Not every file could be put back:</source>
        <translation>元に戻せなかったファイルがあります：</translation>
    </message>
</context>
<context>
    <name>GuiPage</name>
    <message>
        <source>... or fullscreen. Only works when
the game is passed on the commandline,
always opens in GUI otherwise</source>
        <translation>…または全画面で起動します。ゲームを
コマンドラインで指定した場合のみ有効で、
それ以外は常に GUI で開きます</translation>
    </message>
    <message>
        <source>&amp;Start in GUI</source>
        <translation>GUI で起動(&amp;S)</translation>
    </message>
    <message>
        <source>Video mode</source>
        <translation>ビデオモード</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>解像度(&amp;R)</translation>
    </message>
    <message>
        <source>You can enter any resolution you
like, in the form [width]x[height]</source>
        <translation>任意の解像度を
[幅]x[高さ] の形式で入力できます</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>ドライバー(&amp;D)</translation>
    </message>
    <message>
        <source>Autodetect mode will choose a slower mode, so
choose the best Vesa/DirectX mode your card supports</source>
        <translation>自動検出では遅いモードが選ばれるので、お使いのカードが
対応する最良の VESA/DirectX モードを選んでください</translation>
    </message>
    <message>
        <source>Refres&amp;h</source>
        <extracomment>The monitor&apos;s refresh rate (pictures per second); the same term as the Blitter page&apos;s Refresh rate</extracomment>
        <translation>リフレッシュ(&amp;H)</translation>
    </message>
    <message>
        <source>Refresh rates that are multiples of the system speed (50
or 60) combined with VSynch will produce the best results.
High values won&apos;t work.</source>
        <translation>システム速度（50 または 60）の倍数のリフレッシュレートを
VSync と組み合わせると最良の結果になります。
高すぎる値は動作しません。</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>This will slow the GUI
but stop &apos;tearing&apos;</source>
        <translation>GUI は遅くなりますが、
「ティアリング」を防ぎます</translation>
    </message>
    <message>
        <source>&amp;VSync</source>
        <translation>VSync(&amp;V)</translation>
    </message>
    <message>
        <source>File browser</source>
        <translation>ファイルブラウザー</translation>
    </message>
    <message>
        <source>&amp;pixels x</source>
        <translation>ピクセル x (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;lines</source>
        <translation>行(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Use virtual long filenames</source>
        <translation>仮想ロングファイル名を使う(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close file browser after load</source>
        <translation>読み込み後にファイルブラウザーを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Fullscreen/windowed after load</source>
        <translation>読み込み後に全画面/ウィンドウ(&amp;F)</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Rapid-fire</source>
        <translation>連射</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー 1</translation>
    </message>
    <message>
        <source>Button &amp;1</source>
        <translation>ボタン 1(&amp;1)</translation>
    </message>
    <message>
        <source>Button &amp;2</source>
        <translation>ボタン 2(&amp;2)</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー 2</translation>
    </message>
    <message>
        <source>&amp;Button 1</source>
        <translation>ボタン 1(&amp;B)</translation>
    </message>
    <message>
        <source>Bu&amp;tton 2</source>
        <translation>ボタン 2(&amp;T)</translation>
    </message>
    <message>
        <source>Mouse speed</source>
        <translation>マウスの速度</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>X(&amp;X)</translation>
    </message>
    <message>
        <source>Mouse speeds:
1 = fast
2 = normal
3 = slow</source>
        <translation>マウスの速度：
1 = 速い
2 = 普通
3 = 遅い</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>Y(&amp;Y)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>&amp;Cabinet mode</source>
        <translation>筐体モード(&amp;C)</translation>
    </message>
    <message>
        <source>When enabled, F10 (quit) and Esc (toggle fullscreen) reverse their meanings</source>
        <translation>有効にすると、F10（終了）と Esc（全画面切り替え）の働きが入れ替わります</translation>
    </message>
    <message>
        <source>Allow &amp;opposite directions</source>
        <translation>逆方向の同時入力を許可(&amp;O)</translation>
    </message>
    <message>
        <source>Real pads stop you from pressing L+R or U+D simultaneously; some games have bugs if this input occurs, but other games might need it to be possible</source>
        <translation>本物のパッドでは左右や上下を同時に押せません。同時入力でバグが出るゲームもありますが、必要とするゲームもあります</translation>
    </message>
    <message>
        <source>Joypad/stick (DOS only)</source>
        <translation>ジョイパッド/スティック（DOS のみ）</translation>
    </message>
    <message>
        <source>QuibW uses any joystick loaded through DirectInput</source>
        <translation>QuibW は DirectInput で読み込まれたジョイスティックを使います</translation>
    </message>
    <message>
        <source>&amp;Driver</source>
        <translation>ドライバー(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Using DirectPad Pro on</source>
        <translation>DirectPad Pro の接続先(&amp;U)</translation>
    </message>
    <message>
        <source>DirectPad Pro is a device which lets you use
console joypads on your PC via the parallel port</source>
        <translation>DirectPad Pro は、パラレルポート経由で
ゲーム機のパッドを PC で使うための機器です</translation>
    </message>
    <message>
        <source>&amp;IfSega card type</source>
        <translation>IfSega カードの種類(&amp;I)</translation>
    </message>
    <message>
        <source>IfSega is an expansion board which
lets you use Saturn pads on your PC</source>
        <translation>IfSega は、セガサターンのパッドを
PC で使うための拡張ボードです</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L):</translation>
    </message>
    <message>
        <source>...when you load a game</source>
        <translation>…ゲームの読み込み時</translation>
    </message>
    <message>
        <source>Show product &amp;numbers</source>
        <translation>製品番号を表示(&amp;N)</translation>
    </message>
    <message>
        <source>Show messages in &amp;fullscreen mode</source>
        <translation>全画面モードでメッセージを表示(&amp;F)</translation>
    </message>
</context>
<context>
    <name>MiscPage</name>
    <message>
        <source>Sega fanboy settings</source>
        <translation>セガ信者向け設定</translation>
    </message>
    <message>
        <source>&amp;NES sucks</source>
        <translation>ファミコンはダメ(&amp;N)</translation>
    </message>
    <message>
        <source>If he is, maybe Quib can
play some NES roms?</source>
        <translation>もしそうなら、Quib で
ファミコンの ROM が遊べるかも？</translation>
    </message>
    <message>
        <source>Mario is a fat &amp;plumber</source>
        <translation>マリオはデブの配管工(&amp;P)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please remember that Quib&apos;s NES support is unofficial and unsupported.<byte value="xd"/>It will only play a few NES games.<byte value="xd"/>There are better NES emulators available.<byte value="xd"/>PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES EMULATION.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>Quib のファミコン対応は非公式で、サポート対象外です。<byte value="xd"/>動くファミコンのゲームはごくわずかです。<byte value="xd"/>もっと良いファミコンエミュレーターがあります。<byte value="xd"/>ファミコンのエミュレーションについて、Quib や Quib Configurator の作者にメールを送らないでください。<byte value="xd"/><byte value="xd"/>このメッセージを次回も表示しますか？</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>このお知らせを閉じる</translation>
    </message>
    <message numerus="yes">
        <source>%1 changed on disk.</source>
        <extracomment>%1 names one file or more (&quot;quib.cfg and quib.blt&quot;); the count is theirs.</extracomment>
        <translation>
            <numerusform>ディスク上の %1 が変更されました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of your changes were also changed there; Apply will ask which to keep.</source>
        <translation>
            <numerusform>このウィンドウでの変更のうち %n 件はディスク上でも変更されています。どちらを残すかは「適用」のときに確認します。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences of a notice, one after the other.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>Quib rewrote %1 and undid %n of the settings you applied: %2</source>
        <extracomment>%1 is a file, %2 the settings Quib set back to what they were before.</extracomment>
        <translation>
            <numerusform>Quib が %1 を書き換え、適用した設定のうち %n 件を元に戻しました：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>See the change</source>
        <translation>変更を表示</translation>
    </message>
    <message>
        <source>Apply them again</source>
        <extracomment>Saves again the settings Quib set back.</extracomment>
        <translation>もう一度適用</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Leaves the file as it is now on disk.</extracomment>
        <translation>このままにする</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list (&quot;quib.cfg, quib.blt and quib.thm&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The Apply made at %1 did not finish (the program ended, or the power went). </source>
        <translation>%1 の「適用」は完了しませんでした（プログラムが終了したか、電源が切れました）。</translation>
    </message>
    <message>
        <source>It had replaced:</source>
        <translation>置き換え済みのファイル：</translation>
    </message>
    <message>
        <source>Apply not finished</source>
        <translation>「適用」が完了していません</translation>
    </message>
    <message>
        <source>These still hold what they held before it:</source>
        <translation>その前の内容のままのファイル：</translation>
    </message>
    <message>
        <source>These hold neither what they held before it nor what it wrote, and are left as they are:</source>
        <translation>その前の内容でも書き込まれた内容でもないため、そのままにするファイル：</translation>
    </message>
    <message>
        <source>Do you want to put the emulator&apos;s folder back as it was before that Apply?<byte value="xd"/><byte value="xd"/>Yes gives the files it had replaced what they held before it (what they hold now is kept as a backup too); No keeps every file as it is now.</source>
        <translation>エミュレーターのフォルダーを、その「適用」の前の状態に戻しますか？<byte value="xd"/><byte value="xd"/>「はい」を選ぶと、置き換えたファイルをその前の内容に戻します（現在の内容もバックアップとして残します）。「いいえ」を選ぶと、どのファイルも今のままです。</translation>
    </message>
</context>
<context>
    <name>ScreenshotsPage</name>
    <message>
        <source>Screenshot &amp;filename:</source>
        <translation>スクリーンショットのファイル名(&amp;F):</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>ファイル名に使えない文字は使わないでください。
例：&quot; \ / , + ? など</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>名前部分を何文字までにするか。
* で無制限</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>文字のファイル名 +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>最小の桁数。
* で最小なし</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>桁の番号 +</translation>
    </message>
    <message>
        <source>Example: the fifth screenshot from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>例：ファイル「Sonic the Hedgehog 2.sms」の 5 枚目のスクリーンショットの名前：</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>ファイル名の文字数</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>ファイル名の後に付ける文字</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>番号の桁数</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>番号の後に付ける文字</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>拡張子</translation>
    </message>
</context>
<context>
    <name>SoundLoggingPage</name>
    <message>
        <source>&amp;Filename:</source>
        <translation>ファイル名(&amp;F):</translation>
    </message>
    <message>
        <source>Do not use characters that are illegal in file names,
such as &quot; \ / , + ? (and others)</source>
        <translation>ファイル名に使えない文字は使わないでください。
例：&quot; \ / , + ? など</translation>
    </message>
    <message>
        <source>Number of letters to limit name part to;
enter * for no limit</source>
        <translation>名前部分を何文字までにするか。
* で無制限</translation>
    </message>
    <message>
        <source>chars of filename +</source>
        <translation>文字のファイル名 +</translation>
    </message>
    <message>
        <source>Minimum number of digits;
enter * for no minimum</source>
        <translation>最小の桁数。
* で最小なし</translation>
    </message>
    <message>
        <source>digit number +</source>
        <translation>桁の番号 +</translation>
    </message>
    <message>
        <source>&amp;Sample accurate</source>
        <translation>サンプル単位で正確(&amp;S)</translation>
    </message>
    <message>
        <source>Sample-accurate VGMs are larger for almost identical output;
but non-sample-accurate VGMs cannot store samples (voices)</source>
        <translation>サンプル単位で正確な VGM は、出力はほぼ同じでもサイズが大きくなります。
ただし、そうでない VGM はサンプル（音声）を保存できません</translation>
    </message>
    <message>
        <source>Example: the fifth sound dump from file &quot;Sonic the Hedgehog 2.sms&quot; will be called:</source>
        <translation>例：ファイル「Sonic the Hedgehog 2.sms」の 5 番目のサウンド記録の名前：</translation>
    </message>
    <message>
        <source>Characters of the file name</source>
        <translation>ファイル名の文字数</translation>
    </message>
    <message>
        <source>Text after the file name</source>
        <translation>ファイル名の後に付ける文字</translation>
    </message>
    <message>
        <source>Digits of the number</source>
        <translation>番号の桁数</translation>
    </message>
    <message>
        <source>Text after the number</source>
        <translation>番号の後に付ける文字</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Sound &amp;card</source>
        <translation>サウンドカード(&amp;C)</translation>
    </message>
    <message>
        <source>Sampling &amp;rate</source>
        <translation>サンプリングレート(&amp;R)</translation>
    </message>
    <message>
        <source>Higher numbers give better sound quality.
It may reset to 21739 on some sound cards</source>
        <translation>値が大きいほど音質が良くなります。
サウンドカードによっては 21739 に戻ることがあります</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Emulate &amp;FM unit</source>
        <translation>FM 音源をエミュレート(&amp;F)</translation>
    </message>
    <message>
        <source>FM &amp;engine</source>
        <translation>FM エンジン(&amp;E)</translation>
    </message>
    <message>
        <source>OPL may not work depending on your sound card and OS.
Digital uses more CPU time</source>
        <translation>サウンドカードや OS によっては OPL が動作しません。
デジタルは CPU 時間を多く使います</translation>
    </message>
    <message>
        <source>&amp;OPL speed</source>
        <translation>OPL 速度(&amp;O)</translation>
    </message>
    <message>
        <source>If FM music skips when using OPL, increase this value;
if your sound card takes a long time to initialise, decrease it</source>
        <translation>OPL 使用時に FM の音楽が途切れる場合は値を増やし、
サウンドカードの初期化に時間がかかる場合は減らしてください</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>TChangesForm</name>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>line ends only</source>
        <translation>改行コードのみ</translation>
    </message>
    <message>
        <source>%1 (changed on disk since it was loaded): %2</source>
        <translation>%1（読み込み後にディスク上で変更されています）：%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Missing line ends become %1: %2</source>
        <translation>欠けている改行は %1 になります：%2</translation>
    </message>
    <message>
        <source>%1 line ends are dropped: %2</source>
        <translation>%1 改行は削除されます：%2</translation>
    </message>
    <message>
        <source>%1 line ends become %3: %2</source>
        <translation>%1 改行は %3 になります：%2</translation>
    </message>
    <message>
        <source>The file stays as it is.</source>
        <translation>ファイルはそのままです。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更内容</translation>
    </message>
    <message>
        <source>What Apply would change in each file, compared with the file on disk now.</source>
        <translation>「適用」で各ファイルがどう変わるかを、現在ディスク上にあるファイルと比べて示します。</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>復元(&amp;R)...</translation>
    </message>
    <message>
        <source>Writes back a set of files kept before an earlier Apply</source>
        <translation>以前の「適用」の前に保存したファイル一式を書き戻します</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Reads the files on disk again and compares anew.</extracomment>
        <translation>更新(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Apply would write nothing: the settings files could not all be read.</source>
        <translation>「適用」しても何も書き込まれません：設定ファイルをすべて読み込めませんでした。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 of both; every change there is shown.</source>
        <translation>比較範囲：両方の 1～%1 行目。その中の変更はすべて表示します。</translation>
    </message>
    <message>
        <source>Compared: lines 1 to %1 on disk, 1 to %2 written; every change there is shown.</source>
        <translation>比較範囲：ディスク上の 1～%1 行目と書き込む 1～%2 行目。その中の変更はすべて表示します。</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差分</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two counts of lines side by side: &quot;%n line(s) added&quot; and &quot;%n removed&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) added</source>
        <translation>
            <numerusform>%n 行追加</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n 行削除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n line(s) change(s)</source>
        <translation>
            <numerusform>少なくとも %n 行が変わります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the first %n is/are shown</source>
        <translation>
            <numerusform>。最初の %n 行を表示します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>new file, %n line(s)</source>
        <translation>
            <numerusform>新しいファイル、%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n file(s) stay as they are.</source>
        <translation>
            <numerusform>%n 個のファイルはすべてそのままです。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 of 1 file changes: %1</source>
        <translation>1 個中 1 個のファイルが変わります：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files change: %2</source>
        <extracomment>%n files change out of %1 (the files read); %2 says how.</extracomment>
        <translation>
            <numerusform>%1 個中 %n 個のファイルが変わります：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Too long to compare in full (%1, %2).</source>
        <translation>長すぎるため全体は比較できません（%1、%2）。</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) on disk</source>
        <translation>
            <numerusform>ディスク上 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to be written</source>
        <translation>
            <numerusform>書き込み %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>After them, lined up one against one: %1, %2 (not shown).</source>
        <translation>それ以降は 1 行ずつ対応させて：%1、%2（表示なし）。</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n 行追加</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) of differences are not shown.</source>
        <translation>
            <numerusform>残り %n 行の差分は表示されません。</numerusform>
        </translation>
    </message>
    <message>
        <source>What changed in each file on disk, compared with the file as the window last read it.</source>
        <translation>ディスク上の各ファイルで変わった内容を、ウィンドウが最後に読み込んだときのファイルと比べて示します。</translation>
    </message>
</context>
<context>
    <name>TConflictsForm</name>
    <message>
        <source>Settings changed in two places</source>
        <translation>2 か所で変更された設定</translation>
    </message>
    <message>
        <source>These settings were changed in this window and also on disk since the files were loaded. Choose for each the value to keep: nothing is saved until each one is answered.</source>
        <translation>これらの設定は、ファイルの読み込み後にこのウィンドウとディスク上の両方で変更されました。それぞれ残す値を選んでください。すべてに答えるまで何も保存されません。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>When loaded</source>
        <translation>読み込み時</translation>
    </message>
    <message>
        <source>In the window</source>
        <translation>ウィンドウ内</translation>
    </message>
    <message>
        <source>On disk now</source>
        <translation>現在のディスク上</translation>
    </message>
    <message>
        <source>Keep all from the &amp;window</source>
        <translation>すべてウィンドウの値を残す(&amp;W)</translation>
    </message>
    <message>
        <source>Keeps the window&apos;s value of every setting</source>
        <translation>すべての設定でウィンドウの値を残します</translation>
    </message>
    <message>
        <source>Keep all from &amp;disk</source>
        <translation>すべてディスクの値を残す(&amp;D)</translation>
    </message>
    <message>
        <source>Keeps the value on disk of every setting</source>
        <translation>すべての設定でディスク上の値を残します</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>Saves, once every setting is answered</source>
        <translation>すべての設定に答えると保存します</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Saves nothing</source>
        <translation>何も保存しません</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>（ファイルにありません）</translation>
    </message>
    <message>
        <source>%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.</source>
        <extracomment>What a screen reader says of each row of the table: %1 a setting, %2 its file, %3 to %5 its values.</extracomment>
        <translation>%2 の %1。読み込み時：%3。ウィンドウ内：%4。現在のディスク上：%5。</translation>
    </message>
    <message>
        <source>Keep the window&apos;s value: %1</source>
        <translation>ウィンドウの値を残す：%1</translation>
    </message>
    <message>
        <source>Keep the value on disk: %1</source>
        <translation>ディスク上の値を残す：%1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Blitter</source>
        <translation>ブリッター</translation>
    </message>
    <message>
        <source>Debugging</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation>エミュレーション</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>GUI</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Sound logging</source>
        <translation>サウンド記録</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Shows what Apply would change in each file, and restores backups</source>
        <translation>「適用」で各ファイルがどう変わるかを示し、バックアップを復元します</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply &amp;&amp; run</source>
        <translation>適用 &amp;&amp; 実行</translation>
    </message>
    <message>
        <source>Please locate Quib or QuibW (or press Cancel)</source>
        <translation>Quib または QuibW を指定してください（またはキャンセル）</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>You need to locate Quib so this program can load its settings files.<byte value="xd"/>This program will now close.</source>
        <translation>設定ファイルを読み込むには Quib の場所を指定する必要があります。<byte value="xd"/>プログラムを終了します。</translation>
    </message>
    <message>
        <source>One or more of the required configuration files was not found.<byte value="xd"/><byte value="xd"/>The required files are:<byte value="xd"/>Either quib.cfg (for Quib) or quibw.cfg (for QuibW)<byte value="xd"/>quib.blt (blitters)<byte value="xd"/>quib.inp (input)<byte value="xd"/>quib.msg (messages)<byte value="xd"/>quib.thm (themes)<byte value="xd"/><byte value="xd"/>Do you want to relocate Quib?</source>
        <translation>必要な設定ファイルが 1 つ以上見つかりませんでした。<byte value="xd"/><byte value="xd"/>必要なファイル：<byte value="xd"/>quib.cfg（Quib 用）または quibw.cfg（QuibW 用）<byte value="xd"/>quib.blt（ブリッター）<byte value="xd"/>quib.inp（入力）<byte value="xd"/>quib.msg（メッセージ）<byte value="xd"/>quib.thm（テーマ）<byte value="xd"/><byte value="xd"/>Quib の場所を指定し直しますか？</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>再起動が必要です</translation>
    </message>
    <message>
        <source>Please restart the program to try again.</source>
        <translation>もう一度試すには、プログラムを再起動してください。</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <translation>バージョンの不一致</translation>
    </message>
    <message>
        <source>Quib Configurator has detected that you are running it on a version of Quib other than the one it was designed for.<byte value="xd"/>
It will continue to run but please note that it is not guaranteed to work well or at all. It will not destroy your Quib settings.<byte value="xd"/>
You might want to see if a new version of Quib Configurator has been released yet.</source>
        <translation>Quib Configurator は、対応するバージョンとは異なる Quib で実行されていることを検出しました。<byte value="xd"/>
このまま動作しますが、正しく動くか、そもそも動くかは保証されません。Quib の設定を壊すことはありません。<byte value="xd"/>
Quib Configurator の新しいバージョンが出ていないか確認してください。</translation>
    </message>
    <message>
        <source>Nothing was saved: the settings files in &quot;%1&quot; could not all be read</source>
        <translation>何も保存されませんでした：「%1」の設定ファイルをすべて読み込めませんでした</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <source>Settings saved.<byte value="xd"/><byte value="xd"/>Do you want to see this message again?</source>
        <translation>設定を保存しました。<byte value="xd"/><byte value="xd"/>このメッセージを次回も表示しますか？</translation>
    </message>
    <message>
        <source>Load ROM...</source>
        <translation>ROM を読み込む...</translation>
    </message>
    <message>
        <source>All roms</source>
        <translation>すべての ROM</translation>
    </message>
    <message>
        <source>Zipped roms</source>
        <translation>ZIP 圧縮の ROM</translation>
    </message>
    <message>
        <source>Quib is running</source>
        <translation>Quib が実行中です</translation>
    </message>
    <message>
        <source>It looks like Quib is running - your settings will be overwritten when it quits. Try not to use Quib Configurator when Quib is running to avoid confusion.</source>
        <translation>Quib が実行中のようです。Quib を終了すると設定が上書きされます。混乱を避けるため、Quib の実行中は Quib Configurator を使わないでください。</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Chan&amp;ges...</source>
        <translation>変更内容(&amp;G)...</translation>
    </message>
    <message>
        <source>Emulator build</source>
        <translation>エミュレーターの種類</translation>
    </message>
    <message>
        <source>Log format</source>
        <translation>記録形式</translation>
    </message>
</context>
<context>
    <name>TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>No files have been backed up yet: a backup is made each time Apply replaces them.</source>
        <translation>まだバックアップはありません。「適用」でファイルを置き換えるたびにバックアップが作られます。</translation>
    </message>
    <message>
        <source>Before each Apply the files it replaced were kept. Choose the set to write back:</source>
        <translation>「適用」のたびに、置き換えたファイルを保存してあります。書き戻すセットを選んでください：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Write back the files kept at %1?<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>The files there now are backed up first. Every page is then loaded again from the files: changes not yet applied are lost.</source>
        <translation>%1 に保存したファイルを書き戻しますか？<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>現在のファイルは先にバックアップされます。その後、すべてのページをファイルから読み込み直すので、まだ適用していない変更は失われます。</translation>
    </message>
    <message>
        <source>Backup sets</source>
        <translation>バックアップセット</translation>
    </message>
</context>
<context>
    <name>TThemeEditorForm</name>
    <message>
        <source>&lt;default&gt;</source>
        <translation>&lt;既定&gt;</translation>
    </message>
    <message>
        <source>Theme name</source>
        <translation>テーマ名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Name already exists!</source>
        <translation>その名前は既にあります！</translation>
    </message>
    <message>
        <source>The name you chose already exists! Please choose another name.</source>
        <translation>選んだ名前は既に使われています。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>Please confirm theme deletion</source>
        <translation>テーマの削除の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this theme:<byte value="xd"/>%1</source>
        <translation>このテーマを削除してもよろしいですか？<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>ThemeEditorForm</name>
    <message>
        <source>Theme Editor</source>
        <translation>テーマエディター</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>引き伸ばし</translation>
    </message>
    <message>
        <source>Integer stretched</source>
        <translation>整数倍で引き伸ばし</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>並べて表示</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>枠</translation>
    </message>
    <message>
        <source>Separators</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>Highlighted</source>
        <translation>強調</translation>
    </message>
    <message>
        <source>Title bars</source>
        <translation>タイトルバー</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>非アクティブ</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>枠</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>コントロール</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Listboxes</source>
        <translation>リストボックス</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>スクロールバー</translation>
    </message>
    <message>
        <source>Scroller</source>
        <translation>つまみ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Special effect</source>
        <translation>特殊効果</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>血</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>雪</translation>
    </message>
    <message>
        <source>Author(s)</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>名前の変更(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Parts of the interface</source>
        <translation>インターフェースの各部</translation>
    </message>
    <message>
        <source>Picture mode</source>
        <translation>画像の表示方法</translation>
    </message>
    <message>
        <source>Gradient start</source>
        <translation>グラデーションの開始</translation>
    </message>
    <message>
        <source>Gradient finish</source>
        <translation>グラデーションの終了</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>&amp;Theme</source>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>Most of the available themes in quib.thm are commented out
because they wouldn&apos;t fit on the menu in Quib.
Click on this button to make them all available</source>
        <translation>quib.thm のテーマのほとんどは、Quib のメニューに
収まらないためコメントアウトされています。
このボタンをクリックすると、すべて使えるようになります</translation>
    </message>
    <message>
        <source>&amp;Uncomment themes</source>
        <translation>テーマのコメント解除(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>This is a preview of the selected theme.
It takes into account the resolution selected on the GUI tab,
but only for the background picture scaling.</source>
        <translation>選択したテーマのプレビューです。
GUI タブで選んだ解像度を反映しますが、
背景画像の拡大縮小にのみ適用されます。</translation>
    </message>
    <message>
        <source>This is an automated function and may not correctly uncomment all of the themes.<byte value="xd"/>It works fine on my standard Quib.thm but could possibly mess up a modified file.<byte value="xd"/>Do you want to continue?</source>
        <translation>これは自動処理で、すべてのテーマのコメントを正しく解除できない場合があります。<byte value="xd"/>標準の Quib.thm では問題ありませんが、変更されたファイルでは内容が崩れるおそれがあります。<byte value="xd"/>続行しますか？</translation>
    </message>
    <message>
        <source>Quib themes page</source>
        <translation>Quib テーマページ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>テーマのプレビュー</translation>
    </message>
</context>
<context>
    <name>ThemePreview</name>
    <message>
        <source>Picture not found</source>
        <translation>画像が見つかりません</translation>
    </message>
    <message>
        <source>This theme should have a background picture:<byte value="xd"/>%1<byte value="xd"/>but it&apos;s not there.<byte value="xd"/>You may need to download the theme pictures from the Quib website.<byte value="xd"/><byte value="xd"/>Show this message again?</source>
        <translation>このテーマには背景画像があるはずです：<byte value="xd"/>%1<byte value="xd"/>が、見つかりません。<byte value="xd"/>Quib のウェブサイトからテーマの画像をダウンロードする必要があるかもしれません。<byte value="xd"/><byte value="xd"/>このメッセージを次回も表示しますか？</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <extracomment>The button that raises the number beside it by one.</extracomment>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that lowers the number beside it by one.</extracomment>
        <translation>下へ</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits the settings files of the Quib emulator.</source>
        <translation>エミュレーター Quib の設定ファイルを編集します。</translation>
    </message>
    <message>
        <source>The language of the window: %1, or &quot;system&quot; for the system&apos;s (the default).</source>
        <translation>ウィンドウの言語：%1、またはシステムの言語を使う「system」（既定）。</translation>
    </message>
    <message>
        <source>The emulator directory to open (the folder of quib.cfg); without it, the one opened last.</source>
        <translation>開くエミュレーターのフォルダー（quib.cfg のあるフォルダー）。省略すると前回のフォルダー。</translation>
    </message>
    <message>
        <source>no translation for language &quot;%1&quot; (see --help)</source>
        <translation>言語「%1」の翻訳はありません（--help を参照）</translation>
    </message>
    <message>
        <source>give at most one emulator directory (see --help)</source>
        <translation>エミュレーターのフォルダーは 1 つまで指定してください（--help を参照）</translation>
    </message>
    <message>
        <source>no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, set DISPLAY, or run it under xvfb-run</source>
        <translation>ウィンドウを開くディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。デスクトップセッションから起動するか、DISPLAY を設定するか、xvfb-run の下で実行してください</translation>
    </message>
</context>
</TS>
