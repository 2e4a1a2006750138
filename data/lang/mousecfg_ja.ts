<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AccessAdvice</name>
    <message>
        <location filename="../../src/device/link/AccessAdvice.cpp" line="+35"/>
        <source>The mouse is plugged in, but you may not open it (%1: permission denied).</source>
        <translation>マウスは接続されていますが、開く権限がありません（%1：アクセスが拒否されました）。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Install the udev rule %1 from the source folder:</source>
        <translation>ソースフォルダーから udev ルール %1 をインストールしてください：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>then plug the receiver in again.</source>
        <translation>その後、レシーバーを接続し直してください。</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <location filename="../../src/ui/main/AppProfilesDialog.cpp" line="+33"/>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TURN ON</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Switch profiles by application</source>
        <translation>アプリケーションごとにプロファイルを切り替える</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Other programs</source>
        <translation>その他のプログラム</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a rule for a program</source>
        <translation>プログラムのルールを追加</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Leave the profile as it is</source>
        <translation>プロファイルを変更しない</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+104"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>The rules could not be saved to &quot;%1&quot;.</source>
        <translation>ルールを「%1」に保存できませんでした。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No rules yet. ADD a program to give it a profile.</source>
        <translation>ルールはまだありません。「追加」でプログラムを追加し、プロファイルを割り当ててください。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Profile for %1</source>
        <translation>%1 のプロファイル</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>REMOVE</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove the rule for %1</source>
        <translation>%1 のルールを削除</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Choose a program file…</source>
        <translation>プログラムファイルを選択…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a program</source>
        <translation>プログラムを選択</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; cannot be given a rule.</source>
        <translation>「%1」にはルールを設定できません。</translation>
    </message>
</context>
<context>
    <name>AppSwitchSupport</name>
    <message>
        <location filename="../../src/ui/main/AppSwitchSupport.cpp" line="+9"/>
        <source>%1: profiles follow the program in front through the GNOME Shell extension “mousecfg window focus”.</source>
        <translation>%1：GNOME Shell 拡張機能「mousecfg window focus」により、プロファイルが前面のプログラムに合わせて切り替わります。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Profiles follow the program in front through this compositor&apos;s window list, by application id only.</source>
        <translation>プロファイルはこのコンポジターのウィンドウ一覧を通じて、アプリケーション ID だけを頼りに前面のプログラムに合わせて切り替わります。</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot follow the program in front. Turn it on with the button or this command:</source>
        <translation>%1：GNOME Shell 拡張機能「mousecfg window focus」がオフのため、プロファイルは前面のプログラムに合わせて切り替わりません。ボタンまたは次のコマンドでオンにしてください：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: the GNOME Shell extension “mousecfg window focus” is not installed, so profiles cannot follow the program in front. It comes with mousecfg&apos;s package.</source>
        <translation>%1：GNOME Shell 拡張機能「mousecfg window focus」がインストールされていないため、プロファイルは前面のプログラムに合わせて切り替わりません。mousecfg のパッケージに含まれています。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles cannot follow the program in front.</source>
        <translation>%1：GNOME Shell が拡張機能「mousecfg window focus」を実行できなかったため、プロファイルは前面のプログラムに合わせて切り替わりません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This desktop does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>このデスクトップは前面のプログラムを通知しないため、ここではプロファイルを自動で切り替えられません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not tell which program is in front, so profiles cannot follow it here.</source>
        <translation>%1 は前面のプログラムを知らせないため、ここではプロファイルを切り替えられません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profiles follow the program in front on this desktop.</source>
        <translation>このデスクトップでは、プロファイルは前面のプログラムに合わせて切り替わります。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: profiles follow the program in front.</source>
        <translation>%1：プロファイルが前面のプログラムに合わせて切り替わります。</translation>
    </message>
</context>
<context>
    <name>AppSwitching</name>
    <message>
        <location filename="../../src/ui/main/AppSwitching.cpp" line="+50"/>
        <source>The mouse did not switch to profile %1</source>
        <translation>マウスがプロファイル %1 に切り替わりませんでした</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Applications…</source>
        <translation>アプリケーション…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch profiles by application</source>
        <translation>アプリケーションごとにプロファイルを切り替える</translation>
    </message>
</context>
<context>
    <name>BatteryAlerts</name>
    <message>
        <location filename="../../src/ui/main/BatteryAlerts.cpp" line="+25"/>
        <source>Mouse battery almost empty</source>
        <translation>マウスのバッテリー残量がほとんどありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Connect the cable to charge it.</source>
        <translation>%1：残り %2%。ケーブルを接続して充電してください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mouse battery low</source>
        <translation>マウスのバッテリー残量が少なくなっています</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2% left. Charge it soon.</source>
        <translation>%1：残り %2%。早めに充電してください。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: %1%</source>
        <translation>バッテリー：%1%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MOUSE OFF</source>
        <translation>マウス電源オフ</translation>
    </message>
</context>
<context>
    <name>ButtonCatalogue</name>
    <message>
        <location filename="../../src/core/settings/ButtonCatalogue.cpp" line="+14"/>
        <source>Left</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SINGLE KEY</source>
        <translation>シングルキー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COMBO KEY</source>
        <translation>コンボキー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIRE KEY</source>
        <translation>連射キー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Off</source>
        <translation>ボタン無効</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch Window</source>
        <translation>ウィンドウ切り替え</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock PC</source>
        <translation>PC をロック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Home</source>
        <translation>ブラウザー：ホーム</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Backward</source>
        <translation>ブラウザー：戻る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Forward</source>
        <translation>ブラウザー：進む</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Stop</source>
        <translation>ブラウザー：中止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Refresh</source>
        <translation>ブラウザー：更新</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Search</source>
        <translation>ブラウザー：検索</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browser Favorite</source>
        <translation>ブラウザー：お気に入り</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boss Key</source>
        <translation>ボスキー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media Player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI Switch</source>
        <translation>DPI 切り替え</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate Switch</source>
        <translation>レート切り替え</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate +</source>
        <translation>レート +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rate -</source>
        <translation>レート -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scroll Up</source>
        <translation>上スクロール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Down</source>
        <translation>下スクロール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Led Switch</source>
        <translation>LED オン/オフ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SNIPER</source>
        <translation>スナイパー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Switch</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile +</source>
        <translation>プロファイル +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile -</source>
        <translation>プロファイル -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Macro Manager</source>
        <translation>マクロマネージャー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GunFile Manager</source>
        <translation>GunFile マネージャー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advance</source>
        <translation>詳細</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Polling Rate</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profile Menu</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <location filename="../../src/ui/buttons/AssignmentDialogs.cpp" line="+70"/>
        <source>GUNFILE SELECT</source>
        <translation>GunFile の選択</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO SELECT</source>
        <translation>マクロの選択</translation>
    </message>
</context>
<context>
    <name>ConfirmButtons</name>
    <message>
        <location filename="../../src/ui/widgets/ConfirmButtons.cpp" line="+56"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>ConnectionDisplay</name>
    <message>
        <location filename="../../src/ui/main/ConnectionDisplay.cpp" line="+49"/>
        <location line="+46"/>
        <source>MOUSE OFF</source>
        <translation>マウス電源オフ</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Connected through the receiver</source>
        <translation>レシーバー経由で接続中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connected by cable</source>
        <translation>ケーブルで接続中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connection and battery</source>
        <translation>接続とバッテリー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Battery level</source>
        <translation>バッテリー残量</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Receiver</source>
        <translation>レシーバー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Charging</source>
        <translation>充電中</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <location filename="../../src/ui/main/FirmwareUpdate.cpp" line="+35"/>
        <location line="+4"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>ファームウェアを更新するには、ケーブルでマウスをコンピューターに接続してください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>ファームウェアを更新しますか？</translation>
    </message>
</context>
<context>
    <name>HeaderBar</name>
    <message>
        <location filename="../../src/ui/main/HeaderBar.cpp" line="+74"/>
        <location line="+8"/>
        <source>Model: %1</source>
        <translation>モデル：%1</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mousecfg %1</source>
        <translation>mousecfg %1</translation>
    </message>
</context>
<context>
    <name>ImportCheck</name>
    <message>
        <location filename="../../src/storage/ImportCheck.cpp" line="+200"/>
        <source>cannot read &apos;%1&apos;: no such file</source>
        <translation>「%1」を読み込めません：ファイルが存在しません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: a folder</source>
        <translation>「%1」を読み込めません：フォルダーです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: not a plain file</source>
        <translation>「%1」を読み込めません：通常のファイルではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read &apos;%1&apos;: permission denied</source>
        <translation>「%1」を読み込めません：アクセスが拒否されました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is too large (%2 bytes) to be a file of this program</source>
        <translation>「%1」は大きすぎます（%2 バイト）。このプログラムのファイルではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is not a profile or configuration file</source>
        <translation>「%1」はプロファイルファイルでも設定ファイルでもありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;%1&apos; is a profile file, not a configuration file</source>
        <translation>「%1」はプロファイルファイルです。設定ファイルではありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is a configuration file, not a profile file</source>
        <translation>「%1」は設定ファイルです。プロファイルファイルではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;%1&apos; is incomplete: the key &apos;%2&apos; is missing</source>
        <translation>「%1」は不完全です：キー「%2」がありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is incomplete: %2 keys are missing, the first is &apos;%3&apos;</source>
        <translation>「%1」は不完全です：%2 個のキーがありません（最初のキーは「%3」）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a colour</source>
        <translation>「%1」は破損しています：「%2」に色の値がありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is damaged: &apos;%2&apos; does not hold a number</source>
        <translation>「%1」は破損しています：「%2」に数値がありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&apos;%1&apos; gives profiles %2 and %3 the same name &apos;%4&apos;: each needs a name of its own</source>
        <translation>「%1」ではプロファイル %2 と %3 に同じ名前「%4」が付いています：プロファイルごとに別の名前が必要です</translation>
    </message>
</context>
<context>
    <name>KeyDialogFrame</name>
    <message>
        <location filename="../../src/ui/buttons/KeyDialogFrame.cpp" line="+75"/>
        <source>Keys are read only while this window has the focus.</source>
        <translation>このウィンドウにフォーカスがある間だけキーを読み取ります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Taken: %1</source>
        <translation>入力：%1</translation>
    </message>
    <message>
        <location line="+95"/>
        <location line="+35"/>
        <source>Captured key</source>
        <translation>入力されたキー</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Captured key: %1</source>
        <translation>入力されたキー：%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Capture again</source>
        <translation>もう一度入力</translation>
    </message>
</context>
<context>
    <name>LanguageButton</name>
    <message>
        <location filename="../../src/ui/main/LanguageButton.cpp" line="+81"/>
        <source>Language: %1</source>
        <translation>言語：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Language</source>
        <translation>言語</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../src/ui/macro/MacroDialog.cpp" line="+303"/>
        <source>WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. INSERT A DELAY TO SEND THEM ALL.</source>
        <translation>遅延がないと、マウスはこれら %2 個のイベントのうち最初の %1 個しか保持しません。すべて送信するには遅延を挿入してください。</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+1"/>
        <source>MOUSE ACTION</source>
        <translation>マウス操作</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO EVENTS</source>
        <translation>マクロイベント</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroEventText.cpp" line="+13"/>
        <source>LEFT CLICK</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MIDDLE CLICK</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RIGHT CLICK</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FORWARD</source>
        <translation>進む</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACKWARD</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>MOVE LEFT</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE RIGHT</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE UP</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE DOWN</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Press</source>
        <translation>押す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release</source>
        <translation>離す</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/MacroNotices.cpp" line="+26"/>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>マクロが多すぎるため、これ以上作成できません！</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <location line="+7"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+6"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Macro Exist!</source>
        <translation>マクロは既に存在します！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>THIS NAME CANNOT NAME A FILE: USE NO &quot;/&quot;, &quot;\&quot; OR &quot;..&quot;.</source>
        <translation>この名前はファイル名に使えません：&quot;/&quot;、&quot;\&quot;、&quot;..&quot; は使用しないでください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A MACRO HOLDS AT MOST %1 EVENTS.</source>
        <translation>1 つのマクロに含められるイベントは最大 %1 個です。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>THE MACRO FILE COULD NOT BE COPIED.</source>
        <translation>マクロファイルをコピーできませんでした。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>離されていないキーがあります。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please input file name.</source>
        <translation>ファイル名を入力してください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/macro/TarnTreeItem.cpp" line="+28"/>
        <source>PRESS DOWN</source>
        <translation>押す</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BOUNCE UP</source>
        <translation>離す</translation>
    </message>
</context>
<context>
    <name>MacroEditPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEditPanel.cpp" line="+148"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>KEY</source>
        <translation>キー</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+7"/>
        <source>MOVEMENT</source>
        <translation>移動</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+4"/>
        <source>DELAY</source>
        <translation>遅延</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>DISTANCE</source>
        <translation>距離</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MacroEventButtons</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventButtons.cpp" line="+20"/>
        <source>RECORD AFTER</source>
        <translation>後ろに記録</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE UP</source>
        <translation>上へ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MOVE DOWN</source>
        <translation>下へ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TOP</source>
        <translation>先頭へ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BOTTOM</source>
        <translation>末尾へ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLEAR</source>
        <translation>クリア</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EDIT</source>
        <translation>編集</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>COPY</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUT</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PASTE</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INSERT DELAY</source>
        <translation>遅延を挿入</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GUN SET</source>
        <translation>射撃設定</translation>
    </message>
</context>
<context>
    <name>MacroEventModel</name>
    <message>
        <location filename="../../src/ui/macro/MacroEventModel.cpp" line="+38"/>
        <source>KEY</source>
        <translation>キー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ACTION</source>
        <translation>アクション</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DELAY(ms)</source>
        <translation>遅延 (ms)</translation>
    </message>
</context>
<context>
    <name>MacroListPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroListPanel.cpp" line="+21"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>マクロファイル (*.MSMACRO)</translation>
    </message>
    <message>
        <location line="+134"/>
        <location line="+23"/>
        <source>Load Macro File</source>
        <translation>マクロファイルを読み込む</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+8"/>
        <source>Save Macro File</source>
        <translation>マクロファイルを保存</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+1"/>
        <source>MACRO LIST</source>
        <translation>マクロ一覧</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>MACRO NAME</source>
        <translation>マクロ名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NEW</source>
        <translation>新規</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DELETE</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CHANGE NAME</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IMPORT</source>
        <translation>インポート</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXPORT</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BATCH</source>
        <translation>一括</translation>
    </message>
</context>
<context>
    <name>MacroRecordPanel</name>
    <message>
        <location filename="../../src/ui/macro/MacroRecordPanel.cpp" line="+127"/>
        <source>START</source>
        <translation>開始</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>操作間の遅延を記録</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>既定の遅延を挿入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>ループ回数 (1-255)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>押している間繰り返す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>再度押すまで繰り返す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEFAULT DELAY</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOOP COUNT</source>
        <translation>ループ回数</translation>
    </message>
</context>
<context>
    <name>MousePicture</name>
    <message>
        <location filename="../../src/ui/main/MousePicture.cpp" line="+212"/>
        <location line="+1"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every button of this mouse is set in the front view.</source>
        <translation>このマウスのボタンはすべて正面ビューで設定します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Wheel up</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Wheel down</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selects this button in the list</source>
        <translation>リストでこのボタンを選択します</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Button %1</source>
        <translation>ボタン %1</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../src/ui/main/MousecfgWidget.cpp" line="+299"/>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+39"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>クリック機能を少なくとも 1 つ残してください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetDevice.cpp" line="+150"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetReturn.cpp" line="+28"/>
        <source>No access to the mouse</source>
        <translation>マウスにアクセスできません</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/MousecfgWidgetWindow.cpp" line="+1"/>
        <source>Dongle Disconnect!</source>
        <translation>レシーバーが切断されました！</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <location filename="../../src/ui/main/ProfileActions.cpp" line="+54"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>ProfileBar</name>
    <message>
        <location filename="../../src/ui/main/ProfileBar.cpp" line="+126"/>
        <location line="+131"/>
        <source>Profile</source>
        <translation>スロット</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press Enter To Apply</source>
        <translation>Enter キーで適用</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Stored profiles</source>
        <translation>保存済みのプロファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESET</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>すべてリセット</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save Profile File</source>
        <translation>プロファイルファイルを保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Load Profile File</source>
        <translation>プロファイルファイルを読み込む</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>APPLICATIONS</source>
        <translation>アプリケーション</translation>
    </message>
</context>
<context>
    <name>ProfileOperations</name>
    <message>
        <location filename="../../src/ui/main/ProfileOperations.cpp" line="+70"/>
        <location line="+5"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+91"/>
        <location line="+18"/>
        <location line="+19"/>
        <location line="+24"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+146"/>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>ファイル「%1」に書き込めませんでした。</translation>
    </message>
    <message>
        <location line="-106"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-12"/>
        <source>Profile is Already Used!</source>
        <translation>このプロファイルは既に使用されています！</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="+9"/>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>ファイル「%1」を読み込めませんでした。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+113"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>既定のプロファイルは削除も名前の変更もできません。</translation>
    </message>
    <message>
        <location line="-108"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>&quot;%1&quot; cannot name a profile file.</source>
        <translation>「%1」はプロファイルのファイル名に使用できません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-3"/>
        <source>Profile Exist!</source>
        <translation>プロファイルは既に存在します！</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be renamed.</source>
        <translation>ファイル「%1」の名前を変更できませんでした。</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>プロファイルを少なくとも 1 つ残してください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>このプロファイルを削除してもよろしいですか？</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Every other profile is held by another slot, so this one cannot be deleted.</source>
        <translation>ほかのプロファイルはすべて別のスロットで使用中のため、このプロファイルは削除できません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file &quot;%1&quot; could not be deleted.</source>
        <translation>ファイル「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>このプロファイルをリセットしてもよろしいですか？</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>すべてのプロファイルをリセットしてもよろしいですか？</translation>
    </message>
    <message>
        <location filename="../../src/ui/main/ProfileTransfers.cpp" line="-119"/>
        <source>Profile File(*.prof)</source>
        <translation>プロファイルファイル (*.prof)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Config File(*.conf)</source>
        <translation>設定ファイル (*.conf)</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>マウスがスリープ中か、接続されていません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send data failed, please try again.</source>
        <translation>データの送信に失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The settings were sent, but the mouse did not confirm them.</source>
        <translation>設定を送信しましたが、マウスから確認がありませんでした。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The file is not match current mouse!</source>
        <translation>このファイルは現在のマウスに対応していません！</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Save Profile File</source>
        <translation>プロファイルファイルを保存</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Load Profile File</source>
        <translation>プロファイルファイルを読み込む</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save Config File</source>
        <translation>設定ファイルを保存</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Load Config File</source>
        <translation>設定ファイルを読み込む</translation>
    </message>
</context>
<context>
    <name>SlotIndicators</name>
    <message>
        <location filename="../../src/ui/main/SlotIndicators.cpp" line="+45"/>
        <source>Profile</source>
        <translation>スロット</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <location filename="../../src/ui/main/TabBar.cpp" line="+42"/>
        <source>LIGHTING</source>
        <translation>ライティング</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CUSTOMIZE</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>MACRO</source>
        <translation>マクロ</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnBtnWindow.cpp" line="+129"/>
        <source>WHEEL UP</source>
        <translation>ホイール上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WHEEL DOWN</source>
        <translation>ホイール下</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Button %1</source>
        <translation>ボタン %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左ボタンには射撃機能を割り当てられません。</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <location filename="../../src/ui/pages/TarnColorArea.cpp" line="+33"/>
        <location line="+322"/>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <location line="-322"/>
        <location line="+323"/>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <location line="-323"/>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <location line="+309"/>
        <location line="+1"/>
        <source>Color Edit</source>
        <translation>色の編集</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COLOR</source>
        <translation>色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APPLY</source>
        <translation>適用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Saturation and value</source>
        <translation>彩度と明度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hexadecimal colour</source>
        <translation>16 進カラーコード</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <location filename="../../src/core/settings/LightingEffects.cpp" line="+17"/>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FULL LIGHTED</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BREATHING</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 COLOR BREATHING</source>
        <translation>7 色ブリージング</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RAINBOW</source>
        <translation>レインボー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLASH</source>
        <translation>フラッシュ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal WAVE</source>
        <translation>水平ウェーブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平 残光なし</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raindrop</source>
        <translation>レインドロップ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WAVE</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GO WITHOUT TRACE</source>
        <translation>残光なし</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REACTIVE</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>ヨーヨー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marbles</source>
        <translation>マーブル</translation>
    </message>
    <message>
        <location filename="../../src/ui/pages/TarnColorWindow.cpp" line="+141"/>
        <location line="+63"/>
        <source>EFFECT</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <location line="-48"/>
        <source> MINUTE</source>
        <translation> 分</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+5"/>
        <source>BRIGHTNESS</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+5"/>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>COLOR</source>
        <translation>色</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+4"/>
        <source>SLEEP TIME</source>
        <translation>スリープ時間</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時に消灯</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnComboKeyWindow.cpp" line="+6"/>
        <source>Combo Key</source>
        <translation>コンボキー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hold the modifiers and press the key.</source>
        <translation>修飾キーを押したまま、キーを押してください。</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <location filename="../../src/ui/pages/TarnDPIWindow.cpp" line="+139"/>
        <source>DPI STAGES</source>
        <translation>DPI ステージ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>SLEEP TIME</source>
        <translation>スリープ時間</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時に消灯</translation>
    </message>
    <message>
        <location line="+64"/>
        <source> MINUTE</source>
        <translation> 分</translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnFireKeyWindow.cpp" line="+24"/>
        <source>FireKey Setting</source>
        <translation>連射キーの設定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Middle</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keyboard Key</source>
        <translation>キーボードのキー</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Times:</source>
        <translation>回数：</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>Delay:</source>
        <translation>遅延：</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Press a key</source>
        <translation>キーを押してください</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <location filename="../../src/ui/macro/TarnGunsetDialog.cpp" line="+38"/>
        <source>Gun Set</source>
        <translation>射撃設定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GUN SET</source>
        <translation>射撃設定</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>GUNFILE NAME</source>
        <translation>GunFile 名</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+51"/>
        <source>BULLETS</source>
        <translation>弾数</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+13"/>
        <source>DELAY(MS)</source>
        <translation>遅延 (ms)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>VERTICAL</source>
        <translation>垂直</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+15"/>
        <source>HORIZONTAL</source>
        <translation>水平</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <location filename="../../src/ui/macro/TarnMacroSelect.cpp" line="+51"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>ループ回数 (1-255)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>押している間繰り返す</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>再度押すまで繰り返す</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>LOOP COUNT</source>
        <translation>ループ回数</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>SELECT A MACRO</source>
        <translation>マクロを選択</translation>
    </message>
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <location filename="../../src/ui/pages/TarnPointSpeed.cpp" line="+181"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No mouse settings program of the desktop was found.</source>
        <translation>このデスクトップのマウス設定プログラムが見つかりませんでした。</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+1"/>
        <source>Key Response</source>
        <translation>キーレスポンス</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Scroll Speed</source>
        <translation>スクロール速度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable sync</source>
        <translation>同期を有効化</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift Distance</source>
        <translation>リフトオフ距離</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Angle Snapping</source>
        <translation>直線補正</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jitter</source>
        <translation>ジッター補正</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Motion Wake</source>
        <translation>動きでスリープ解除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensor Mode</source>
        <translation>センサーモード</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eco</source>
        <translation>エコ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Competitive</source>
        <translation>競技</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Mouse Setting</source>
        <translation>マウスの設定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This desktop&apos;s pointer speed cannot be set from here: use the desktop&apos;s own mouse settings.</source>
        <translation>このデスクトップのポインター速度はここでは設定できません。デスクトップのマウス設定を使用してください。</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The pointer speed applies while mousecfg runs: the desktop&apos;s own settings are left as they are.</source>
        <translation>ポインター速度は mousecfg の実行中に適用されます。デスクトップ自体の設定は変更されません。</translation>
    </message>
</context>
<context>
    <name>TarnProcessDialog</name>
    <message>
        <location filename="../../src/ui/main/TarnProcessDialog.cpp" line="+24"/>
        <source>Sending data to the mouse</source>
        <translation>マウスにデータを送信しています</translation>
    </message>
</context>
<context>
    <name>TarnReportRate</name>
    <message>
        <location filename="../../src/ui/pages/TarnReportRate.cpp" line="+21"/>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+33"/>
        <source>REPORT RATE</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lift off Distance</source>
        <translation>リフトオフ距離</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <location filename="../../src/ui/pages/TarnSingleDPI.cpp" line="+128"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link XY</source>
        <translation>XY 連動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable %1</source>
        <translation>%1 を有効化</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSingleKeyWindow.cpp" line="+10"/>
        <source>Single Key</source>
        <translation>シングルキー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press the key for this button.</source>
        <translation>このボタンに割り当てるキーを押してください。</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <location filename="../../src/ui/buttons/TarnSniperWindow.cpp" line="+9"/>
        <source>Sniper Setting</source>
        <translation>スナイパー設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sniper resolution</source>
        <translation>スナイパー解像度</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>TarnTreeWidget</name>
    <message>
        <location filename="../../src/ui/macro/TarnTreeWidget.cpp" line="+54"/>
        <location line="+1"/>
        <source>MOUSE COMMAND</source>
        <translation>マウスコマンド</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+9"/>
        <source>DISTANCE</source>
        <translation>距離</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../../src/ui/main/TrayIcon.cpp" line="+40"/>
        <source>&amp;Load Config</source>
        <translation>設定を読み込む(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The login start entry %1 could not be changed.</source>
        <translation>ログイン時の自動起動エントリ %1 を変更できませんでした。</translation>
    </message>
</context>
<context>
    <name>UploadRecovery</name>
    <message>
        <location filename="../../src/ui/main/UploadRecovery.cpp" line="+38"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The last transfer to the mouse did not finish. Send the settings again?</source>
        <translation>マウスへの前回の転送が完了しませんでした。設定を再送信しますか？</translation>
    </message>
</context>
</TS>
